#pragma once
// UTF-8 one code point at a time, shared by the code-page conversion, the
// Czech text helpers and the word-processor writer.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace verdika {

void appendUtf8(std::string& out, char32_t c);

// The code point starting at s[i], advancing i past it. A byte that does not
// start a whole, shortest, valid sequence (a surrogate, past U+10FFFF, a
// missing continuation byte) gives nullopt and advances i by that one byte,
// so every caller can go on with the next.
std::optional<char32_t> nextCodePoint(std::string_view s, std::size_t& i);

}  // namespace verdika
