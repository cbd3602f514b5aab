#include "calculators/wage_deduction.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/numbers.h"
#include "test_support.h"

namespace verdika::wage {
namespace {

const IniFile& shipped() {
    static const IniFile t = IniFile::load(test::shippedDir() / kTable);
    return t;
}

Input input(int month, int year, double net, int dependants = 0, bool spouse = false, Claim claim = Claim::Ordinary) {
    Input in;
    in.wageMonth = month;
    in.wageYear = year;
    in.payment = month >= 1 && month <= 12 ? defaultPaymentDate(year, month) : makeDate(year, 1, 1);
    in.netWage = net;
    in.dependants = dependants;
    in.spouse = spouse;
    in.claim = claim;
    return in;
}

Input paid(Input in, Date d) {
    in.payment = d;
    return in;
}

bool hasNote(const Result& r, const std::string& part) {
    return std::any_of(r.notes.begin(), r.notes.end(), [&](const std::string& n) { return n.find(part) != n.npos; });
}

// The published figures of every period, as the sheets and the payroll press
// print them (N and V to hellers, T whole).
TEST(WageDeductionTable, FiguresOfEveryPeriod) {
    struct Case {
        int month, year;
        double n, v, t, maxThird;
    } cases[] = {
        {6, 2007, 3856.67, 964.17, 5785, 1928},   {6, 2009, 4620, 1155, 6930, 2310},
        {6, 2010, 5148.67, 1287.17, 7723, 2574},  {6, 2011, 5326, 1331.5, 7989, 2663},
        {6, 2012, 5841.33, 1460.33, 8762, 2920},  {6, 2013, 6064.67, 1516.17, 9097, 3032},
        {6, 2014, 6188.67, 1547.17, 9283, 3094},  {6, 2015, 6118, 1529.5, 9177, 3059},
        {6, 2016, 6178.67, 1544.67, 9268, 3089},  {6, 2017, 6154.67, 1538.67, 9232, 3077},
        {6, 2018, 6225.33, 1556.33, 9338, 3112},  {5, 2019, 6428.67, 1607.17, 9643, 3214},
        {6, 2019, 6428.67, 1607.17, 19286, 6428}, {3, 2020, 6608, 1652, 19824, 6608},
        {4, 2020, 6908, 1727, 20724, 6908},       {7, 2020, 7771.5, 2590.5, 20724, 6908},
        {6, 2021, 7872.75, 2624.25, 20994, 6998}, {1, 2022, 8846.25, 2948.75, 23590, 7863},
        {4, 2022, 9138.75, 3046.25, 24370, 8123}, {7, 2022, 9416.25, 3138.75, 25110, 8370},
        {12, 2022, 9416.25, 3138.75, 25110, 8370}, {6, 2023, 13638, 3409.5, 30686, 10228},
        {6, 2024, 12704.67, 3176.17, 28586, 9528}, {6, 2025, 13026.67, 3256.67, 29310, 9770},
        {6, 2026, 14101.5, 3525.38, 31521, 10507},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.month) + "/" + std::to_string(c.year));
        const Result r = compute(shipped(), input(c.month, c.year, 1e6));
        EXPECT_EQ(roundHalfEven(r.debtorAmount, 2), c.n);
        EXPECT_EQ(roundHalfEven(r.dependantAmount, 2), c.v);
        EXPECT_EQ(r.threshold, c.t);
        EXPECT_EQ(r.third, c.maxThird);
    }
}

