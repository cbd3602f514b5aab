#include "fees/insolvency_fee.h"

#include <gtest/gtest.h>

#include "common/errors.h"
#include "test_support.h"

namespace verdika::fees {
namespace {

const char* kTable =
    "[novelizace]\n1=31.12.2012\n2=1.1.2014\n"
    "[zneni]\n1.1.2014=ve znění vyhlášky č. 398/2013 Sb.\n"
    "[1.1.2014-konkurs]\nz_pocet=2\nz_1_hranice=1000000\nz_1_odmena=0\nz_1_procento=0,09\n"
    "z_2_hranice=10000000\nz_2_odmena=90000\nz_2_procento=0,04\n"
    "n_pocet=2\nn_1_hranice=1000000\nn_1_odmena=0\nn_1_procento=0,25\nn_2_odmena=250000\nn_2_procento=0,1\n"
    "minimum=45000\n"
    "[1.1.2014-reorganizace]\npocet=2\n1_hranice=240000000\n1_odmena=83000\n2_odmena=166000\n"
    "[1.1.2014-oddluzeni]\nmesicne=750\nmesicne_pred_schvalenim=1650\n"
    "[31.12.2012-konkurs]\n[31.12.2012-reorganizace]\n";

InsolvencyResult run(const IniFile& t, double z, double n, const char* version = "1.1.2014") {
    InsolvencyInput in;
    in.version = version;
    in.secured = z;
    in.unsecured = n;
    return computeInsolvency(t, in);
}

TEST(InsolvencyFee, ExclusiveBordersOpenBandAndRange) {
    const auto t = IniFile::parse(kTable, "insolvence.ini");
    struct Case {
        double z, secured;
        bool outOfRange;
    } cases[] = {
        {999999, 89999.91, false},
        {1000000, 90000, false},     // the border belongs to the next band
        {2500000, 150000, false},
        {10000000, 0, true},         // above the last border: no band covers it
    };
    for (const auto& c : cases) {
        const auto r = run(t, c.z, 0);
        EXPECT_NEAR(r.secured.fee, c.secured, 1e-6) << c.z;
        EXPECT_EQ(r.secured.outOfRange, c.outOfRange) << c.z;
    }
    // A band without a border is open-ended.
    EXPECT_DOUBLE_EQ(run(t, 0, 500000000).unsecured.fee, 250000 + 499000000 * 0.1);
}

TEST(InsolvencyFee, MinimumOnlyWhenSomethingWasSold) {
    const auto t = IniFile::parse(kTable, "insolvence.ini");
    auto r = run(t, 0, 100000);
    EXPECT_DOUBLE_EQ(r.unsecured.fee, 25000);  // the part line keeps the part
    EXPECT_DOUBLE_EQ(r.bankruptcyTotal, 45000);
    EXPECT_DOUBLE_EQ(run(t, 0, 0).bankruptcyTotal, 0);
    EXPECT_DOUBLE_EQ(run(t, 2500000, 0).bankruptcyTotal, 150000);
}

TEST(InsolvencyFee, DebtReliefRatesBeforeAndAfterApproval) {
    const auto t = IniFile::parse(kTable, "insolvence.ini");
    InsolvencyInput in;
    in.version = "1.1.2014";
    in.reliefMonths = 60;
    in.reliefMonthsBeforeApproval = 4;
    auto r = computeInsolvency(t, in);
    EXPECT_DOUBLE_EQ(r.relief, 4 * 1650 + 56 * 750);
    in.reliefMonthsBeforeApproval = 80;  // never more than all months
    EXPECT_DOUBLE_EQ(computeInsolvency(t, in).relief, 60 * 1650);
    in.version = "31.12.2012";  // no rate in the table: 750 a month
    EXPECT_DOUBLE_EQ(computeInsolvency(t, in).relief, 45000);
    EXPECT_TRUE(hasReliefRateBeforeApproval(t, "1.1.2014"));
    EXPECT_FALSE(hasReliefRateBeforeApproval(t, "31.12.2012"));
}

TEST(InsolvencyFee, ReorganisationAndMemoLines) {
    const auto t = IniFile::parse(kTable, "insolvence.ini");
    InsolvencyInput in;
    in.version = "1.1.2014";
    in.secured = 2500000;
    in.unsecured = 3000000;  // in the open band
    in.reliefMonths = 10;
    in.reliefMonthsBeforeApproval = 2;
    in.turnover = 0;  // Y = 0 takes the first band
    in.reorganisationMonths = 12;
    auto r = computeInsolvency(t, in);
    EXPECT_DOUBLE_EQ(r.reorganisationMonthly, 83000);
    in.turnover = 20000000;  // 12 × = 240 000 000, exactly on the border: the next band
    r = computeInsolvency(t, in);
    EXPECT_DOUBLE_EQ(r.reorganisationMonthly, 166000);
    const std::vector<std::string> bankruptcy = {
        "Odměna insolvenčního správce, způsobem řešení je konkurz",
        "",
        "Pokud je řešením konkurs:",
        "Odměna - zajištění věřitelé: 150.000,00 Kč",
        "Odměna - nezajištění věřitelé: 450.000,00 Kč",
        "Odměna celkem: 600.000,00 Kč",
        "",
        "Pokud je řešením oddlužení plnění splátkového kalendáře",
        "Odměna za kalendářní měsíce: 9.300,00 Kč",
        "z toho do schválení oddlužení 2 × 1.650,00 Kč, po schválení 8 × 750,00 Kč",
    };
    EXPECT_EQ(bankruptcyMemoLines(in, r), bankruptcy);
    const std::vector<std::string> reorganisation = {
        "Způsobem řešení úpadku je reorganizace",
        "",
        "Průměrný měsíční obrat: 20.000.000,00 Kč",
        "Dvanáctinásobek měsíčního obratu: 240.000.000,00 Kč",
        "Odměna měsíčně: 166.000,00 Kč",
        "Odměna insolvenčního správce celkem: 1.992.000,00 Kč",
    };
    EXPECT_EQ(reorganisationMemoLines(in, r), reorganisation);

    in.secured = 20000000;  // out of the fixture's range: said so, no total
    r = computeInsolvency(t, in);
    const auto lines = bankruptcyMemoLines(in, r);
    EXPECT_EQ(lines[3], "Odměna - zajištění věřitelé: částka je mimo rozsah tabulky programu, určete ji podle vyhlášky");
    EXPECT_EQ(lines[5], "Odměna celkem: nelze určit, část odměny je mimo rozsah tabulky");
}

TEST(InsolvencyFee, VersionsLabelsCaptionAndMissingSections) {
    const auto t = IniFile::load(test::shippedDir() / "insolvence.ini");
    const auto v = insolvencyVersions(t);
    ASSERT_EQ(v.size(), 5u);
    const char* labels[] = {"do 31.12.2012", "od 1.1.2013 do 31.12.2013", "od 1.1.2014 do 31.5.2019",
                            "od 1.6.2019 do 30.9.2024", "od 1.10.2024"};
    for (size_t i = 0; i < v.size(); ++i) EXPECT_EQ(v[i].label, labels[i]);
    EXPECT_EQ(insolvencyVersionOn(v, parseDate("10.12.2026")), 4);
    EXPECT_EQ(insolvencyVersionOn(v, parseDate("31.5.2019")), 2);
    EXPECT_EQ(insolvencyVersionOn(v, parseDate("1.1.2010")), 0);
    EXPECT_EQ(insolvencyCaption(t, "1.10.2024"), "Dle vyhlášky č. 313/2007 Sb. ve znění vyhlášky č. 253/2024 Sb.");
    EXPECT_EQ(insolvencyVersions(IniFile::parse("")).size(), 3u);

    InsolvencyInput in;
    in.version = "1.1.2099";
    EXPECT_THROW(computeInsolvency(t, in), DataError);
    EXPECT_THROW(computeInsolvency(IniFile::load(test::shippedDir() / "chybi.ini"), in), DataError);
}

// The administrator's fee for the same case in every version of the table.
TEST(InsolvencyFee, ShippedTable) {
    const auto t = IniFile::load(test::shippedDir() / "insolvence.ini");
    struct Case {
        const char* version;
        double secured, total, relief;
    } cases[] = {
        {"31.12.2012", 50000, 450000, 45000}, {"1.1.2013", 150000, 550000, 45000},
        {"1.1.2014", 150000, 550000, 45000},  {"1.6.2019", 150000, 550000, 45000},
        {"1.10.2024", 150000, 550000, 48600},
    };
    for (const auto& c : cases) {
        InsolvencyInput in{c.version, 2500000, 3000000, 60, 4, 30000000, 12};
        const auto r = computeInsolvency(t, in);
        EXPECT_DOUBLE_EQ(r.secured.fee, c.secured) << c.version;
        EXPECT_DOUBLE_EQ(r.unsecured.fee, 400000) << c.version;
        EXPECT_DOUBLE_EQ(r.bankruptcyTotal, c.total) << c.version;
        EXPECT_DOUBLE_EQ(r.relief, c.relief) << c.version;
        EXPECT_DOUBLE_EQ(r.reorganisation, 1992000) << c.version;
    }
    struct Other {
        const char* version;
        double z, n, total;
    } others[] = {
        {"1.1.2013", 0, 100000, 25000},  {"1.1.2014", 0, 100000, 45000},
        {"1.10.2024", 600000000, 0, 11650000}, {"31.12.2012", 600000000, 0, 12000000},
        {"1.1.2014", 1000000, 0, 90000},
    };
    for (const auto& o : others) {
        InsolvencyInput in{o.version, o.z, o.n, 0, 0, 0, 0};
        EXPECT_DOUBLE_EQ(computeInsolvency(t, in).bankruptcyTotal, o.total) << o.version << " " << o.z;
    }
    InsolvencyInput big{"1.10.2024", 0, 150000000, 0, 0, 100000000, 1};
    const auto r = computeInsolvency(t, big);
    EXPECT_TRUE(r.unsecured.outOfRange);  // the table stops at 100 000 000 Kč
    EXPECT_DOUBLE_EQ(r.reorganisationMonthly, 415000);
}

}  // namespace
}  // namespace verdika::fees
