#include "fees/fee_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "common/errors.h"
#include "common/numbers.h"
#include "common/text.h"

namespace verdika::fees {
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

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::string foldCase(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    size_t i = 0;
    while (i < s.size()) {
        const auto b = static_cast<unsigned char>(s[i]);
        int len = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
        if (len == 0 || i + static_cast<size_t>(len) > s.size()) {  // not UTF-8: keep the byte
            out += s[i++];
            continue;
        }
        char32_t c = len == 1 ? b : b & (0xFF >> (len + 1));
        for (int k = 1; k < len; ++k) c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        appendUtf8(out, lowerOf(c));
        i += static_cast<size_t>(len);
    }
    return out;
}

int findCaption(const std::vector<std::string>& captions, std::string_view text, int from) {
    if (text.empty()) return -1;
    const std::string needle = foldCase(text);
    for (int i = std::max(from, 0); i < static_cast<int>(captions.size()); ++i)
        if (foldCase(captions[static_cast<size_t>(i)]).find(needle) != std::string::npos) return i;
    return -1;
}

double roundUpTo(double value, double step) {
    const double q = std::nearbyint(value / step * 1e6) / 1e6;
    return std::ceil(q) * step;
}

}  // namespace verdika::fees
