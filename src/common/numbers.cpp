#include "common/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "common/errors.h"
#include "common/text.h"

namespace verdika {
namespace {

std::string groupThousands(std::string digits) {
    std::string out;
    const size_t n = digits.size();
    for (size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += '.';
        out += digits[i];
    }
    return out;
}

}  // namespace

double roundHalfEven(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::nearbyint(value * scale) / scale;  // default rounding mode: to nearest, ties to even
}

std::string Format_Castky(double amount) {
    if (!std::isfinite(amount)) return "neplatná částka";
    const bool negative = amount < 0;
    std::string whole, cents;
    if (std::fabs(amount) < 9.0e14) {
        // Fixed point with four decimals first, then two: both steps take halves to even.
        auto c4 = static_cast<std::int64_t>(std::nearbyint(std::fabs(amount) * 10000.0));
        std::int64_t q = c4 / 100, r = c4 % 100;
        if (r > 50 || (r == 50 && (q % 2) != 0)) ++q;
        whole = std::to_string(q / 100);
        std::int64_t c = q % 100;
        cents = (c < 10 ? "0" : "") + std::to_string(c);
        if (q == 0) return "0,00 Kč";
    } else {
        // The largest double has 309 whole digits.
        char buf[400];
        auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(amount), std::chars_format::fixed, 2);
        if (res.ec != std::errc()) return "neplatná částka";
        std::string s(buf, res.ptr);
        auto dot = s.find('.');
        whole = s.substr(0, dot);
        cents = s.substr(dot + 1);
    }
    return std::string(negative ? "-" : "") + groupThousands(whole) + "," + cents + " Kč";
}

std::string Format_Cislo(double value) {
    if (!std::isfinite(value)) return std::isnan(value) ? "NAN" : (value > 0 ? "INF" : "-INF");
    if (value == 0) return "0";
    // Fifteen digits of the largest doubles round up past the largest double,
    // which no parser reads back; those are written with their last digit cut.
    if (std::fabs(value) > kLargestPlainNumber) value = std::copysign(kLargestPlainNumber, value);
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    std::string s(buf, res.ptr);  // e.g. "-1.23450000000000e+03"
    const bool negative = s[0] == '-';
    if (negative) s.erase(0, 1);
    const auto e = s.find('e');
    int exponent = std::atoi(s.c_str() + e + 1);
    std::string digits = s.substr(0, 1) + s.substr(2, e - 2);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string out;
    if (exponent + 1 <= 15 && exponent >= -5) {
        if (exponent >= 0) {
            std::string intPart = digits.substr(0, std::min<size_t>(digits.size(), exponent + 1));
            while (static_cast<int>(intPart.size()) < exponent + 1) intPart += '0';
            std::string frac = digits.size() > static_cast<size_t>(exponent + 1) ? digits.substr(exponent + 1) : "";
            out = intPart + (frac.empty() ? "" : "," + frac);
        } else {
            out = "0," + std::string(-exponent - 1, '0') + digits;
        }
    } else {
        out = digits.substr(0, 1) + (digits.size() > 1 ? "," + digits.substr(1) : "") + "E" +
              std::to_string(exponent);
    }
    return (negative ? "-" : "") + out;
}

std::optional<double> tryParseDecimal(std::string_view text) {
    std::string_view t = trimBlanks(text);
    if (t.empty()) return std::nullopt;
    std::string s;
    size_t i = 0;
    if (t[i] == '+' || t[i] == '-') s += t[i++];
    size_t digits = 0;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') { s += t[i++]; ++digits; }
    if (i < t.size() && t[i] == ',') {
        s += '.';
        ++i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') { s += t[i++]; ++digits; }
    }
    if (digits == 0) return std::nullopt;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        s += 'e';
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) s += t[i++];
        size_t expDigits = 0;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') { s += t[i++]; ++expDigits; }
        if (expDigits == 0) return std::nullopt;
    }
    if (i != t.size()) return std::nullopt;
    const char* first = s.c_str();
    if (*first == '+') ++first;
    double value = 0;
    auto res = std::from_chars(first, s.c_str() + s.size(), value);
    if (res.ec != std::errc() || res.ptr != s.c_str() + s.size()) return std::nullopt;
    return value;
}

double parseDecimal(std::string_view text) {
    if (auto v = tryParseDecimal(text)) return *v;
    throw ConversionError("„" + std::string(trimBlanks(text)) + "“ není platné číslo.");
}

bool Je_Cislo(std::string_view text) { return tryParseDecimal(text).has_value(); }

std::optional<double> tryParseAmount(std::string_view text) {
    std::string_view t = trimBlanks(text);
    constexpr std::string_view kCurrency = "Kč";
    if (t.size() >= kCurrency.size() && t.substr(t.size() - kCurrency.size()) == kCurrency)
        t = trimBlanks(t.substr(0, t.size() - kCurrency.size()));
    if (t.empty()) return std::nullopt;
    return tryParseGrouped(t);
}

std::optional<std::int64_t> tryParseInteger(std::string_view text) {
    std::string_view t = trimBlanks(text);
    if (!t.empty() && t[0] == '+') t.remove_prefix(1);
    if (t.empty()) return std::nullopt;
    std::int64_t value = 0;
    auto res = std::from_chars(t.data(), t.data() + t.size(), value);
    if (res.ec != std::errc() || res.ptr != t.data() + t.size()) return std::nullopt;
    return value;
}

std::int64_t parseInteger(std::string_view text) {
    if (auto v = tryParseInteger(text)) return *v;
    throw ConversionError("„" + std::string(trimBlanks(text)) + "“ není platné celé číslo.");
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

std::optional<double> tryParseGrouped(std::string_view text) {
    const std::string_view t = trimBlanks(text);
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
            if (grp.empty() || (g == 0 ? grp.size() > 3 : grp.size() != 3)) return std::nullopt;
            plain += grp;
        }
    } else {
        plain.append(digits);
    }
    if (comma != std::string_view::npos) plain.append(t.substr(comma));
    return tryParseDecimal(plain);
}

double parseGrouped(std::string_view text) {
    const std::string_view t = trimBlanks(text);
    if (t.empty()) return 0;
    if (auto v = tryParseGrouped(t)) return *v;
    throw ConversionError("„" + std::string(t) + "“ není platné číslo.");
}

}  // namespace verdika
