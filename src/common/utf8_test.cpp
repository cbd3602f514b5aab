#include "common/utf8.h"

#include <gtest/gtest.h>

namespace verdika {
namespace {

// Each case: the bytes, the code points read (0 for a refused byte) and how
// far each step moved.
TEST(Utf8, ReadsWholeSequencesAndStepsOverBadBytesOneByOne) {
    struct Case {
        std::string bytes;
        std::vector<std::pair<char32_t, std::size_t>> steps;
    };
    const std::vector<Case> cases{
        {"a", {{'a', 1}}},
        {"\xC5\x99", {{0x159, 2}}},                    // ř
        {"\xE2\x80\x9E", {{0x201E, 3}}},               // „
        {"\xF0\x9F\x98\x80", {{0x1F600, 4}}},          // past the BMP
        {"\xC0\xAF", {{0, 1}, {0, 1}}},                // overlong "/"
        {"\xED\xA0\x80", {{0, 1}, {0, 1}, {0, 1}}},    // a surrogate
        {"\xF4\x90\x80\x80", {{0, 1}, {0, 1}, {0, 1}, {0, 1}}},  // past U+10FFFF
        {"\xC5", {{0, 1}}},                            // cut off at the end
        {"\xC5" "A", {{0, 1}, {'A', 1}}},              // the next character survives
    };
    for (const Case& c : cases) {
        std::size_t i = 0;
        for (const auto& [cp, step] : c.steps) {
            const std::size_t before = i;
            const auto got = nextCodePoint(c.bytes, i);
            EXPECT_EQ(got.value_or(0), cp) << c.bytes;
            EXPECT_EQ(i - before, step) << c.bytes;
        }
        EXPECT_EQ(i, c.bytes.size()) << c.bytes;
    }
}

TEST(Utf8, WritesWhatItReads) {
    for (const char32_t cp : {char32_t{0x24}, char32_t{0xA7}, char32_t{0x20AC}, char32_t{0x10348}, char32_t{0x10FFFF}}) {
        std::string s;
        appendUtf8(s, cp);
        std::size_t i = 0;
        EXPECT_EQ(nextCodePoint(s, i), cp);
        EXPECT_EQ(i, s.size());
    }
}

}  // namespace
}  // namespace verdika
