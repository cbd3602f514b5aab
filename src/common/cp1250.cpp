#include "common/cp1250.h"

#include <array>
#include <cstdint>

#include "common/utf8.h"

namespace verdika {
namespace {

// Unicode code points of the bytes 0x80..0xFF; 0 marks a byte with no character.
constexpr std::array<char32_t, 128> kHigh = {
    0x20AC, 0,      0x201A, 0,      0x201E, 0x2026, 0x2020, 0x2021,
    0,      0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0,      0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

// Every character of the code page lies below U+2200 (™ is U+2122); a
// table indexed by the code point answers in one step, which matters for
// law texts of half a megabyte.
constexpr char32_t kTableEnd = 0x2200;
const std::array<unsigned char, kTableEnd>& byteTable() {
    static const auto table = [] {
        std::array<unsigned char, kTableEnd> t{};
        for (size_t k = 0; k < kHigh.size(); ++k)
            if (kHigh[k]) t[kHigh[k]] = static_cast<unsigned char>(0x80 + k);
        return t;
    }();
    return table;
}

std::optional<char> cp1250Byte(char32_t cp) {
    if (cp < 0x80) return static_cast<char>(cp);
    if (cp >= kTableEnd || !byteTable()[cp]) return std::nullopt;
    return static_cast<char>(byteTable()[cp]);
}

}  // namespace

std::string cp1250ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char ch : bytes) {
        auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) {
            out += ch;
        } else {
            char32_t cp = kHigh[b - 0x80];
            appendUtf8(out, cp ? cp : 0xFFFD);
        }
    }
    return out;
}

std::optional<std::string> utf8ToCp1250(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        const auto cp = nextCodePoint(utf8, i);
        if (!cp) return std::nullopt;
        auto b = cp1250Byte(*cp);
        if (!b) return std::nullopt;
        out += *b;
    }
    return out;
}

bool isValidUtf8(std::string_view bytes) {
    size_t i = 0;
    while (i < bytes.size())
        if (!nextCodePoint(bytes, i)) return false;
    return true;
}

bool readsAsUtf8(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") return true;
    bool nonAscii = false;
    size_t i = 0;
    while (i < bytes.size()) {
        const auto cp = nextCodePoint(bytes, i);
        if (!cp) return false;
        if (*cp < 0x80) continue;
        // A character Windows-1250 cannot hold means the bytes were never a
        // Windows-1250 text of ours read the other way.
        if (!cp1250Byte(*cp)) return false;
        nonAscii = true;
    }
    return nonAscii;
}

std::string decodeText(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        // A BOM promises UTF-8; a broken sequence after it (a half-copied
        // file) becomes U+FFFD, so the text in memory is always UTF-8.
        const std::string_view rest = bytes.substr(3);
        if (isValidUtf8(rest)) return std::string(rest);
        std::string out;
        size_t i = 0;
        while (i < rest.size()) {
            const size_t start = i;
            if (nextCodePoint(rest, i))
                out.append(rest.substr(start, i - start));
            else
                appendUtf8(out, 0xFFFD);
        }
        return out;
    }
    if (readsAsUtf8(bytes)) return std::string(bytes);
    return cp1250ToUtf8(bytes);
}

std::string encodeText(std::string_view utf8) {
    // Windows-1250 bytes that decodeText would take for UTF-8 ("Ĺ™" is the
    // UTF-8 of "ř") go out as UTF-8 with a BOM, so every text comes back as written.
    if (auto cp = utf8ToCp1250(utf8); cp && !readsAsUtf8(*cp)) return *cp;
    return "\xEF\xBB\xBF" + std::string(utf8);
}

}  // namespace verdika
