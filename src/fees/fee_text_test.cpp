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

TEST(FeeText, RoundUpIgnoresTheLastBitOfADouble) {
    EXPECT_DOUBLE_EQ(roundUpTo(250000 * 1.2 / 100, 10), 3000);  // 3 000,0000000000005 stays 3 000
    EXPECT_DOUBLE_EQ(roundUpTo(3000.01, 10), 3010);
    EXPECT_DOUBLE_EQ(roundUpTo(123456.7, 100), 123500);
    EXPECT_DOUBLE_EQ(roundUpTo(0, 10), 0);
}

}  // namespace
}  // namespace verdika::fees
