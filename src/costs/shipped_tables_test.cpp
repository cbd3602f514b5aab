// The shipped tables 484.ini, rezijni_pausaly.ini and naklady_specialni.ini
// against figures from the decree 484/2000 Sb. and from court cost awards.
//
// § 3 odst. 1 from 1.1.2001 ("over X up to Y", the border in the lower band):
// up to 500 1 500; 1 000 3 000; 5 000 4 500; 10 000 6 000; 200 000 6 000 +
// 15 % over 10 000; 10 000 000 34 500 + 1,5 % over 200 000; above that
// 172 500 (from 7.2.2001, decree 49/2001 Sb.: 181 500) + 0,015 % over 10 000 000.
// Lump sum per act under the attorney tariff: 75 Kč until 31.8.2006, 300 Kč
// from 1.9.2006, 450 Kč from 1.1.2025.
//
// Court awards reproduced (Supreme Court, replies to a cassation appeal, one act):
// - 33 Odo 1124/2003 of 28.6.2005: 42 629,10 Kč, appeal rejected: 2 805 Kč
//   = 10 894,37 × 50 % (one act) × 50 % (rejected) = 2 723,59 → 2 730 + 75.
// - 33 Cdo 2275/2009 of 25.11.2009: 700 000 Kč, appeal dismissed: 21 075 Kč
//   = 42 000 × 50 % (one act) = 21 000 + 75.
#include <gtest/gtest.h>

#include <functional>

#include "common/errors.h"
#include "common/versioned.h"
#include "costs/calculation.h"
#include "test_support.h"

namespace verdika::costs {
namespace {

const Tables& shipped() {
    static const Tables t = Tables::load(test::shippedDir());
    return t;
}

double fee(double principal, const char* date) {
    return scaleFee(shipped().scale, Platna_Novelizace(shipped().scale, 0, parseDate(date)), principal);
}

TEST(CostsShippedTables, ScaleOfTheOriginalText) {
    struct Case {
        double principal;
        const char* date;
        double fee;
    } cases[] = {
        {500, "1.6.2003", 1500},        {500.01, "1.6.2003", 3000},     {1000, "1.6.2003", 3000},
        {5000, "1.6.2003", 4500},       {10000, "1.6.2003", 6000},      {200000, "1.6.2003", 34500},
        {700000, "1.6.2003", 42000},    {10000000, "1.6.2003", 181500},
        {20000000, "6.2.2001", 174000},  // 172 500 + 0,015 % of 10 000 000, before 49/2001
        {20000000, "7.2.2001", 183000},  // 181 500 + 1 500 from the day 49/2001 took effect
        {20000000, "15.12.2000", 174000},  // before the first version: the first version
    };
    for (const Case& c : cases) EXPECT_NEAR(fee(c.principal, c.date), c.fee, 1e-6) << c.principal << " " << c.date;
    // 6 000 + 15 % of 32 629,10 = 10 894,365 (10 894,37 Kč), before rounding.
    EXPECT_NEAR(fee(42629.10, "1.6.2003"), 10894.365, 1e-6);
}

Calculation supremeCourtReply(const char* principal, int appeal) {
    MonetaryInput in;
    in.principal = principal;
    in.date = in.vatDate = in.courtFeeDate = in.actDate = makeDate(2005, 3, 1);
    in.courtFee = false;
    in.dismissal = choiceAt<Dismissal>(appeal);
    in.acts = {{"1.3.2005", "vyjádření k dovolání"}};
    return calculateMonetary(in, shipped());
}

TEST(CostsShippedTables, SupremeCourtAwardsAreReproduced) {
    Calculation c = supremeCourtReply("42629,10", 1);  // rejected: § 14/1 and one act
    EXPECT_DOUBLE_EQ(c.record.odmena, 2730);
    EXPECT_DOUBLE_EQ(c.record.celkem(), 2805);
    c = supremeCourtReply("700000", -1);  // dismissed: one act
    EXPECT_DOUBLE_EQ(c.record.odmena, 21000);
    EXPECT_DOUBLE_EQ(c.record.celkem(), 21075);
}

TEST(CostsShippedTables, LumpSumsByTheActsDates) {
    MonetaryInput in;
    in.principal = "0";
    in.date = in.vatDate = in.courtFeeDate = makeDate(2005, 1, 1);
    in.courtFee = false;
    in.acts = {{"31.8.2006", "a"}, {"1.9.2006", "b"}, {"31.12.2024", "c"}, {"1.1.2025", "d"}};
    const Calculation c = calculateMonetary(in, shipped());
    std::vector<double> sums;
    for (const auto& a : c.record.pravni_ukony) sums.push_back(a.rezijni_pausal);
    EXPECT_EQ(sums, (std::vector<double>{75, 300, 300, 450}));
}

TEST(CostsShippedTables, WhatTheTablesDoNotHoldIsSaid) {
    auto message = [](const std::function<void()>& f) {
        try {
            f();
        } catch (const DataError& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    MonetaryInput in;
    in.principal = "100000";
    in.date = in.vatDate = in.courtFeeDate = makeDate(2012, 6, 1);
    in.courtFee = false;
    in.acts = {{"1.6.2012", "a"}, {"2.6.2012", "b"}};
    // The scale of 1.3.2012 is not known.
    EXPECT_EQ(message([&] { calculateMonetary(in, shipped()); }).rfind(std::string(kNotInTable), 0), 0u);
    // Nor the increase for several persons.
    in.date = makeDate(2005, 1, 1);
    in.persons = 2;
    EXPECT_EQ(message([&] { calculateMonetary(in, shipped()); }).rfind(std::string(kNotInTable), 0), 0u);
    // Nor any non-money item.
    NonMonetaryInput n;
    n.date = n.vatDate = n.actDate = makeDate(2005, 1, 1);
    n.courtFee = false;
    for (int item = 1; item <= 22; ++item) {
        n.item = item;
        EXPECT_EQ(message([&] { calculateNonMonetary(n, shipped()); }).rfind(std::string(kNotInTable), 0), 0u) << item;
    }
}

}  // namespace
}  // namespace verdika::costs
