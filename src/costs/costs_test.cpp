#include "costs/costs.h"

#include <gtest/gtest.h>

#include <functional>

#include "common/errors.h"

namespace verdika::costs {
namespace {

// A small scale: two fixed bands (up to 100: 10, up to 200: 20), one band with a
// percentage (up to 1 000: 30 + 10 % over 200) and the top band (100 + 1 % over
// 1 000); adjustments and person factors; lump sums 75 Kč, from 2006 300 Kč.
const char* kScale =
    "[novelizace]\n1=1.1.2001\n2=1.9.2006\n3=1.3.2012\n"
    "[1.1.2001]\ncastek_jednoduche=2\ncastek_s_procenty=1\n"
    "1_hranice=100\n2_hranice=200\n3_hranice=1000\n"
    "1_odmena=10\n2_odmena=20\n3_odmena=30\n3_procento=0,1\n4_odmena=100\n4_procento=0,01\n"
    "dve_osoby=0,2\nvice_osob=0,5\n"
    "vykon_rozhodnuti=50,0,0\nzastaveni_rizeni=50,0,0\nzastaveni_odvolaciho_rizeni=25,0,0\n"
    "jeden_pu=50,1000,0\nslozita_vec=300,0,3000\nrezijni_pausal=75\n"
    "[1.9.2006]\ncastek_jednoduche=1\ncastek_s_procenty=0\n1_hranice=1000000\n1_odmena=10000\n"
    "zastaveni_rizeni=50,0,0\nrezijni_pausal=300\n"
    "[1.3.2012]\n";
const char* kLumpSums = "[novelizace]\n1=1.1.2001\n2=1.9.2006\n";
const char* kItems =
    "[novelizace]\n1=1.1.2001\n2=1.9.2006\n3=1.3.2012\n"
    "[1]\n1.1.2001=5000\n"               // unchanged later: 5 000 throughout
    "[2]\n1.1.2001=4000\n1.9.2006=0\n"   // 0 in 2006 does not count: 4 000 in 2012
    "[3]\n1.9.2006=7000\n";              // nothing before 2006
const char* kVat = "[novelizace]\n1=1.1.1995\n[1.1.1995]\nzvysena=22\n";

Tables fixture() {
    Tables t;
    t.scale = IniFile::parse(kScale, "484.ini");
    t.lumpSums = IniFile::parse(kLumpSums, "rezijni_pausaly.ini");
    t.items = IniFile::parse(kItems, "naklady_specialni.ini");
    t.vat = IniFile::parse(kVat, "dph.ini");
    return t;
}

Date d(int y, unsigned m, unsigned day) { return makeDate(y, m, day); }

TNaklady_rizeni withActs(std::initializer_list<Date> dates) {
    TNaklady_rizeni r;
    for (Date a : dates) r.pravni_ukony.push_back({a, "úkon", 0});
    r.jeden_ukon = r.pravni_ukony.size() < 2;
    return r;
}

TEST(CostsScale, BandBordersBelongToTheLowerBand) {
    const IniFile scale = IniFile::parse(kScale, "484.ini");
    struct Case {
        double principal, fee;
    } cases[] = {
        {0, 0},          // no band covers 0
        {100, 10},       // a border belongs to the band below it
        {100.01, 20},
        {200, 20},
        {201, 30.1},     // 30 + 10 % of 1
        {1000, 110},
        {1001, 100.01},  // the top band, open upwards
        {101000, 1100},
    };
    for (const Case& c : cases) EXPECT_NEAR(scaleFee(scale, "1.1.2001", c.principal), c.fee, 1e-9) << c.principal;
    EXPECT_THROW(
        {
            try {
                scaleFee(scale, "1.3.2012", 5000);
            } catch (const DataError& e) {
                EXPECT_EQ(std::string(e.what()).rfind(std::string(kNotInTable), 0), 0u) << e.what();
                throw;
            }
        },
        DataError);
}

TEST(CostsAdjustment, TriplesCutFloorAndCap) {
    struct Case {
        const char* triple;
        double before, after;
    } cases[] = {
        {"100,0,0", 1234.5, 1234.5},  // no change
        {"50,0,0", 1000, 500},
        {"50,600,0", 1000, 600},       // floor after the percentage
        {"200,0,1500", 1000, 1500},    // ceiling
        {"100,2000,0", 1000, 2000},    // 100 % with a floor still applies the floor
        {" 25 , 0 , 0 ", 1000, 250},
    };
    for (const Case& c : cases) {
        TNaklady_rizeni r;
        r.odmena = c.before;
        Upravit_Odmenu(c.triple, r);
        EXPECT_DOUBLE_EQ(r.odmena, c.after) << c.triple;
    }
    TNaklady_rizeni r;
    r.odmena = 1000;
    Upravit_Odmenu("40,100,900", r);
    EXPECT_EQ(r.snizeni_procento, 40);
    EXPECT_EQ(r.snizeni_min, 100);
    EXPECT_EQ(r.snizeni_max, 900);

    try {
        Upravit_Odmenu(",,", r);
        ADD_FAILURE() << "a missing triple must stop the calculation";
    } catch (const DataError& e) {
        EXPECT_EQ(std::string(e.what()), kAdjustmentError);
    }
    for (const char* bad : {"", "50,0", "50,0,0,0", "a,0,0", "50,,0", "-50,0,0", "50.5,0,0"})
        EXPECT_THROW(Upravit_Odmenu(bad, r), DataError) << bad;
}

TEST(CostsRounding, WholeCrownsHalfToEvenThenUpToTens) {
    struct Case {
        double fee, rounded;
    } cases[] = {
        {1234.49, 1240}, {1230.4, 1230}, {1225.5, 1230},  // 1 225,5 → 1 226 → 1 230
        {1234.5, 1240},  {1235.5, 1240}, {1240, 1240}, {1220.5, 1220}, {0, 0}, {0.4, 0}, {0.6, 10},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(roundUpToTens(c.fee), c.rounded) << c.fee;
}

TEST(CostsSort, ByDateKeepingTheOrderOfOneDay) {
    TNaklady_rizeni r;
    r.pravni_ukony = {{d(2005, 3, 1), "c", 0}, {d(2005, 1, 1), "a", 0}, {d(2005, 3, 1), "d", 0}, {d(2005, 1, 1), "b", 0}};
    Seradit_Ukony(r);
    std::string order;
    for (const auto& a : r.pravni_ukony) order += a.popis;
    EXPECT_EQ(order, "abcd");
}

TEST(CostsMonetary, PersonsAndThreeAdjustmentsInOrderBeforeRounding) {
    // 1 001 Kč falls into the top band: 100,01 Kč before anything else.
    struct Case {
        int persons;
        bool enforcement, stopped, appealStopped;
        int acts;
        double fee;
    } cases[] = {
        {1, false, false, false, 2, 100},
        {0, false, false, false, 2, 100},
        {2, false, false, false, 2, 120},  // × 1,2 = 120,012
        {3, false, false, false, 2, 150},  // × 1,5, never both factors
        {1, true, true, false, 2, 30},     // × 0,5 × 0,5 = 25,0025 → 25 → 30: rounded once, at the end
        {1, false, false, true, 2, 30},    // § 14/1 at 25 %
        {1, false, true, true, 2, 50},     // § 13/1 and § 14/1 exclude each other
        {1, true, true, false, 1, 1000},   // § 18/1 comes last: its floor of 1 000 stands
        {2, true, false, false, 2, 60},    // persons before the cut: 120,012 × 0,5 = 60,006
    };
    for (const Case& c : cases) {
        TNaklady_rizeni r = c.acts == 1 ? withActs({d(2005, 1, 1)}) : withActs({d(2005, 1, 1), d(2005, 2, 1)});
        r.jistina = 1001;
        r.pocet_osob = c.persons;
        r.vykon_rozhodnuti = c.enforcement;
        r.zastaveni_rizeni = c.stopped;
        r.zastaveni_odvolaciho = c.appealStopped;
        Spocitat_Odmenu_484(r, fixture(), "1.1.2001");
        EXPECT_DOUBLE_EQ(r.odmena, c.fee) << c.persons << c.enforcement << c.stopped << c.appealStopped << c.acts;
    }
}

TEST(CostsMonetary, AFigureTheTableLacksStopsTheCalculation) {
    auto error = [](std::function<void(TNaklady_rizeni&)> set) {
        TNaklady_rizeni r = withActs({d(2007, 1, 1), d(2007, 2, 1)});
        r.jistina = 5000;
        set(r);
        try {
            Spocitat_Odmenu_484(r, fixture(), "1.9.2006");
        } catch (const DataError& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(error([](auto& r) { r.vykon_rozhodnuti = true; }).rfind(std::string(kAdjustmentError), 0), 0u);
    EXPECT_NE(error([](auto& r) { r.vykon_rozhodnuti = true; }).find("§ 12 odst. 1"), std::string::npos);
    EXPECT_EQ(error([](auto& r) { r.pocet_osob = 2; }).rfind(std::string(kNotInTable), 0), 0u);
    EXPECT_EQ(error([](auto&) {}), "no error");
}

TEST(CostsMonetary, LumpSumOfEachActsOwnDateAndVat) {
    // Out of order: the 2007 act gets 300 Kč, the 2005 act 75 Kč and comes first.
    TNaklady_rizeni r = withActs({d(2007, 5, 1), d(2005, 5, 1)});
    Seradit_Ukony(r);
    r.jistina = 0;  // principal 0: no fee, only the lump sums
    r.platce_dph = true;
    r.dph_sazba = 22;
    Spocitat_Odmenu_484(r, fixture(), "1.1.2001");
    EXPECT_EQ(r.odmena, 0);
    ASSERT_EQ(r.pravni_ukony.size(), 2u);
    EXPECT_EQ(r.pravni_ukony[0].rezijni_pausal, 75);
    EXPECT_EQ(r.pravni_ukony[1].rezijni_pausal, 300);
    EXPECT_EQ(r.rezijni_pausal, 75);
    EXPECT_EQ(r.rezijni_pausaly, 375);
    EXPECT_DOUBLE_EQ(r.dph_rp, 82.5);
    EXPECT_DOUBLE_EQ(r.celkem(), 457.5);

    // A lump sum the table lacks is said, not counted as 0.
    Tables t = fixture();
    t.scale = IniFile::parse(std::string(kScale).replace(std::string(kScale).find("rezijni_pausal=300"), 18, ""), "484.ini");
    EXPECT_THROW(Spocitat_Odmenu_484(r, t, "1.1.2001"), DataError);
}

TEST(CostsNonMonetary, ItemAmountFallsBackToTheLatestEarlierPositiveAmount) {
    struct Case {
        int item;
        const char* version;
        double fee;  // -1: not in the table
    } cases[] = {
        {1, "1.1.2001", 5000}, {1, "1.3.2012", 5000},  // left out later: the 2001 amount
        {2, "1.3.2012", 4000},                         // 0 in 2006 is skipped
        {2, "1.9.2006", 0},                            // an amount of 0 given for the version itself stands
        {3, "1.1.2001", -1},                           // nothing up to this version
        {3, "1.3.2012", 7000},
        {4, "1.3.2012", -1},                           // never listed
        {1, "15.5.2030", 5000},                        // a version not listed walks back from the last one
    };
    for (const Case& c : cases) {
        TNaklady_rizeni r = withActs({d(2005, 1, 1), d(2005, 2, 1)});
        r.polozka = c.item;
        if (c.fee < 0) {
            EXPECT_THROW(Spocitat_Odmenu_Specialni(r, fixture(), "1.1.2001", c.version), DataError) << c.item;
            continue;
        }
        Spocitat_Odmenu_Specialni(r, fixture(), "1.1.2001", c.version);
        EXPECT_DOUBLE_EQ(r.odmena, c.fee) << c.item << " " << c.version;
    }
}

TEST(CostsNonMonetary, AppealCutComplexCaseAndSingleActInThatOrder) {
    TNaklady_rizeni r = withActs({d(2005, 1, 1)});
    r.polozka = 1;                 // 5 000
    r.zastaveni_odvolaciho = true;  // 25 % → 1 250
    r.slozita_vec = true;           // 300 %, at most 3 000 → 3 000
    Spocitat_Odmenu_Specialni(r, fixture(), "1.1.2001", "1.1.2001");
    EXPECT_DOUBLE_EQ(r.odmena, 1500);   // 50 %, at least 1 000 (any other order gives 1 000)
    EXPECT_EQ(r.snizeni_procento, 50);  // the last adjustment applied
}

}  // namespace
}  // namespace verdika::costs