// The worked examples of the sources and our own cases on the table's figures.
TEST(WageDeduction, Cases) {
    struct Case {
        const char* what;
        Input in;
        double z, rest, above, third, deduction, paid, fee;
    };
    auto four = [](Input in) {
        in.fourOrMoreExecutions = true;
        return in;
    };
    auto relief = [](Input in) {
        in.insolvency = true;
        return in;
    };
    const Case cases[] = {
        {"2016, insurance claim", input(6, 2016, 12000, 0, false, Claim::Preferential), 6179, 5821, 0, 1940, 3880,
         8120, 0},
        // Spouse and two children; the first-marriage child whose maintenance is enforced is not counted.
        {"1-5/2019, maintenance", input(3, 2019, 25000, 2, true, Claim::Maintenance), 11251, 13749, 4106, 3214,
         10534, 14466, 0},
        {"6-12/2019, twice the threshold", input(7, 2019, 25000, 2, true, Claim::Maintenance), 11251, 13749, 0, 4583,
         9166, 15834, 0},
        {"4-6/2020", input(5, 2020, 15000), 6908, 8092, 0, 2697, 2697, 12303, 0},
        {"7-12/2020, three quarters", input(9, 2020, 15000), 7772, 7228, 0, 2409, 2409, 12591, 0},
        {"2021", input(6, 2021, 20000, 2, false, Claim::Preferential), 13122, 6878, 0, 2292, 4584, 15416, 0},
        {"1-3/2022, with the housing supplement", input(2, 2022, 39000, 2, true, Claim::Preferential), 17693, 21307,
         0, 7102, 14204, 24796, 50},
        {"7-9/2022", input(8, 2022, 30000, 1), 12555, 17445, 0, 5815, 5815, 24185, 50},
        {"10-12/2022 unchanged", input(11, 2022, 30000, 1), 12555, 17445, 0, 5815, 5815, 24185, 50},
        {"2023", input(6, 2023, 40000), 13638, 26362, 0, 8787, 8787, 31213, 50},
        {"2024, spouse counts", input(5, 2024, 25000, 1, true), 19057, 5943, 0, 1981, 1981, 23019, 50},
        {"2024 above the threshold", input(6, 2024, 50000), 12705, 37295, 8709, 9528, 18237, 31763, 50},
        {"9/2024, four executions not yet", four(input(9, 2024, 30000)), 12705, 17295, 0, 5765, 5765, 24235, 50},
        {"10/2024, four executions", four(input(10, 2024, 30000)), 12705, 17295, 0, 5765, 11530, 18470, 50},
        {"2025 without the spouse", input(3, 2025, 25000, 1), 16284, 8716, 0, 2905, 2905, 22095, 50},
        {"2025 with the spouse (pension)", input(3, 2025, 25000, 1, true), 19540, 5460, 0, 1820, 1820, 23180, 50},
        {"2025 preferential above the threshold", input(3, 2025, 50000, 1, false, Claim::Preferential), 16284, 33716,
         4406, 9770, 23946, 26054, 50},
        {"2026", input(3, 2026, 15000), 14102, 898, 0, 299, 299, 14701, 50},
        {"12/2025 paid in 2026", input(12, 2025, 30000), 14102, 15898, 0, 5299, 5299, 24701, 50},
        {"2026 maintenance", input(3, 2026, 30000, 1, false, Claim::Maintenance), 17627, 12373, 0, 4124, 8248, 21752,
         50},
        {"2026 above the threshold", input(3, 2026, 60000), 14102, 45898, 14377, 10507, 24884, 35116, 50},
        {"2026 preferential above", input(3, 2026, 60000, 2, false, Claim::Preferential), 21153, 38847, 7326, 10507,
         28340, 31660, 50},
        {"2026, total rounded once", input(3, 2026, 40000, 4, false, Claim::Preferential), 28203, 11797, 0, 3932,
         7864, 32136, 50},
        {"2026 debt relief: two thirds, no fee", relief(input(3, 2026, 40000, 4)), 28203, 11797, 0, 3932, 7864,
         32136, 0},
        {"wage below the non-seizable amount", input(3, 2026, 10000, 0, false, Claim::Preferential), 14102, 0, 0, 0,
         0, 10000, 0},
        {"fee at most a third of the deduction", input(3, 2026, 14112), 14102, 10, 0, 3, 3, 14109, 1},
        {"hellers: dropped below, kept above", input(3, 2026, 60000.4), 14102, 45898.4, 14377.4, 10507, 24884.4,
         35116, 50},
        {"hellers under the threshold", input(3, 2026, 30000.55), 14102, 15898.55, 0, 5299, 5299, 24701.55, 50},
        {"December 2024 paid in 2025", paid(input(12, 2024, 25000, 1), makeDate(2025, 1, 10)), 16284, 8716, 0, 2905,
         2905, 22095, 50},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Result r = compute(shipped(), c.in);
        EXPECT_EQ(r.nonSeizable, c.z);
        EXPECT_DOUBLE_EQ(r.remainder, c.rest);
        EXPECT_DOUBLE_EQ(r.aboveThreshold, c.above);
        EXPECT_EQ(r.third, c.third);
        EXPECT_DOUBLE_EQ(r.deduction, c.deduction);
        EXPECT_DOUBLE_EQ(r.paidToDebtor, c.paid);
        EXPECT_EQ(r.employerFee, c.fee);
        EXPECT_DOUBLE_EQ(r.toCreditors, c.deduction - c.fee);
    }
}

