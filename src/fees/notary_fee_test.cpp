#include "fees/notary_fee.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace verdika::fees {
namespace {

const char* kTable =
    "[1]\npocet=3\n1=100000;2\n2=500000;1,2\n3=1000000;0,6\nmin=2000\npozn=Stupnice A.\n"
    "[2]\npodle=1\ndil=50\n"            // half of item 1, item 1's minimum
    "[3]\npodle=1\ndil=50\nmin=500\n"   // half of item 1, its own minimum
    "[4]\nsazba=70\npozn=Pevná.\n";

TEST(NotaryFee, BandsShareMinimumAndRounding) {
    const auto t = IniFile::parse(kTable, "notar_tarif.ini");
    struct Case {
        int item;
        double value, fee;
    } cases[] = {
        {1, 350000, 5000},      // two bands
        {1, 500000, 6800},      // on a border: the next band adds 0
        {1, 50000, 2000},       // below the minimum
        {1, 123456.7, 2290},    // value up to 123 500, fee 2 282 up to tens
        {1, 5000000, 9800},     // nothing above the last border
        {2, 1000000, 4900},     // "podle" and "dil"
        {2, 150000, 2000},      // the minimum is applied after the share, never halved
        {3, 150000, 1300},      // the item's own minimum wins over the table item's
        {3, 10000, 500},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(Spocitat_Odmenu_Notare(t, c.item, c.value), c.fee) << c.item << " " << c.value;
}

TEST(NotaryFee, ItemChangeFixedFeeAndZeroValue) {
    const auto t = IniFile::parse(kTable, "notar_tarif.ini");
    auto r = notaryFee(t, 4, 1000000);  // a fixed fee ignores the value
    EXPECT_FALSE(r.tariffEnabled);
    EXPECT_DOUBLE_EQ(r.fee, 70);
    EXPECT_EQ(r.note, "Pevná.");
    r = notaryFee(t, 1, 0);  // value 0: the bands do not run
    EXPECT_TRUE(r.tariffEnabled);
    EXPECT_DOUBLE_EQ(r.fee, 0);
    EXPECT_EQ(notaryFee(IniFile::parse("", "notar_tarif.ini"), 9, 0).fee, 0);  // no value, no error
}

TEST(NotaryFee, ShippedTable) {
    const auto t = IniFile::load(test::shippedDir() / "notar_tarif.ini");
    ASSERT_EQ(notaryItems().size(), 61u);
    struct Case {
        int item;
        double value, fee;
    } cases[] = {
        {1, 350000, 5000},     {1, 123456.7, 2290},   {1, 50000, 2000},     {1, 500000, 6800},
        {1, 150000000, 94800}, {3, 1000000, 6540},    {3, 6000000, 14540},  {4, 150000, 2000},
        {4, 1000000, 4900},    {9, 500000, 5100},     {11, 7000000, 10500}, {12, 1000000, 5600},
        {12, 50000, 1000},     {25, 123, 70},         {24, 0, 30},          {17, 100000, 0},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(notaryFee(t, c.item, c.value).fee, c.fee) << c.item << " " << c.value;
    for (int item = 1; item <= 61; ++item) EXPECT_NO_THROW(notaryFee(t, item, 1234567.8)) << item;
}

}  // namespace
}  // namespace verdika::fees
