#include "common/numbers.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <optional>

#include "common/errors.h"

namespace verdika {
namespace {

TEST(FormatCastky, FormatsCzechAmountsWithHalvesToEven) {
    struct Case {
        double value;
        const char* text;
    } cases[] = {
        {0, "0,00 Kč"},
        {1000000, "1.000.000,00 Kč"},
        {1234.5, "1.234,50 Kč"},
        {0.125, "0,12 Kč"},   // half to even, down
        {0.375, "0,38 Kč"},   // half to even, up
        {0.005, "0,00 Kč"},
        {0.015, "0,02 Kč"},   // 0.015 is 150 in four decimals, then to even
        {999.995, "1.000,00 Kč"},
        {-1234.5, "-1.234,50 Kč"},
        {-0.001, "0,00 Kč"},  // rounds to zero: no minus sign
        {123456789012.34, "123.456.789.012,34 Kč"},
        {5e15, "5.000.000.000.000.000,00 Kč"},  // beyond the fixed-point range
    };
    for (const auto& c : cases) EXPECT_EQ(Format_Castky(c.value), c.text) << c.value;
    EXPECT_EQ(Format_Castky(std::nan("")), "neplatná částka");
}

TEST(FormatCislo, PlainFormHasNoGroupingAndNoTrailingZeros) {
    struct Case {
        double value;
        const char* text;
    } cases[] = {
        {1234.5, "1234,5"}, {20, "20"}, {0, "0"}, {-0.0, "0"}, {-7.25, "-7,25"}, {0.1 + 0.2, "0,3"},
        {1e15 - 1, "999999999999999"}, {1e15, "1E15"}, {1.5e20, "1,5E20"}, {0.00001, "0,00001"},
        {0.000001, "1E-6"}, {-2.5e-7, "-2,5E-7"}, {1.0 / 3.0, "0,333333333333333"},
    };
    for (const auto& c : cases) EXPECT_EQ(Format_Cislo(c.value), c.text) << c.value;
}

TEST(ParseDecimal, AcceptsTheDecimalCommaOnly) {
    struct Case {
        const char* text;
        bool ok;
        double value;
    } cases[] = {
        {"12,5", true, 12.5},      {"  12,5  ", true, 12.5}, {"-3", true, -3},     {"+4,25", true, 4.25},
        {",5", true, 0.5},         {"7,", true, 7},          {"1,5E3", true, 1500}, {"2e-2", true, 0.02},
        {"-1,25E+2", true, -125},  {"1.234", false, 0},      {"12.5", false, 0},   {"", false, 0},
        {"   ", false, 0},         {"1 000", false, 0},      {"100 Kč", false, 0}, {"1,2,3", false, 0},
        {"E5", false, 0},          {"1E", false, 0},         {"--1", false, 0},    {"1E400", false, 0},
        {"abc", false, 0},         {",", false, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Je_Cislo(c.text), c.ok) << c.text;
        if (c.ok) EXPECT_DOUBLE_EQ(parseDecimal(c.text), c.value) << c.text;
        else EXPECT_THROW(parseDecimal(c.text), ConversionError) << c.text;
    }
}

TEST(ParseDecimal, MessageNamesTheBadText) {
    try {
        parseDecimal(" 12.50 ");
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_EQ(std::string(e.what()), "„12.50“ není platné číslo.");
    }
}

TEST(ParseInteger, WholeNumbersOnly) {
    EXPECT_EQ(parseInteger(" 42 "), 42);
    EXPECT_EQ(parseInteger("-7"), -7);
    EXPECT_EQ(parseInteger("+3"), 3);
    for (const char* bad : {"", "1,5", "12a", "9999999999999999999999", "- 1"})
        EXPECT_THROW(parseInteger(bad), ConversionError) << bad;
}

// Our own texts read back: the plain form of every finite double (the pocket
// calculator goes on with its results) and every amount, also copied with "Kč".
TEST(NumberRoundTrip, EveryFiniteValueReadsBack) {
    const double values[] = {0, 1234.5, -7.25, 1.0 / 3.0, 1e15, 0.000001, 123456789012.34, 5e15,
                             DBL_MAX, -DBL_MAX, DBL_MIN, DBL_TRUE_MIN, 1.7976931348623e308, 9e14, -0.001};
    for (double v : values) {
        const std::string plain = Format_Cislo(v);
        const auto back = tryParseDecimal(plain);
        ASSERT_TRUE(back) << plain;
        EXPECT_EQ(Format_Cislo(*back), plain);
        if (std::fabs(v) >= DBL_MIN) EXPECT_NEAR(*back, v, std::fabs(v) * 1e-14) << plain;
        const std::string amount = Format_Castky(v);
        const auto money = tryParseAmount(amount);
        ASSERT_TRUE(money) << amount;
        EXPECT_NEAR(*money, v, 0.0051 + std::fabs(v) * 1e-15) << amount;
    }
    // Fifteen digits of the largest double round up past it; the text cuts them instead.
    EXPECT_EQ(Format_Cislo(DBL_MAX), "1,79769313486231E308");
    EXPECT_EQ(Format_Cislo(-DBL_MAX), "-1,79769313486231E308");
}

TEST(ParseAmount, GroupsOfThousandsAndTheCurrency) {
    const struct {
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {"1.234,50 Kč", 1234.5}, {" -1.234.567,89 Kč ", -1234567.89}, {"1234,5", 1234.5}, {"0,00 Kč", 0},
        {"1.000", 1000},         {"12.5", std::nullopt},           {"1.23,4", std::nullopt},
        {"1,234.5", std::nullopt}, {"Kč", std::nullopt},           {".123", std::nullopt}, {"1..000", std::nullopt},
    };
    for (const auto& c : cases) {
        const auto v = tryParseAmount(c.text);
        EXPECT_EQ(v.has_value(), c.value.has_value()) << c.text;
        if (v && c.value) EXPECT_DOUBLE_EQ(*v, *c.value) << c.text;
    }
}

TEST(GroupedNumbers, FormatAndParse) {
    EXPECT_EQ(formatGrouped(1234567.891, 2), "1.234.567,89");
    EXPECT_EQ(formatGrouped(6533.3333, 1), "6.533,3");
    EXPECT_EQ(formatGrouped(0.125, 2), "0,12");  // halves to even
    EXPECT_EQ(formatGrouped(0.25, 1), "0,2");
    EXPECT_EQ(formatGrouped(-1500, 2), "-1.500,00");
    EXPECT_EQ(formatGrouped(999, 0), "999");
    EXPECT_EQ(formatGrouped(1e15, 2), "1.000.000.000.000.000,00");  // beyond the fixed-point range
    struct Case {
        const char* text;
        double value;
    } ok[] = {{"1.234.567,5", 1234567.5}, {" 12345,67 ", 12345.67}, {"", 0}, {"-1.000", -1000}, {"0,5", 0.5}};
    for (const auto& c : ok) EXPECT_DOUBLE_EQ(parseGrouped(c.text), c.value) << c.text;
    for (const char* bad : {"12.5", "1.23.456", "1,2,3", "abc", "1.0000", ".100"}) EXPECT_THROW(parseGrouped(bad), ConversionError) << bad;
}

}  // namespace
}  // namespace verdika