TEST(WageDeduction, PeriodChoiceAndNotes) {
    // Until 2024 the wage period decides, whatever the payment date.
    Input in = input(12, 2021, 20000);
    in.payment = makeDate(2022, 1, 14);
    Result r = compute(shipped(), in);
    EXPECT_EQ(r.period.name, "1.1.2021");
    EXPECT_EQ(r.decisive, makeDate(2021, 12, 31));

    // From 2025 the year of payment does; a pre-2025 wage paid then is flagged.
    in = input(12, 2024, 20000);
    in.payment = makeDate(2025, 1, 10);
    r = compute(shipped(), in);
    EXPECT_EQ(r.period.name, "1.1.2025");
    EXPECT_TRUE(hasNote(r, "přechodné ustanovení"));
    in.payment = makeDate(2024, 12, 31);
    EXPECT_EQ(compute(shipped(), in).period.name, "1.10.2024");

    // The disputed January–March 2022 figures say which reading they follow.
    r = compute(shipped(), input(1, 2022, 30000));
    EXPECT_TRUE(r.period.unconfirmed);
    EXPECT_TRUE(hasNote(r, "8.006,25 Kč"));
    EXPECT_TRUE(hasNote(r, "nejsou ověřeny"));

    // The threshold rounding is mentioned only when the remainder reaches it.
    EXPECT_FALSE(hasNote(compute(shipped(), input(6, 2024, 30000)), "zaokrouhlena"));
    EXPECT_TRUE(hasNote(compute(shipped(), input(6, 2024, 50000)), "28.585,50 Kč je zaokrouhlena"));

    // Four executions before the rule existed change nothing and say so.
    Input early = input(3, 2023, 30000);
    early.fourOrMoreExecutions = true;
    r = compute(shipped(), early);
    EXPECT_EQ(r.thirdsTaken, 1);
    EXPECT_TRUE(hasNote(r, "nevztahuje"));

    EXPECT_TRUE(hasNote(compute(shipped(), input(3, 2026, 30000, 0, true)), "důchod"));
    EXPECT_TRUE(hasNote(compute(shipped(), input(3, 2026, 30000, 0, false, Claim::Maintenance)), "nezapočítává"));
}

