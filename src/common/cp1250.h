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

// True when a text file's bytes are read as UTF-8: a BOM, or valid UTF-8
// holding non-ASCII characters that are all characters Windows-1250 has.
// A Czech Windows-1250 file is never valid UTF-8 that way unless it holds
// pairs such as "Ĺ™" (an upper-case Ă Â Ä Ĺ Ë or â followed by a symbol or
// Š Ť Ž š ť ž Ł ľ …), which are garbled UTF-8 rather than Czech; any
// other character outside Windows-1250 (U+1F28A from "đźŠŠ", U+0253 from
// "É“") shows the bytes are Windows-1250.
bool readsAsUtf8(std::string_view bytes);
// Decodes the bytes of a text file: UTF-8 (without its BOM) when
// readsAsUtf8, Windows-1250 otherwise; the result is always valid UTF-8 (a
// broken sequence after a BOM becomes U+FFFD).
std::string decodeText(std::string_view bytes);
// Encodes UTF-8 text for a file: Windows-1250 when every character fits and
// the bytes do not read as UTF-8, otherwise UTF-8 with a BOM, so nothing the
// user typed is lost and decodeText(encodeText(t)) == t for valid UTF-8 t.
std::string encodeText(std::string_view utf8);

}  // namespace verdika
