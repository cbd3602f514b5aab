#include "costs/calculation.h"

#include <gtest/gtest.h>

#include "common/errors.h"
#include "costs/lists.h"

namespace verdika::costs {
namespace {

// One version of everything; a monetary court fee of 4 % (at least 600 Kč)
// for items 8, 54, 64 and 78 alike, and two fixed fees: item 2 of 1 000 Kč,
// item 3 listed only from 2010.
Tables fixture() {
    Tables t;
    t.scale = IniFile::parse(
        "[novelizace]\n1=29.12.2000\n"
        "[1.7.1996]\nrezijni_pausal=75\n"
        "[29.12.2000]\ncastek_jednoduche=1\ncastek_s_procenty=0\n1_hranice=1000000\n1_odmena=10000\n"
        "vykon_rozhodnuti=50,0,0\nzastaveni_rizeni=50,0,0\nzastaveni_odvolaciho_rizeni=50,0,0\njeden_pu=50,0,0\n",
        "484.ini");
    t.lumpSums = IniFile::parse("[novelizace]\n1=1.7.1996\n", "rezijni_pausaly.ini");
    t.items = IniFile::parse("[novelizace]\n1=29.12.2000\n[5]\n29.12.2000=12500\n", "naklady_specialni.ini");
    t.vat = IniFile::parse("[novelizace]\n1=1.1.1995\n[1.1.1995]\nzvysena=22\n", "dph.ini");
    std::string fees = "[novelizace]\n1=1.1.2001\n2=1.1.2010\n";
    for (int item : {8, 54, 64, 78, 1})
        fees += "[" + std::to_string(item) + "]\n1.1.2001=0,-1,0,4,0,600,0\n1.1.2001_druh=osr_penezite\n";
    fees += "[2]\n1.1.2001=1000\n[3]\n1.1.2010=2000\n";
    t.courtFees = IniFile::parse(fees, "soudni_pop.ini");
    return t;
}

Date d(int y, unsigned m, unsigned day) { return makeDate(y, m, day); }

MonetaryInput monetary(const std::string& principal) {
    MonetaryInput in;
    in.principal = principal;
    in.date = in.vatDate = in.courtFeeDate = in.actDate = d(2005, 6, 1);
    return in;
}

TEST(CostsCalculation, EmptyActListGetsTheTwoDefaultActs) {
    MonetaryInput in = monetary("50000");
    in.acts = {{"", ""}};  // the empty row of a cleared grid
    const Calculation c = calculateMonetary(in, fixture());
    ASSERT_EQ(c.acts.size(), 2u);
    EXPECT_EQ(c.acts[0], (ActRow{"1.6.2005", std::string(kDefaultAct1)}));
    EXPECT_EQ(c.acts[1], (ActRow{"1.6.2005", std::string(kDefaultAct2)}));
    EXPECT_FALSE(c.record.jeden_ukon);
    EXPECT_DOUBLE_EQ(c.record.odmena, 10000);
    EXPECT_EQ(c.record.rezijni_pausaly, 150);
    EXPECT_DOUBLE_EQ(c.record.soudni_poplatek, 2000);  // 4 % of 50 000
    EXPECT_DOUBLE_EQ(c.record.celkem(), 12150);
}

TEST(CostsCalculation, ActsAreSortedAndASingleActHalvesTheFee) {
    MonetaryInput in = monetary("50000");
    in.courtFee = false;
    in.acts = {{"3.3.2005", "odvolání"}};
    Calculation c = calculateMonetary(in, fixture());
    EXPECT_TRUE(c.record.jeden_ukon);
    EXPECT_DOUBLE_EQ(c.record.odmena, 5000);

    in.acts = {{"3.3.2005", "odvolání"}, {"1.2.2005", "žaloba"}};
    c = calculateMonetary(in, fixture());
    ASSERT_EQ(c.acts.size(), 2u);
    EXPECT_EQ(c.acts[0].description, "žaloba");
    EXPECT_EQ(c.record.pravni_ukony[0].popis, "žaloba");
    EXPECT_DOUBLE_EQ(c.record.odmena, 10000);
}

TEST(CostsCalculation, CourtFeeItemFollowsTheChoices) {
    struct Case {
        int choice1, choice2, item;
    } cases[] = {{-1, -1, 8}, {1, -1, 54}, {0, -1, 64}, {-1, 0, 78}, {0, 1, 78}, {1, 0, 78}};
    for (const Case& c : cases) {
        MonetaryInput in;
        in.proceedings = choiceAt<Proceedings>(c.choice1);
        in.dismissal = choiceAt<Dismissal>(c.choice2);
        EXPECT_EQ(monetaryCourtFeeItem(in), c.item) << c.choice1 << "," << c.choice2;
    }
}

TEST(CostsCalculation, BadInputOrMissingCourtFeeSaysSo) {
    struct Case {
        const char* principal;
        int persons;
        Date courtFeeDate;
        const char* act;
    } cases[] = {
        {"1,2,3", 1, d(2005, 6, 1), "1.6.2005"},    // not a number
        {"-5", 1, d(2005, 6, 1), "1.6.2005"},       // negative
        {"1e20", 1, d(2005, 6, 1), "1.6.2005"},     // beyond what is computed
        {"", 1, d(2005, 6, 1), "1.6.2005"},
        {"1000", 101, d(2005, 6, 1), "1.6.2005"},
        {"1000", 1, d(2005, 6, 1), "31.2.2005"},     // an act dated with a day that does not exist
        {"1000", 1, d(2000, 6, 1), "1.6.2005"},     // before the court-fee table's first version
    };
    for (const Case& c : cases) {
        MonetaryInput in = monetary(c.principal);
        in.persons = c.persons;
        in.courtFeeDate = c.courtFeeDate;
        in.acts = {{c.act, "úkon"}, {"1.6.2005", "úkon"}};
        EXPECT_THROW(calculateMonetary(in, fixture()), Error) << c.principal << " " << c.act;
    }
}

TEST(CostsCalculation, NonMonetaryChecksAndFixedCourtFee) {
    NonMonetaryInput in;
    in.date = in.vatDate = in.courtFeeDate = in.actDate = d(2005, 6, 1);
    auto message = [&] {
        try {
            calculateNonMonetary(in, fixture());
        } catch (const Error& e) {
            return std::string(e.what());
        }
        return std::string();
    };
    EXPECT_EQ(message(), kNoItemMessage);
    in.item = 5;
    EXPECT_EQ(message(), kNoCourtFeeMessage);
    in.courtFeeItem = 3;  // listed only from 2010
    EXPECT_NE(message().find("neuvádí"), std::string::npos);

    in.courtFeeItem = 2;
    Calculation c = calculateNonMonetary(in, fixture());
    EXPECT_DOUBLE_EQ(c.record.odmena, 12500);
    EXPECT_DOUBLE_EQ(c.record.soudni_poplatek, 1000);
    EXPECT_DOUBLE_EQ(c.record.jistina, 0);
    EXPECT_TRUE(c.warning.empty());

    in.courtFeeItem = 1;  // a fee from the principal: said, left at 0, the rest stands
    c = calculateNonMonetary(in, fixture());
    EXPECT_EQ(c.warning, kCourtFeeFromPrincipalMessage);
    EXPECT_DOUBLE_EQ(c.record.soudni_poplatek, 0);
    EXPECT_DOUBLE_EQ(c.record.odmena, 12500);

    in.item = 6;  // no amount in the table
    EXPECT_EQ(message().rfind(std::string(kNotInTable), 0), 0u);
}

}  // namespace
}  // namespace verdika::costs
