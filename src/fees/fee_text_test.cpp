#include "fees/fee_text.h"

#include <gtest/gtest.h>

#include "common/errors.h"

namespace verdika::fees {
namespace {

TEST(FeeText, SearchIgnoresCaseOfCzechLetters) {
    const std::vector<std::string> captions = {"Položka 1 – návrh", "ČÍSLO", "Žaloba pro zmatečnost", "položka 11"};
    EXPECT_EQ(findCaption(captions, "POLOŽKA 1", 0), 0);
    EXPECT_EQ(findCaption(captions, "položka 1", 1), 3);  // from the item after the first
    EXPECT_EQ(findCaption(captions, "čís", 0), 1);
    EXPECT_EQ(findCaption(captions, "ŽALOBA PRO ZMATEČNOST", 0), 2);
    EXPECT_EQ(findCaption(captions, "nic", 0), -1);
    EXPECT_EQ(findCaption(captions, "", 0), -1);
}

TEST(FeeText, GroupedNumbers) {
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

TEST(FeeText, RoundUpIgnoresTheLastBitOfADouble) {
    EXPECT_DOUBLE_EQ(roundUpTo(250000 * 1.2 / 100, 10), 3000);  // 3 000,0000000000005 stays 3 000
    EXPECT_DOUBLE_EQ(roundUpTo(3000.01, 10), 3010);
    EXPECT_DOUBLE_EQ(roundUpTo(123456.7, 100), 123500);
    EXPECT_DOUBLE_EQ(roundUpTo(0, 10), 0);
}

}  // namespace
}  // namespace verdika::fees