TEST(WageDeduction, RefusesWhatItCannotCompute) {
    struct Case {
        const char* what;
        Input in;
        const char* message;
    };
    const Case cases[] = {
        {"before the table", input(12, 2006, 20000), "od mzdového období 1/2007"},
        {"2008 has no housing amount", input(5, 2008, 20000), "pro rok 2008"},
        {"payment after the table", input(12, 2026, 20000), "nejpozději 31.12.2026"},
        {"paid in 2027", paid(input(6, 2026, 20000), makeDate(2027, 1, 5)), "5.1.2027"},
        {"paid before the period", paid(input(6, 2024, 20000), makeDate(2024, 5, 31)), "předchází"},
        {"negative wage", input(6, 2024, -1), "nezáporná"},
        {"too many dependants", input(6, 2024, 20000, 100), "0 až 99"},
        {"month 13", input(13, 2024, 20000), "měsíc a rok"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            compute(shipped(), c.in);
            ADD_FAILURE() << "computed";
        } catch (const WageError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
    }
}

TEST(WageDeduction, BrokenTablesAreNamed) {
    const std::string good =
        "[novelizace]\n1=1.1.2026\n[platnost]\ndo=31.12.2026\n[1.1.2026]\nzivotni_minimum=4860\nbydleni=11730\n"
        "podil_povinny=0,85\npodil_vyzivovana=1/4\nnasobek_hranice=1,9\nrozhoduje=vyplata\nmanzel=duchod\n"
        "nahrada_platce=50\nctyri_exekuce=1\n";
    EXPECT_EQ(compute(IniFile::parse(good, "srazky.ini"), input(3, 2026, 30000)).deduction, 5299);
    struct Case {
        std::string from, to, message;
    } cases[] = {
        {"podil_povinny=0,85", "podil_povinny=abc", "podil_povinny=„abc“"},
        {"podil_povinny=0,85", "podil_povinny=3/2", "podil_povinny=„3/2“"},
        {"nasobek_hranice=1,9", "nasobek_hranice=99999999999999999999", "nasobek_hranice"},  // past 64 bits
        {"podil_vyzivovana=1/4", "podil_vyzivovana=1/0", "podil_vyzivovana"},
        {"rozhoduje=vyplata", "rozhoduje=", "rozhoduje"},
        {"bydleni=11730", "bydleni=11.730", "bydleni"},
        {"[platnost]\ndo=31.12.2026\n", "", "[platnost]"},
        {"1=1.1.2026", "1=1.13.2026", "neplatné datum"},
    };
    for (const auto& c : cases) {
        std::string text = good;
        text.replace(text.find(c.from), c.from.size(), c.to);
        try {
            compute(IniFile::parse(text, "srazky.ini"), input(3, 2026, 30000));
            ADD_FAILURE() << c.to;
        } catch (const DataError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
    }
    EXPECT_THROW(compute(IniFile::load(test::shippedDir() / "chybi.ini"), input(3, 2026, 1)), DataError);
}

TEST(WageDeduction, SummaryLines) {
    const Input in = input(3, 2026, 35000, 1, true, Claim::Maintenance);
    const auto lines = summaryLines(in, compute(shipped(), in));
    auto has = [&](const std::string& l) { return std::find(lines.begin(), lines.end(), l) != lines.end(); };
    EXPECT_TRUE(has("Mzda za období 3/2026, výplata dne 15.4.2026"));
    EXPECT_TRUE(has("Nezabavitelná částka na povinného: 14.101,50 Kč (0,85 součtu)"));
    EXPECT_TRUE(has("Nezabavitelná částka na vyživovanou osobu: 3.525,38 Kč (1/4 částky na povinného)"));
    EXPECT_TRUE(has("Vyživované osoby: 2 (včetně manžela/manželky)"));
    EXPECT_TRUE(has("Nezabavitelná částka celkem: 21.153,00 Kč"));
    EXPECT_TRUE(has("Druh pohledávky: přednostní – výživné"));
    EXPECT_TRUE(has("Srážka celkem: 9.230,00 Kč"));
    EXPECT_TRUE(has("Povinnému se vyplatí: 25.770,00 Kč"));
    EXPECT_TRUE(has("Paušální náhrada plátce mzdy (ze srážky): 50,00 Kč"));
    EXPECT_TRUE(has("Věřitelům připadne: 9.180,00 Kč"));
}

TEST(WageDeduction, WagePeriodText) {
    EXPECT_EQ(parseWagePeriod("3/2026"), (std::pair{3, 2026}));
    EXPECT_EQ(parseWagePeriod(" 03/2026 "), (std::pair{3, 2026}));
    for (const char* bad : {"", "3.2026", "13/2026", "0/2026", "3/26", "3/2026/1", "x/2026"})
        EXPECT_FALSE(parseWagePeriod(bad)) << bad;
    EXPECT_EQ(defaultPaymentDate(2025, 12), makeDate(2026, 1, 15));
    EXPECT_EQ(defaultPaymentDate(2026, 3), makeDate(2026, 4, 15));
}

}  // namespace
}  // namespace verdika::wage
