#include "fees/court_fee.h"

#include <gtest/gtest.h>

#include <set>

#include "common/errors.h"
#include "common/text.h"
#include "common/versioned.h"
#include "test_support.h"

namespace verdika::fees {
namespace {

Date d(const char* text) { return parseDate(text); }

// One band list used for the rule tests: 0–20 000 fixed 1 000; above it 5 %
// of the whole base; above 40 000 000 an open band with a maximum.
const char* kRules =
    "[seznam]\n1=peněžité\n2=pevný\n"
    "[novelizace]\n1=1.1.2000\n2=1.1.2014\n"
    "[1]\n1.1.2000=0,20000,1000,0,0,0,0,20000,40000000,0,5,0,0,0,40000000,-1,2000000,1,40000000,0,2500000\n"
    "1.1.2000_druh=osr_penezite\n"
    "[2]\n1.1.2000=500\n1.1.2014=1000\n";

TEST(CourtFee, BaseRoundingChangesOnTheFirstDayOf2014) {
    struct Case {
        const char* date;
        double principal;
        double base;
    } cases[] = {
        {"31.12.2013", 10099.99, 10000},  // down to whole hundreds
        {"31.12.2013", 20001, 20000},
        {"1.1.2014", 10000.01, 10010},    // up to whole Kč, then up to tens
        {"1.1.2014", 20001, 20010},
        {"1.1.2014", 20010, 20010},
        {"1.1.2014", 0, 0},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(courtFeeBase(d(c.date), c.principal), c.base) << c.date << " " << c.principal;
}

TEST(CourtFee, BandsLimitsAndFeeRounding) {
    const auto t = IniFile::parse(kRules, "soudni_pop.ini");
    struct Case {
        const char* date;
        double principal;
        double fee;
    } cases[] = {
        {"1.1.2014", 20000, 1000},          // the upper limit belongs to the band
        {"1.1.2014", 20001, 1000.5},        // base 20 010, 5 %, not rounded from 2014
        {"31.12.2013", 20123, 1010},        // base 20 100, 1 005 up to tens
        {"1.1.2014", 0, 0},                 // base 0 is not above the lower limit 0
        {"1.1.2014", 50000000, 2100000},    // open-ended band
        {"1.1.2014", 900000000, 2500000},   // the band's maximum
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(Spocitat_Soudni_Poplatek(t, 1, "1.1.2000", d(c.date), c.principal), c.fee)
            << c.date << " " << c.principal;
}

TEST(CourtFee, GeneralLimitFromMaxOrTheLastBandAndNoLimitWithoutEither) {
    auto fee = [](const std::string& maxEntry, const std::string& bands, double principal) {
        const auto t = IniFile::parse("[novelizace]\n1=1.1.2014\n[max]\n" + maxEntry + "[1]\n1.1.2014=" + bands + "\n");
        return Spocitat_Soudni_Poplatek(t, 1, "1.1.2014", d("1.1.2015"), principal);
    };
    const std::string open = "0,-1,0,4,0,0,0";
    EXPECT_DOUBLE_EQ(fee("", open, 1000000), 40000);                   // no limit anywhere: no ceiling
    EXPECT_DOUBLE_EQ(fee("1.1.2014=30000\n", open, 1000000), 30000);   // the "max" entry
    // The last band's maximum raises a lower "max", whether or not that band applied.
    EXPECT_DOUBLE_EQ(fee("1.1.2014=30000\n", "0,1000000,0,4,0,0,0,1000000,-1,0,0,0,0,35000", 900000), 35000);
    EXPECT_DOUBLE_EQ(fee("", "0,1000000,0,4,0,0,0,1000000,-1,0,0,0,0,35000", 100000), 4000);
    EXPECT_DOUBLE_EQ(fee("", "0,-1,0,2,0,400,0", 10000), 400);         // a band's minimum
    EXPECT_DOUBLE_EQ(fee("", "0,-1,0,0.2,0,0,0", 1000000), 2000);      // a decimal point in a percentage
    EXPECT_DOUBLE_EQ(fee("", open + ",", 1000000), 40000);             // a trailing comma carries nothing
}

TEST(CourtFee, MalformedBandListNamesFileItemAndKey) {
    for (const char* bands : {"0,-1,0,4,0,0", "0,-1,0,4,0,0,0,5", "0,-1,0,4,x,0,0", "0,-1,0,4,,0,0", "0,-1,0,4,0,0,1,5"}) {
        const auto t = IniFile::parse(std::string("[1]\n1.1.2014=") + bands + "\n", "soudni_pop.ini");
        try {
            Spocitat_Soudni_Poplatek(t, 1, "1.1.2014", d("1.1.2015"), 1000);
            FAIL() << bands;
        } catch (const DataError& e) {
            const std::string m = e.what();
            EXPECT_NE(m.find("soudni_pop.ini"), std::string::npos) << m;
            EXPECT_NE(m.find("položky 1"), std::string::npos) << m;
            EXPECT_NE(m.find("1.1.2014"), std::string::npos) << m;
        }
    }
}

TEST(CourtFee, ItemVersionKindAndFixedFee) {
    const auto t = IniFile::parse(kRules, "soudni_pop.ini");
    auto r = courtFee(t, 2, d("31.12.2013"), 0);
    EXPECT_EQ(r.version, "1.1.2000");
    EXPECT_FALSE(r.fromPrincipal);
    EXPECT_DOUBLE_EQ(r.fee, 500);
    r = courtFee(t, 2, d("1.1.2014"), 0);
    EXPECT_DOUBLE_EQ(r.fee, 1000);
    // Item 1 has no entry at 1.1.2014: its own version stays 1.1.2000.
    r = courtFee(t, 1, d("1.1.2020"), 30000);
    EXPECT_EQ(r.version, "1.1.2000");
    EXPECT_TRUE(r.fromPrincipal);
    EXPECT_TRUE(r.listed);
    EXPECT_DOUBLE_EQ(r.fee, 1500);
    // Nothing chosen, or an item the table has no amount for.
    r = courtFee(t, 0, d("1.1.2020"), 30000);
    EXPECT_DOUBLE_EQ(r.fee, 0);
    EXPECT_FALSE(r.fromPrincipal);
    r = courtFee(t, 9, d("1.1.2020"), 30000);
    EXPECT_FALSE(r.listed);
    EXPECT_DOUBLE_EQ(r.fee, 0);
    EXPECT_EQ(latestCourtFeeVersion(t), "1.1.2014");
}

// ---- the shipped table ----

class ShippedCourtFees : public ::testing::Test {
protected:
    IniFile table = IniFile::load(test::shippedDir() / "soudni_pop.ini");
    double fee(int item, const char* date, double principal) const {
        return courtFee(table, item, d(date), principal).fee;
    }
};

TEST_F(ShippedCourtFees, MonetaryClaimAndElectronicPaymentOrder) {
    struct Case {
        double principal;
        const char* date;
        double claim;  // item 8
        double epr;    // item 54
    } cases[] = {
        {10000, "31.12.2013", 1000, 800},          {20000, "31.12.2013", 1000, 800},
        {20001, "31.12.2013", 1000, 800},          {1000000, "31.12.2013", 50000, 40000},
        {50000000, "31.12.2013", 2100000, 2000000},
        {10000, "1.1.2014", 1000, 400},            {20000, "1.1.2014", 1000, 800},
        {20001, "1.1.2014", 1000.5, 800.4},        {1000000, "1.1.2014", 50000, 40000},
        {50000000, "1.1.2014", 2100000, 2000000},
        {10000, "10.12.2026", 1000, 400},          {20000, "10.12.2026", 1000, 800},
        {20001, "10.12.2026", 1000.5, 800.4},      {1000000, "10.12.2026", 50000, 40000},
        {50000000, "10.12.2026", 2100000, 2000000},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(fee(8, c.date, c.principal), c.claim) << c.principal << " " << c.date;
        EXPECT_DOUBLE_EQ(fee(54, c.date, c.principal), c.epr) << c.principal << " " << c.date;
    }
}

TEST_F(ShippedCourtFees, BordersCeilingsAndTheOtherCostsItems) {
    struct Case {
        int item;
        double principal;
        const char* date;
        double fee;
    } cases[] = {
        {8, 15000, "31.8.2011", 600},           {8, 100000, "31.8.2011", 4000},
        {8, 20000000, "31.8.2011", 650000},     {8, 250000000, "10.12.2026", 4100000},
        {8, 300000000, "10.12.2026", 4100000},  {8, 0, "10.12.2026", 0},
        {8, 10000.01, "10.12.2026", 1000},      {8, 10099.99, "31.12.2013", 1000},
        {54, 10000, "31.8.2011", 400},          {54, 50000, "31.8.2011", 1000},
        {64, 10000, "10.12.2026", 300},         {64, 1000000, "10.12.2026", 20000},
        {64, 5000000, "10.12.2026", 50000},
        {78, 50000, "10.12.2026", 1000},        {78, 1000000, "10.12.2026", 10000},
        {78, 123456, "10.12.2026", 1234.6},     {78, 123456, "31.12.2013", 1240},
        {78, 50000000, "10.12.2026", 420000},   {78, 300000000, "10.12.2026", 820000},
        {78, 1000000, "31.8.2011", 0},
        {27, 2000000, "10.12.2026", 15000},     {13, 500000, "10.12.2026", 5000},
        {15, 5000000, "10.12.2026", 30000},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(fee(c.item, c.date, c.principal), c.fee) << c.item << " " << c.principal << " " << c.date;
}

TEST_F(ShippedCourtFees, FixedItemsOnBothSidesOfTheirVersions) {
    struct Case {
        int item;
        const char* date;
        double fee;
    } cases[] = {
        {25, "31.12.2025", 2000}, {25, "1.1.2026", 5000}, {24, "1.1.2026", 2000},
        {7, "31.8.2011", 500},    {7, "1.9.2011", 1000},
        {74, "29.9.2017", 2000},  {74, "30.9.2017", 4000},
    };
    for (const auto& c : cases) {
        const auto r = courtFee(table, c.item, d(c.date), 123456);
        EXPECT_FALSE(r.fromPrincipal) << c.item;
        EXPECT_DOUBLE_EQ(r.fee, c.fee) << c.item << " " << c.date;
    }
    // Before 2014 the table holds no amount for a dovolání against a resolution.
    EXPECT_FALSE(courtFee(table, 74, d("31.12.2013"), 0).listed);
}

TEST_F(ShippedCourtFees, TheCostsPageItemsAndTheLayout) {
    const auto items = courtFeeItems(table);
    ASSERT_EQ(items.size(), 84u);
    EXPECT_EQ(items[7].rfind("Položka 1 bod 1 – návrh na zahájení řízení, jehož předmětem je peněžité plnění", 0), 0u);
    EXPECT_EQ(items[53].rfind("Položka 2 bod 1", 0), 0u);
    EXPECT_EQ(items[63].rfind("Výkon rozhodnutí soudem – návrh na nařízení výkonu rozhodnutí k vymožení peněžitého plnění", 0), 0u);
    EXPECT_EQ(items[77].rfind("Zastavení řízení před prvním jednáním", 0), 0u);
    EXPECT_EQ(latestCourtFeeVersion(table), "1.1.2026");

    const auto versions = amendmentDates(table);
    const std::set<std::string> listed(versions.begin(), versions.end());
    std::set<std::string> used;
    for (int item = 1; item <= static_cast<int>(items.size()); ++item) {
        const std::string section = std::to_string(item);
        for (const auto& [key, value] : table.sectionValues(section)) {
            const bool kind = key.size() > 5 && key.ends_with("_druh");
            const std::string version = kind ? key.substr(0, key.size() - 5) : key;
            EXPECT_TRUE(listed.count(version)) << "item " << item << " key " << key;
            used.insert(version);
            if (kind) {
                EXPECT_EQ(value, kFeeFromPrincipal) << item;
                continue;
            }
            if (!isFeeFromPrincipal(table, item, version)) continue;
            // Bands start at 0 and join without gaps; every list computes.
            const auto f = Rozdel_Text(',', value);
            ASSERT_EQ(f.size() % 7, 0u) << item << " " << version;
            EXPECT_EQ(f[0], "0") << item;
            for (size_t i = 7; i < f.size(); i += 7) EXPECT_EQ(f[i], f[i - 6]) << item << " " << version;
            EXPECT_NO_THROW(Spocitat_Soudni_Poplatek(table, item, version, d("10.12.2026"), 123456.78));
        }
    }
    EXPECT_EQ(used, listed);  // every version is used by some item
}

}  // namespace
}  // namespace verdika::fees
