#include "tariff/tariff.h"

#include <gtest/gtest.h>

#include "common/errors.h"
#include "tariff/lists.h"

namespace verdika::tariff {
namespace {

// A small scale in the layout of za_ukon.ini: the 2006 bands (the figures the
// decree has had since 1.9.2006) in two versions, the second with a § 14b
// lump sum; the 2006 version has no "rezijni_pausal_formularova", so the
// default of 100 Kč applies there.
const char* kScale =
    "[novelizace]\n1=1.9.2006\n2=1.1.2013\n"
    "[1.9.2006]\ncastek_jednoduche=4\ncastek_s_procenty=2\n"
    "0_hranice=0\n1_hranice=500\n2_hranice=1000\n3_hranice=5000\n4_hranice=10000\n5_hranice=200000\n"
    "6_hranice=10000000\n1_odmena=300\n2_odmena=500\n3_odmena=1000\n4_odmena=1500\n"
    "5_odmena=1500\n5_korun=40\n5_zapocatych=1000\n6_odmena=9100\n6_korun=40\n6_zapocatych=10000\n"
    "7_odmena=48300\n7_korun=40\n7_zapocatych=100000\nrezijni_pausal=300\n"
    "[1.1.2013]\ncastek_jednoduche=4\ncastek_s_procenty=2\n"
    "0_hranice=0\n1_hranice=500\n2_hranice=1000\n3_hranice=5000\n4_hranice=10000\n5_hranice=200000\n"
    "6_hranice=10000000\n1_odmena=300\n2_odmena=500\n3_odmena=1000\n4_odmena=1500\n"
    "5_odmena=1500\n5_korun=40\n5_zapocatych=1000\n6_odmena=9100\n6_korun=40\n6_zapocatych=10000\n"
    "7_odmena=48300\n7_korun=40\n7_zapocatych=100000\nrezijni_pausal=300\nrezijni_pausal_formularova=150\n";

// Reduction fractions: none before 2011, 0.3 in 2011–2012, 0.2 from 2013.
// Kind 8 has a fixed value from 2006; kind 12 is a note.
const char* kSpecial =
    "[novelizace]\n1=1.9.2006\n2=1.1.2011\n3=1.1.2013\n"
    "[0]\n1.9.2006=0,0\n1.1.2011=0,0.3\n1.1.2013=0,0.2\n"
    "[8]\n1.9.2006=10000,0.1\n1.1.2013=35000,0.2\n"
    "[12]\n1.9.2006=Hodnotu zadejte ručně.\n";

const char* kVat = "[novelizace]\n1=1.5.2004\n2=1.1.2010\n3=1.1.2013\n"
                   "[1.5.2004]\nzvysena=19\n[1.1.2010]\nzvysena=20\n[1.1.2013]\nzvysena=21\n";

Tables fixtureTables() { return {IniFile::parse(kScale), IniFile::parse(kSpecial), IniFile::parse(kVat)}; }

TariffForm oneAct(const std::string& value, const std::string& date, const std::string& description = "úkon",
                   const std::string& kind = "úkon") {
    TariffForm in;
    in.tariffValue = value;
    in.kind = 0;
    in.acts = {{date, description, kind}};
    return in;
}

double feeOf(const TariffForm& in) { return Vypocitat(in, fixtureTables()).calc.acts.at(0).fee; }

TEST(TariffScale, BandLimitsAndStartedSteps) {
    struct Case {
        const char* value;
        double fee;
    } cases[] = {
        {"0", 0},             // no band covers 0
        {"500", 300},         // the upper limit belongs to the band
        {"500,01", 500},
        {"1000", 500},
        {"1001", 1000},
        {"10000", 1500},
        {"10001", 1540},      // one started step of 1 000 Kč
        {"10000,5", 1540},    // halers over the limit start a step too
        {"11000", 1540},
        {"11000,01", 1580},
        {"200000", 9100},     // 1 500 + 190 × 40
        {"200001", 9140},
        {"10000000", 48300},  // 9 100 + 980 × 40
        {"10000001", 48340},
        {"10250000", 48420},  // 48 300 + 3 × 40 (2,5 started steps of 100 000 Kč)
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(feeOf(oneAct(c.value, "15.6.2020")), c.fee) << c.value;
}

TEST(TariffScale, ZeroStepIsAClearErrorNamingTableAndBand) {
    Tables t = fixtureTables();
    t.scale = IniFile::parse(std::string(kScale).replace(std::string(kScale).find("5_zapocatych=1000"), 17,
                                                         "5_zapocatych=0"),
                             "za_ukon.ini");
    try {
        Vypocitat(oneAct("15000", "15.6.2010"), t);
        FAIL();
    } catch (const DataError& e) {
        const std::string m = e.what();
        EXPECT_NE(m.find("za_ukon.ini"), std::string::npos) << m;
        EXPECT_NE(m.find("pásmo 5"), std::string::npos) << m;
        EXPECT_NE(m.find("[1.9.2006]"), std::string::npos) << m;
    }
    // A band that is not used does not matter.
    EXPECT_DOUBLE_EQ(Vypocitat(oneAct("5000", "15.6.2010"), t).calc.acts[0].fee, 1000);
}

TEST(Tariff14b, BandsLimitAndDefaultLumpSum) {
    struct Case {
        const char* value;
        const char* act;
        const char* date;
        double fee, lumpSum;
    } cases[] = {
        {"10000", "převzetí a příprava zastoupení", "1.8.2014", 200, 150},  // "do 10 000 Kč"
        {"10000,01", "převzetí a příprava zastoupení", "1.8.2014", 300, 150},
        {"30000", "návrh na zahájení řízení (§ 14b)", "1.8.2014", 300, 150},  // "přes 10 000 do 30 000 Kč"
        {"30001", "výzva k plnění se základním skutkovým a právním rozborem předcházející návrhu ve věci samé",
         "1.8.2014", 500, 150},
        {"50000", "jednoduchá výzva k plnění", "1.8.2014", 100, 150},
        {"50000,01", "převzetí a příprava zastoupení", "1.8.2014", 3140, 300},  // over 50 000: the scale
        {"20000", "odvolání", "1.8.2014", 1900, 300},                           // not a § 14b act
        // a version without the § 14b lump sum key: 100 Kč
        {"20000", "jednoduchá výzva k plnění", "1.8.2012", 100, 100},
    };
    for (const auto& c : cases) {
        TariffForm in = oneAct(c.value, c.date, c.act);
        in.par14b = true;
        const auto r = Vypocitat(in, fixtureTables());
        EXPECT_DOUBLE_EQ(r.calc.acts[0].fee, c.fee) << c.value << " " << c.act;
        EXPECT_DOUBLE_EQ(r.calc.acts[0].lumpSum, c.lumpSum) << c.value << " " << c.act;
    }
}

TEST(Tariff14b, FeesTogetherNeverExceedTheTariffBaseAndHalfActsStayWhole) {
    TariffForm in;
    in.tariffValue = "600";
    in.kind = 0;
    in.par14b = true;
    in.acts = {{"1.8.2014", "převzetí a příprava zastoupení", "úkon"},
               {"2.8.2014", "návrh na zahájení řízení (§ 14b)", "úkon"},
               {"3.8.2014", "jednoduchá výzva k plnění", "půl-úkon"},
               {"4.8.2014", "výzva k plnění se základním skutkovým a právním rozborem předcházející návrhu ve věci samé",
                "úkon"},
               {"5.8.2014", "převzetí a příprava zastoupení", "úkon"}};
    const auto r = Vypocitat(in, fixtureTables());
    const double expected[] = {200, 200, 100, 100, 0};
    for (size_t i = 0; i < 5; ++i) EXPECT_DOUBLE_EQ(r.calc.acts[i].fee, expected[i]) << i;
    EXPECT_DOUBLE_EQ(r.calc.feeTotal, 600);
    EXPECT_DOUBLE_EQ(r.calc.sum14b, 600);
    EXPECT_EQ(r.calc.halfActs, 1);
}

TEST(Tariff14b, ClaimFiledBeforeJuly2014SwitchesItOffForEveryAct) {
    TariffForm in;
    in.tariffValue = "20000";
    in.kind = 0;
    in.par14b = true;
    in.acts = {{"1.8.2014", "převzetí a příprava zastoupení", "úkon"},
               {"30.6.2014", "návrh na zahájení řízení (§ 14b)", "úkon"}};
    const auto r = Vypocitat(in, fixtureTables());
    EXPECT_TRUE(r.par14bRemoved);
    EXPECT_FALSE(r.calc.par14b);
    EXPECT_DOUBLE_EQ(r.calc.acts[0].fee, 1900);  // scale, 1 500 + 10 × 40
    EXPECT_DOUBLE_EQ(r.calc.acts[1].fee, 1900);

    in.acts[1].date = "1.7.2014";
    const auto kept = Vypocitat(in, fixtureTables());
    EXPECT_FALSE(kept.par14bRemoved);
    EXPECT_DOUBLE_EQ(kept.calc.feeTotal, 600);
}

TEST(TariffModifiers, PersonsExtraordinaryPercentageAndHalfActs) {
    struct Case {
        int persons;
        Scaling scaling;
        bool percentageOn;
        double percentage;
        const char* kind;
        double fee;
    } cases[] = {
        {1, Scaling::None, false, 0, "úkon", 9100},
        {0, Scaling::None, false, 0, "úkon", 9100},  // 0 and 1 persons: no change
        {2, Scaling::None, false, 0, "úkon", 9100 * 1.6},
        {3, Scaling::None, false, 0, "úkon", 9100 * 2.4},
        {1, Scaling::Halve, false, 0, "úkon", 4550},
        {1, Scaling::Triple, false, 0, "úkon", 27300},
        {1, Scaling::None, true, -10, "úkon", 8190},
        {1, Scaling::None, true, 0, "úkon", 9100},
        {1, Scaling::None, true, 25, "úkon", 11375},
        {1, Scaling::None, false, 0, "půl-úkon", 4550},
        {2, Scaling::Halve, true, 10, "půl-úkon", 9100 * 1.6 / 2 * 1.1 / 2},  // all in order
    };
    for (const auto& c : cases) {
        TariffForm in = oneAct("200000", "15.6.2020", "úkon", c.kind);
        in.persons = c.persons;
        in.scaling = c.scaling;
        if (c.percentageOn) setPercentage(in, c.percentage);
        const auto r = Vypocitat(in, fixtureTables());
        EXPECT_NEAR(r.calc.acts[0].fee, c.fee, 1e-9)
            << c.persons << " " << static_cast<int>(c.scaling) << " " << c.percentage;
        EXPECT_DOUBLE_EQ(r.calc.acts[0].lumpSum, 300);  // the lump sum is never scaled
    }
}

TEST(TariffSpecial, ReductionsAroundTheDatesOf2011And2013) {
    constexpr auto exOffo = Appointment::ExOfficioDefence, representative = Appointment::Representative,
                   guardian = Appointment::ChildsGuardian;
    struct Case {
        Appointment special;
        const char* value;
        const char* date;
        double fee;
    } cases[] = {
        // ex offo defence: × (1 − r), the cap only from 2013
        {exOffo, "200000", "31.12.2010", 9100},
        {exOffo, "200000", "15.3.2012", 6370},
        {exOffo, "200000", "15.3.2013", 5000},  // 7 280, capped
        {exOffo, "5000", "15.3.2013", 800},
        // appointed representative: × 0.7 and cap in 2011–2012, × (1 − r) and cap from 2013
        {representative, "200000", "31.12.2010", 9100},
        {representative, "200000", "1.1.2011", 5000},
        {representative, "200000", "31.12.2012", 5000},
        {representative, "5000", "31.12.2012", 700},
        {representative, "200000", "1.1.2013", 5000},
        {representative, "5000", "1.1.2013", 800},
        // child's guardian: × 0.7 without a cap in 2011–2012
        {guardian, "200000", "31.12.2010", 9100},
        {guardian, "200000", "31.12.2012", 6370},
        {guardian, "200000", "1.1.2013", 5000},
    };
    for (const auto& c : cases) {
        TariffForm in = oneAct(c.value, c.date);
        in.appointment = c.special;
        EXPECT_NEAR(feeOf(in), c.fee, 1e-9) << static_cast<int>(c.special) << " " << c.value << " " << c.date;
    }
    // A special kind takes its own fraction: kind 8, 10 000 Kč, r = 0.1 in 2009.
    TariffForm in = oneAct("0", "15.6.2009");
    in.kind = 8;
    in.appointment = exOffo;
    EXPECT_DOUBLE_EQ(feeOf(in), 1350);
}

TEST(TariffVat, RatePerActAndOffForNonPayers) {
    TariffForm in;
    in.tariffValue = "200000";
    in.kind = 0;
    in.vatPayer = true;
    // Entered out of order: processed by date, each under its own rate.
    in.acts = {{"1.3.2013", "odvolání", "úkon"}, {"1.1.2012", "úkon", "úkon"}, {"1.1.2013", "dovolání", "úkon"}};
    auto r = Vypocitat(in, fixtureTables());
    ASSERT_EQ(r.acts.size(), 3u);
    EXPECT_EQ(r.acts[0].date, "1.1.2012");
    EXPECT_EQ(r.acts[1].date, "1.1.2013");
    EXPECT_EQ(r.acts[2].date, "1.3.2013");
    EXPECT_DOUBLE_EQ(r.calc.vat[0].rate, 20);
    EXPECT_DOUBLE_EQ(r.calc.vat[1].rate, 21);
    EXPECT_DOUBLE_EQ(r.calc.vat[0].onFee, 1820);
    EXPECT_DOUBLE_EQ(r.calc.vat[0].onLumpSum, 60);
    EXPECT_EQ(r.calc.acts[0].scaleVersion, "1.9.2006");
    EXPECT_EQ(r.calc.acts[1].scaleVersion, "1.1.2013");
    EXPECT_DOUBLE_EQ(r.calc.vatOnFees, 1820 + 1911 * 2);
    EXPECT_DOUBLE_EQ(r.calc.grandTotal(), 3 * 9400 + 1820 + 60 + 2 * (1911 + 63));

    in.vatPayer = false;
    r = Vypocitat(in, fixtureTables());
    EXPECT_DOUBLE_EQ(r.calc.vat[2].rate, 21);  // read, but not charged
    EXPECT_DOUBLE_EQ(r.calc.vatTotal(), 0);
}

TEST(TariffInputs, KindsEmptyListAndBadInput) {
    const Tables t = fixtureTables();
    // An empty list computes one act "úkon" on the page's date.
    TariffForm in;
    in.tariffValue = "1000";
    in.kind = 0;
    in.acts = {{"", "", ""}};
    in.defaultDate = makeDate(2020, 6, 15);
    auto r = Vypocitat(in, t);
    ASSERT_EQ(r.acts.size(), 1u);
    EXPECT_EQ(r.acts[0], (ActRow{"15.6.2020", "úkon", "úkon"}));
    EXPECT_EQ(r.calc.fullActs, 1);

    // A fixed kind ignores the typed value and follows its own versions.
    in.kind = 8;
    in.acts = {{"15.6.2010", "úkon", "úkon"}, {"15.6.2020", "úkon", "úkon"}};
    r = Vypocitat(in, t);
    EXPECT_DOUBLE_EQ(r.calc.tariffBases[0], 10000);
    EXPECT_DOUBLE_EQ(r.calc.tariffBases[1], 35000);

    // A note, no kind, a bad value or date: conversion errors, with the note's text.
    in.kind = 12;
    try {
        Vypocitat(in, t);
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_NE(std::string(e.what()).find("Hodnotu zadejte ručně."), std::string::npos) << e.what();
    }
    in.kind = std::nullopt;
    EXPECT_THROW(Vypocitat(in, t), ConversionError);
    EXPECT_THROW(Vypocitat(oneAct("12a", "1.1.2020"), t), ConversionError);
    EXPECT_THROW(Vypocitat(oneAct("1000", "31.2.2020"), t), ConversionError);
    EXPECT_THROW(Vypocitat(oneAct("1e20", "1.1.2020"), t), ConversionError);

    bool on = false;
    double p = 0;
    readPercentage(false, true, "0", "10", on, p);
    EXPECT_TRUE(on);
    EXPECT_DOUBLE_EQ(p, -10);
    EXPECT_THROW(readPercentage(false, true, "x", "10", on, p), ConversionError);  // the raise field is read too
    EXPECT_THROW(readPercentage(false, true, "0", "150", on, p), ConversionError);  // a negative fee
    readPercentage(false, false, "x", "y", on, p);
    EXPECT_FALSE(on);
}

TEST(TariffHelpers, SpecialValueParts) {
    const auto special = IniFile::parse(kSpecial);
    EXPECT_EQ(Tarifni_Zaklad(special, "777", 0, makeDate(2020, 1, 1)), "777");
    EXPECT_EQ(Tarifni_Zaklad(special, "777", 8, makeDate(2020, 1, 1)), "35000");
    EXPECT_EQ(Tarifni_Zaklad(special, "777", 8, makeDate(2000, 1, 1)), "10000");  // before the first: the base line
    EXPECT_EQ(Tarifni_Zaklad(special, "777", -1, makeDate(2020, 1, 1)), "");
    struct Case {
        const char* value;
        double fraction;
    } cases[] = {{"10000,0.2", 0.2}, {"10000,0,25", 0.25}, {"10000", 0}, {"10000,", 0}, {"x,abc", 0}, {"", 0}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(Snizeni_Z_Hodnoty(c.value), c.fraction) << c.value;
}

TEST(TariffSummary, WorkedExampleLineByLine) {
    TariffForm in;
    in.tariffValue = "200000";
    in.kind = 0;
    in.vatPayer = true;
    in.persons = 2;
    setPercentage(in, -10);
    in.acts = {{"1.3.2013", "odvolání", "úkon"}, {"1.1.2013", "návrh na zajištění důkazu nebo dědictví", "půl-úkon"}};
    const auto r = Vypocitat(in, fixtureTables());
    // fee 9 100 × 1,6 × 0,9 = 13 104; the half act 6 552; VAT 21 %.
    const std::vector<std::string> expected = {
        "Mimosmluvní odměna advokáta podle vyhl. č. 177/1996 Sb.",
        "Peněžité plnění",
        std::string(59, '-'),
        "",
        "Více osob: 2",
        "Odměna za jeden úkon právní služby snížena o 10%.",
        "Tarifní základ: 200.000,00 Kč",
        "Právní úkon dle § 11 odst. 2: ",
        "1.1.2013: návrh na zajištění důkazu nebo dědictví",
        "Odměna: 6.552,00 Kč, režijní paušál 300,00 Kč",
        "DPH 21%: 1.438,92 Kč (z odměny 1.375,92 Kč, z paušálu 63,00 Kč)",
        "Celkem za tento úkon: 8.290,92 Kč",
        std::string(36, '-'),
        "Tarifní základ: 200.000,00 Kč",
        "Právní úkon dle § 11 odst. 1: ",
        "1.3.2013: odvolání",
        "Odměna: 13.104,00 Kč, režijní paušál 300,00 Kč",
        "DPH 21%: 2.814,84 Kč (z odměny 2.751,84 Kč, z paušálu 63,00 Kč)",
        "Celkem za tento úkon: 16.218,84 Kč",
        std::string(36, '-'),
        "",
        std::string(55, '='),
        "",
        "Počet právních úkonů dle § 11 odst. 1: 1",
        "Počet právních úkonů dle § 11 odst. 2: 1",
        "",
        "Režijní paušály celkem: 600,00 Kč",
        "Odměna za všechny PÚ činí: 19.656,00 Kč",
        "",
        "DPH z odměny: 4.127,76 Kč",
        "DPH z režijních paušálů: 126,00 Kč",
        "DPH celkem: 4.253,76 Kč",
        "",
        "Odměna celkem: 24.509,76 Kč",
        "",
        std::string(55, '='),
        "",
        "Vyčíslení nákladů k orgánům:",
        "Žalobce navrhuje, aby byl žalovaný zavázán / Žalovaný navrhuje, aby byl žalobce zavázán",
        "k náhradě nákladů řízení, které sestávají z odměny za zastoupení advokátem dle vyhl. č. 177/1996 Sb. v "
        "celkové výši 24.509,76 Kč, když zástupce učinil tyto úkony právní služby: ",
        "dne 1.1.2013 návrh na zajištění důkazu nebo dědictví `a 6.552,00 Kč + RP 300,00 Kč, dne 1.3.2013 odvolání "
        "`a 13.104,00 Kč + RP 300,00 Kč, společně s DPH ve výši 4.253,76 Kč",
    };
    const auto lines = summaryLines(r.calc);
    ASSERT_EQ(lines.size(), expected.size());
    for (size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i], expected[i]) << "line " << i;
}

TEST(TariffSummary, OptionLinesAndNoVatLines) {
    TariffForm in = oneAct("0", "15.6.2020", "převzetí a příprava zastoupení");
    in.kind = 8;
    in.scaling = Scaling::Triple;
    in.par14b = true;
    auto lines = summaryLines(Vypocitat(in, fixtureTables()).calc);
    EXPECT_EQ(lines[1], "Obhajoba trestní horní sazba 1 - 5 let|§ 10 odst. 3 písm. b)");
    EXPECT_EQ(lines[4], "Odměna za každý úkon zvýšena na trojnásobek.");
    EXPECT_EQ(lines[5], "Zohledněna úprava odměn dle § 14b vyhlášky č. 177/1996 Sb.");
    EXPECT_EQ(lines[6], "");
    for (const auto& l : lines) {
        EXPECT_EQ(l.rfind("DPH", 0), std::string::npos) << l;  // not a payer: no VAT line
        EXPECT_EQ(l.find("společně s DPH"), std::string::npos) << l;
    }
    in.par14b = false;
    in.scaling = Scaling::Halve;
    const Appointment appointments[] = {Appointment::ExOfficioDefence, Appointment::Representative,
                                        Appointment::ChildsGuardian};
    for (int special = 0; special < 3; ++special) {
        in.appointment = appointments[special];
        lines = summaryLines(Vypocitat(in, fixtureTables()).calc);
        const char* expected[] = {"Sníženo z důvodu odměny ustanoveného obhájce v trestním řízení.",
                                  "Sníženo z důvodu ustanovení zástupcem.", "Sníženo z důvodu opatrovnické věci."};
        EXPECT_EQ(lines[4], "Odměna za každý úkon snížena na polovinu.");
        EXPECT_EQ(lines[5], expected[special]);
    }
}

}  // namespace
}  // namespace verdika::tariff
