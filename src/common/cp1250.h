#pragma once
// Windows-1250 is the code page of every Czech text file the program reads
// and writes; in memory all text is UTF-8.
#include <optional>
#include <string>
#include <string_view>

namespace verdika {

std::string cp1250ToUtf8(std::string_view bytes);
// Empty when the text holds a character Windows-1250 cannot represent.
std::optional<std::string> utf8ToCp1250(std::string_view utf8);
bool isValidUtf8(std::string_view bytes);

// Decodes the bytes of a text file: UTF-8 when it starts with a BOM or is
// valid UTF-8 holding non-ASCII characters, Windows-1250 otherwise.
std::string decodeText(std::string_view bytes);
// Encodes UTF-8 text for a file: Windows-1250 when every character fits,
// otherwise UTF-8 with a BOM, so nothing the user typed is lost.
std::string encodeText(std::string_view utf8);

}  // namespace verdika
