#include "fees/executor_fee.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace verdika::fees {
namespace {

TEST(ExecutorFee, BaseAndShownFeeRounding) {
    EXPECT_DOUBLE_EQ(executorBase(12345.67), 12400);  // 12 346, then up to hundreds
    EXPECT_DOUBLE_EQ(executorBase(12300), 12300);
    EXPECT_DOUBLE_EQ(executorBase(0), 0);
    // A band result of 1 234,4 shows as 1 240; 1 240,5 goes half to even to 1 240.
    const auto t = IniFile::parse("[1]\n1=1000000000;0,1\n[2]\n1=1000000000;0,5\n", "exekutor_tarif.ini");
    EXPECT_DOUBLE_EQ(executorFee(t, 1, false, false, 1234400).fee, 1240);  // 1 234,4 → 1 234 → 1 240
    EXPECT_DOUBLE_EQ(executorFee(t, 2, false, false, 248100).fee, 1240);   // 1 240,5 → 1 240
    EXPECT_DOUBLE_EQ(executorFee(t, 1, false, false, 0).fee, 0);
}

const char* kTable =
    "[1]\npocet=2\n1=3000000;15\n2=40000000;10\nmin=3000\nzaloha=50\n"
    "[2]\nsazba=14000\nzaloha=50\n"
    "[3]\n1=1000000000;15\nmin=2000\nmax=10000\n"
    "[4]\npodle=1\nmax_podil=50\n"
    "[7]\n1=1000000000;10\n"
    "[spolecne_splni]\n1=50\n2=30\n3=30\n";

TEST(ExecutorFee, TicksShareMinimumAndMaximum) {
    const auto t = IniFile::parse(kTable, "exekutor_tarif.ini");
    struct Case {
        int item;
        bool splni, zaloha;
        double value, fee;
    } cases[] = {
        {1, false, false, 10000000, 1150000},
        {1, true, false, 10000000, 575000},
        {1, false, true, 10000000, 575000},
        {1, true, true, 10000000, 575000},   // both ticked: only the voluntary payment counts
        {1, false, false, 12345.67, 3000},  // minimum
        {3, false, false, 100000, 10000},   // maximum
        {3, false, false, 10000, 2000},
        {4, false, false, 10000000, 575000},  // share of item 1's bands
        {2, false, true, 0, 7000},          // fixed fee with the advance
        {2, true, false, 0, 4200},          // fixed fee reduced for a voluntary payment
        {7, true, true, 100000, 10000},     // boxes disabled for the item: the ticks do not count
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(executorFee(t, c.item, c.splni, c.zaloha, c.value).fee, c.fee)
            << c.item << " " << c.splni << c.zaloha << " " << c.value;
    const auto r = executorFee(t, 7, true, true, 100000);
    EXPECT_FALSE(r.voluntaryEnabled);
    EXPECT_FALSE(r.advanceEnabled);
    EXPECT_TRUE(executorFee(t, 1, false, false, 0).voluntaryEnabled);
    EXPECT_FALSE(executorFee(t, 2, false, false, 0).tariffEnabled);
}

TEST(ExecutorFee, ShippedTable) {
    const auto t = IniFile::load(test::shippedDir() / "exekutor_tarif.ini");
    ASSERT_EQ(executorItems().size(), 17u);
    struct Case {
        int item;
        bool splni, zaloha;
        double value, fee;
    } cases[] = {
        {1, false, false, 12345.67, 3000},   {1, true, false, 12345.67, 1500},
        {1, false, true, 12345.67, 1500},    {1, true, true, 12345.67, 1500},
        {1, false, false, 10000000, 1150000}, {1, true, false, 10000000, 575000},
        {1, false, true, 10000000, 575000},  {1, false, false, 300000000, 6650000},
        {7, false, false, 12345.67, 1500},   {7, false, false, 10000000, 575000},
        {3, false, false, 50000, 7500},      {3, false, false, 100000, 10000},
        {3, false, false, 10000, 2000},      {2, false, true, 0, 7000},
        {2, true, false, 0, 4200},           {4, true, false, 10000000, 345000},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(executorFee(t, c.item, c.splni, c.zaloha, c.value).fee, c.fee)
            << c.item << " " << c.splni << c.zaloha << " " << c.value;
    for (int item = 1; item <= 17; ++item) EXPECT_NO_THROW(executorFee(t, item, false, false, 123456)) << item;
    for (int item = 1; item <= 6; ++item) EXPECT_TRUE(executorFee(t, item, false, false, 0).voluntaryEnabled) << item;
}

}  // namespace
}  // namespace verdika::fees
