#include "fees/fee_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "common/errors.h"
#include "common/numbers.h"
#include "common/text.h"

namespace verdika::fees {

int findCaption(const std::vector<std::string>& captions, std::string_view text, int from) {
    if (text.empty()) return -1;
    const std::string needle = foldCase(text);
    for (int i = std::max(from, 0); i < static_cast<int>(captions.size()); ++i)
        if (foldCase(captions[static_cast<size_t>(i)]).find(needle) != std::string::npos) return i;
    return -1;
}

std::string formatGrouped(double value, int decimals) {
    if (!std::isfinite(value)) return Format_Cislo(value);
    decimals = std::clamp(decimals, 0, 4);
    std::string whole, frac;
    bool zero = false;
    if (std::fabs(value) < 9.0e14) {
        // Four decimals first, as the amounts are held, then the field's decimals; halves to even.
        const auto c4 = static_cast<std::int64_t>(std::nearbyint(std::fabs(value) * 10000.0));
        std::int64_t scale = 1;
        for (int i = decimals; i < 4; ++i) scale *= 10;
        std::int64_t q = c4 / scale, r = c4 % scale;
        if (2 * r > scale || (2 * r == scale && q % 2 != 0)) ++q;
        std::int64_t unit = 1;
        for (int i = 0; i < decimals; ++i) unit *= 10;
        whole = std::to_string(q / unit);
        if (decimals > 0) {
            frac = std::to_string(q % unit);
            frac = std::string(static_cast<size_t>(decimals) - frac.size(), '0') + frac;
        }
        zero = q == 0;
    } else {  // beyond the fixed-point range: the digits as they are
        char buf[400];
        auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::fixed, decimals);
        const std::string s(buf, res.ptr);
        const auto dot = s.find('.');
        whole = s.substr(0, dot);
        frac = dot == std::string::npos ? std::string() : s.substr(dot + 1);
    }
    std::string out;
    for (size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0) out += '.';
        out += whole[i];
    }
    if (decimals > 0) out += ',' + frac;
    return (value < 0 && !zero ? "-" : "") + out;
}

double parseGrouped(std::string_view text) {
    const std::string_view t = trimBlanks(text);
    if (t.empty()) return 0;
    auto bad = [&]() -> double { throw ConversionError("„" + std::string(t) + "“ není platné číslo."); };
    const size_t comma = t.find(',');
    std::string_view whole = t.substr(0, comma);
    std::string plain;
    size_t start = (!whole.empty() && (whole[0] == '-' || whole[0] == '+')) ? 1 : 0;
    plain.append(whole.substr(0, start));
    std::string_view digits = whole.substr(start);
    if (digits.find('.') != std::string_view::npos) {
        // Thousands dots: the first group has 1–3 digits, every later group exactly 3.
        auto groups = Rozdel_Text('.', digits);
        for (size_t g = 0; g < groups.size(); ++g) {
            const auto& grp = groups[g];
            if (grp.empty() || (g == 0 ? grp.size() > 3 : grp.size() != 3)) return bad();
            plain += grp;
        }
    } else {
        plain.append(digits);
    }
    if (comma != std::string_view::npos) plain.append(t.substr(comma));
    if (auto v = tryParseDecimal(plain)) return *v;
    return bad();
}

double roundUpTo(double value, double step) {
    const double q = std::nearbyint(value / step * 1e6) / 1e6;
    return std::ceil(q) * step;
}

}  // namespace verdika::fees
