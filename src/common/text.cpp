#include "common/text.h"

#include <cstdint>
#include <optional>

#include "common/utf8.h"

namespace verdika {

std::string_view trimBlanks(std::string_view text) {
    size_t b = 0, e = text.size();
    while (b < e && static_cast<unsigned char>(text[b]) <= ' ') ++b;
    while (e > b && static_cast<unsigned char>(text[e - 1]) <= ' ') --e;
    return text.substr(b, e - b);
}

std::string trimmed(std::string_view text) { return std::string(trimBlanks(text)); }

std::vector<std::string> Rozdel_Text(char delimiter, std::string_view text) {
    std::vector<std::string> pieces;
    if (text.empty()) return pieces;
    size_t start = 0;
    for (;;) {
        size_t pos = text.find(delimiter, start);
        if (pos == std::string_view::npos) {
            pieces.emplace_back(text.substr(start));
            break;
        }
        pieces.emplace_back(text.substr(start, pos - start));
        start = pos + 1;
    }
    return pieces;
}

std::string Nahrad_Vse(std::string_view text, std::string_view pattern, std::string_view replacement) {
    if (pattern.empty()) return std::string(text);
    std::string out;
    size_t start = 0;
    for (;;) {
        size_t pos = text.find(pattern, start);
        if (pos == std::string_view::npos) break;
        out.append(text.substr(start, pos - start));
        out.append(replacement);
        start = pos + pattern.size();
    }
    out.append(text.substr(start));
    return out;
}

std::string Jeden_Radek(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c == '\r' || c == '\n') c = ' ';
    return out;
}

std::string asciiUpper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string asciiLower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool equalsIgnoreAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

std::size_t findText(std::u16string_view text, std::u16string_view needle, std::size_t from, bool matchCase) {
    if (needle.empty() || from > text.size()) return std::u16string_view::npos;
    if (matchCase) return text.find(needle, from);
    const auto fold = [](char16_t c) { return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c; };
    for (size_t i = from; i + needle.size() <= text.size(); ++i) {
        size_t k = 0;
        while (k < needle.size() && fold(text[i + k]) == fold(needle[k])) ++k;
        if (k == needle.size()) return i;
    }
    return std::u16string_view::npos;
}

namespace {

char32_t lowerOf(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 0x20;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
    if (c >= 0x100 && c <= 0x137) return c | 1u;                         // Ā ā … Ķ ķ
    if (c >= 0x139 && c <= 0x148) return (c % 2 == 1) ? c + 1 : c;      // Ĺ ĺ … Ň ň
    if (c >= 0x14A && c <= 0x177) return c | 1u;                         // Ŋ ŋ … Ŷ ŷ
    if (c == 0x178) return 0xFF;                                         // Ÿ
    if (c >= 0x179 && c <= 0x17E) return (c % 2 == 1) ? c + 1 : c;      // Ź ź … Ž ž
    return c;
}

std::u32string decodeUtf8(std::string_view s) {
    std::u32string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        // A stray byte keeps a place of its own.
        out += nextCodePoint(s, i).value_or(static_cast<char32_t>(0xDC00 + b));
    }
    return out;
}

// The base letter of a lower-case accented letter whose accent does not make
// a letter of its own in Czech order (á as a, ů as u); 0 for any other.
char32_t baseLetter(char32_t c) {
    switch (c) {
        case U'á': case U'ä': return 'a';
        case U'ď': return 'd';
        case U'é': case U'ě': case U'ë': return 'e';
        case U'í': return 'i';
        case U'ĺ': case U'ľ': return 'l';
        case U'ň': return 'n';
        case U'ó': case U'ö': case U'ô': return 'o';
        case U'ŕ': return 'r';
        case U'ť': return 't';
        case U'ú': case U'ů': case U'ü': return 'u';
        case U'ý': return 'y';
        default: return 0;
    }
}

// Primary weights of a folded text: blanks and punctuation first, then digits,
// then the letters in Czech order.
std::vector<std::uint32_t> primaryWeights(const std::u32string& t) {
    auto letter = [](char32_t l) { return 1000u + static_cast<std::uint32_t>(l - 'a') * 2; };
    std::vector<std::uint32_t> w;
    w.reserve(t.size());
    for (size_t i = 0; i < t.size(); ++i) {
        char32_t c = t[i];
        if (char32_t base = baseLetter(c)) c = base;
        if (c == 'c' && i + 1 < t.size() && t[i + 1] == 'h') {
            w.push_back(letter('h') + 1);
            ++i;
        } else if (c >= 'a' && c <= 'z') {
            w.push_back(letter(c));
        } else if (c == U'č' || c == U'ř' || c == U'š' || c == U'ž') {
            const char32_t before = c == U'č' ? 'c' : c == U'ř' ? 'r' : c == U'š' ? 's' : 'z';
            w.push_back(letter(before) + 1);
        } else if (c >= '0' && c <= '9') {
            w.push_back(500u + static_cast<std::uint32_t>(c - '0'));
        } else if (c < 0x80) {
            w.push_back(static_cast<std::uint32_t>(c));
        } else {
            w.push_back(2000u + static_cast<std::uint32_t>(c));
        }
    }
    return w;
}

}  // namespace

int compareCzech(std::string_view a, std::string_view b) {
    const std::u32string fa = decodeUtf8(foldCase(a)), fb = decodeUtf8(foldCase(b));
    const auto pa = primaryWeights(fa), pb = primaryWeights(fb);
    if (pa != pb) return pa < pb ? -1 : 1;
    if (fa != fb) return fa < fb ? -1 : 1;  // then the accents
    // Then the case: the small letter first, as dictionaries list it.
    const auto ua = decodeUtf8(a), ub = decodeUtf8(b);
    if (ua != ub) return ua > ub ? -1 : 1;
    return 0;
}

std::string foldCase(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        const size_t at = i;
        if (auto c = nextCodePoint(s, i)) appendUtf8(out, lowerOf(*c));
        else out += s[at];  // not UTF-8: keep the byte
    }
    return out;
}

}  // namespace verdika
