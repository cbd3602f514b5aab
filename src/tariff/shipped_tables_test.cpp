// The shipped tables za_ukon.ini, tarif_specialni.ini and dph.ini against
// figures worked out by hand from the decree 177/1996 Sb. and the VAT acts.
//
// How the figures below were worked out (§ 7 of the decree):
// - "přes X do Y" means X < value <= Y: the upper limit belongs to the band.
// - Stepped bands: fixed part + every started step over the lower limit.
// - Scale until 31.8.2006: <=500 200; <=1 000 350; <=5 000 500; <=10 000 750;
//   <=200 000 750 + 25 per started 1 000 over 10 000; <=10 000 000 5 500 + 25
//   per started 10 000 over 200 000; above 30 000 + 25 per started 100 000.
// - Scale from 1.9.2006 (unchanged on 1.1.2025): 300; 500; 1 000; 1 500;
//   1 500 + 40 per started 1 000 over 10 000; 9 100 + 40 per started 10 000
//   over 200 000; 48 300 + 40 per started 100 000 over 10 000 000.
// - Lump sum (§ 13): 75 Kč until 31.8.2006, 300 Kč from 1.9.2006, 450 Kč from 1.1.2025.
// - VAT (standard rate): 19 % from 1.5.2004, 20 % from 1.1.2010, 21 % from 1.1.2013.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/numbers.h"
#include "common/versioned.h"
#include "tariff/tariff.h"
#include "test_support.h"

namespace verdika::tariff {
namespace {

const Tables& shipped() {
    static const Tables t = Tables::load(test::shippedDir());
    return t;
}

TariffResult compute(int kind, const char* value, const char* date, Appointment special = Appointment::None) {
    TariffForm in;
    in.kind = kind;
    in.tariffValue = value;
    in.vatPayer = true;
    in.appointment = special;
    in.acts = {{date, "úkon", "úkon"}};
    return Vypocitat(in, shipped());
}

TEST(ShippedTariffTables, FeeLumpSumAndVatOfOneAct) {
    struct Case {
        const char* date;
        const char* value;
        double fee, lumpSum, vatRate, total;
    } cases[] = {
        // 1.1.2006: version 1.10.1997 (1996 scale), VAT 19 %
        {"1.1.2006", "500", 200, 75, 19, 327.25},
        {"1.1.2006", "5000", 500, 75, 19, 684.25},         // (1 000; 5 000]
        {"1.1.2006", "10001", 775, 75, 19, 1011.50},       // 750 + 1 × 25
        {"1.1.2006", "200000", 5500, 75, 19, 6634.25},     // 750 + 190 × 25
        {"1.1.2006", "10000001", 30025, 75, 19, 35819.00}, // 30 000 + 1 × 25
        // 1.9.2006: the amendment's own day already has the new scale
        {"1.9.2006", "500", 300, 300, 19, 714.00},
        {"1.9.2006", "5000", 1000, 300, 19, 1547.00},
        {"1.9.2006", "10001", 1540, 300, 19, 2189.60},      // 1 500 + 1 × 40
        {"1.9.2006", "200000", 9100, 300, 19, 11186.00},    // 1 500 + 190 × 40
        {"1.9.2006", "10000001", 48340, 300, 19, 57881.60}, // 48 300 + 1 × 40
        // 31.12.2024: version 8.12.2021, VAT 21 %
        {"31.12.2024", "500", 300, 300, 21, 726.00},
        {"31.12.2024", "5000", 1000, 300, 21, 1573.00},
        {"31.12.2024", "10001", 1540, 300, 21, 2226.40},
        {"31.12.2024", "200000", 9100, 300, 21, 11374.00},
        {"31.12.2024", "10000001", 48340, 300, 21, 58854.40},
        // 1.1.2025: same scale, lump sum 450 Kč
        {"1.1.2025", "500", 300, 450, 21, 907.50},
        {"1.1.2025", "5000", 1000, 450, 21, 1754.50},
        {"1.1.2025", "10001", 1540, 450, 21, 2407.90},
        {"1.1.2025", "200000", 9100, 450, 21, 11555.50},
        {"1.1.2025", "10000001", 48340, 450, 21, 59035.90},
        // today: version 15.1.2026, the same rules
        {"10.12.2026", "500", 300, 450, 21, 907.50},
        {"10.12.2026", "5000", 1000, 450, 21, 1754.50},
        {"10.12.2026", "10001", 1540, 450, 21, 2407.90},
        {"10.12.2026", "200000", 9100, 450, 21, 11555.50},
        {"10.12.2026", "10000001", 48340, 450, 21, 59035.90},
        // band limits: the fee at each upper limit equals the next band's fixed part
        {"31.12.2024", "10000", 1500, 300, 21, 2178.00},
        {"31.12.2024", "1001", 1000, 300, 21, 1573.00},
        {"31.12.2024", "200001", 9140, 300, 21, 11422.40},
        {"31.12.2024", "10000000", 48300, 300, 21, 58806.00},   // 9 100 + 980 × 40
        {"1.1.2006", "200001", 5525, 75, 19, 6664.00},
        {"1.1.2006", "10000000", 30000, 75, 19, 35789.25},      // 5 500 + 980 × 25
        {"30.4.2004", "1000", 350, 75, 22, 518.50},             // VAT 22 % until 30.4.2004
    };
    for (const auto& c : cases) {
        const auto r = compute(0, c.value, c.date);
        SCOPED_TRACE(std::string(c.date) + " " + c.value);
        EXPECT_DOUBLE_EQ(r.calc.acts[0].fee, c.fee);
        EXPECT_DOUBLE_EQ(r.calc.acts[0].lumpSum, c.lumpSum);
        EXPECT_DOUBLE_EQ(r.calc.vat[0].rate, c.vatRate);
        EXPECT_EQ(Format_Castky(r.calc.grandTotal()), Format_Castky(c.total));
    }
}

TEST(ShippedTariffTables, FixedTariffValuesOfKinds) {
    struct Case {
        int kind;
        const char* date;
        double base;  // 0: the table holds a note
        double fee;
    } cases[] = {
        {15, "31.12.2024", 10000, 1500},   // § 9 odst. 1
        {15, "10.12.2026", 30000, 2300},   // 1 500 + 20 × 40
        {34, "10.12.2026", 30000, 2300},
        {6, "31.12.2024", 35000, 2500},    // § 9 odst. 3
        {6, "10.12.2026", 65000, 3700},
        {2, "31.12.2024", 5000, 1000},     // § 9 odst. 2 until 2024
        {2, "10.12.2026", 0, 0},           // from 2025 § 9 odst. 2 is another matter
        {14, "31.12.2024", 50000, 3100},   // § 9 odst. 4
        {8, "1.1.2006", 0, 0},
        {8, "15.6.2009", 10000, 1500},     // § 10 odst. 3 b)
        {8, "10.12.2026", 0, 0},
        {28, "1.6.2015", 1000, 500},       // § 9 odst. 5
        {28, "31.12.2024", 0, 0},          // struck from 8.12.2021
        {17, "10.12.2026", 0, 0},          // a fee per signature, not a tariff value
        {22, "10.12.2026", 0, 0},
        {12, "15.6.2009", 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.kind) + " " + c.date);
        const std::string base = Tarifni_Zaklad(shipped().special, "0", c.kind, parseDate(c.date));
        if (c.base == 0) {
            EXPECT_FALSE(Je_Cislo(base)) << base;
            EXPECT_FALSE(base.empty());
            continue;
        }
        const auto r = compute(c.kind, "0", c.date);
        EXPECT_DOUBLE_EQ(r.calc.tariffBases[0], c.base);
        EXPECT_DOUBLE_EQ(r.calc.acts[0].fee, c.fee);
    }
}

TEST(ShippedTariffTables, SpecialOptionReductions) {
    constexpr auto exOffo = Appointment::ExOfficioDefence, representative = Appointment::Representative;
    struct Case {
        int kind;
        const char* value;
        const char* date;
        Appointment special;
        double fee;
    } cases[] = {
        {8, "0", "15.6.2009", exOffo, 1350},               // § 15a: −10 %
        {8, "0", "15.6.2012", exOffo, 1050},               // § 12b: −30 %, no cap before 2013
        {8, "0", "31.12.2024", exOffo, 1200},              // § 12a: −20 %
        {10, "0", "31.12.2024", exOffo, 2480},             // 3 100 × 0,8
        {0, "200000", "1.1.1997", exOffo, 5500},           // no cut before 1.10.1997
        {0, "200000", "15.6.2009", exOffo, 8190},
        {0, "200000", "15.6.2012", exOffo, 6370},
        {0, "200000", "31.12.2024", exOffo, 5000},         // 7 280, capped
        {0, "10000001", "15.6.2009", representative, 48340},  // § 12a did not exist yet
        {0, "10000001", "15.6.2012", representative, 5000},   // 33 838, capped
        {0, "10000001", "31.12.2024", representative, 5000},
        {28, "0", "1.6.2015", representative, 400},           // 500 × 0,8
    };
    for (const auto& c : cases)
        EXPECT_NEAR(compute(c.kind, c.value, c.date, c.special).calc.acts[0].fee, c.fee, 1e-9)
            << c.kind << " " << c.value << " " << c.date;
}

TEST(ShippedTariffTables, VatRatesByDate) {
    struct Case {
        const char* date;
        int standard, reduced;
    } cases[] = {{"31.12.1994", 23, 5}, {"1.1.1995", 22, 5},  {"30.4.2004", 22, 5},  {"1.5.2004", 19, 5},
                 {"1.1.2008", 19, 9},   {"1.1.2010", 20, 10}, {"1.1.2012", 20, 14},  {"1.1.2013", 21, 15},
                 {"31.12.2023", 21, 15}, {"1.1.2024", 21, 12}, {"10.12.2026", 21, 12}};
    for (const auto& c : cases) {
        const std::string v = Platna_Novelizace(shipped().vat, 0, parseDate(c.date));
        EXPECT_EQ(shipped().vat.readInteger(v, "zvysena", -1), c.standard) << c.date;
        EXPECT_EQ(shipped().vat.readInteger(v, "snizena", -1), c.reduced) << c.date;
    }
}

// A version date without its data would silently compute 0 Kč or drop a cut.
TEST(ShippedTariffTables, EveryVersionIsComplete) {
    const Tables& t = shipped();
    const auto scaleDates = amendmentDates(t.scale);
    ASSERT_FALSE(scaleDates.empty());
    for (const std::string& v : scaleDates) {
        SCOPED_TRACE(v);
        const auto p = t.scale.readInteger(v, "castek_jednoduche", -1);
        const auto q = t.scale.readInteger(v, "castek_s_procenty", -1);
        ASSERT_GT(p, 0);
        ASSERT_GT(q, 0);
        for (int k = 0; k <= p + q; ++k) EXPECT_TRUE(t.scale.hasKey(v, std::to_string(k) + "_hranice")) << k;
        for (int k = 1; k <= p + q + 1; ++k) EXPECT_TRUE(t.scale.hasKey(v, std::to_string(k) + "_odmena")) << k;
        for (int k = p + 1; k <= p + q + 1; ++k) {
            EXPECT_GT(t.scale.readInteger(v, std::to_string(k) + "_zapocatych", 0), 0) << k;
            EXPECT_GT(t.scale.readInteger(v, std::to_string(k) + "_korun", 0), 0) << k;
        }
        EXPECT_GT(t.scale.readInteger(v, "rezijni_pausal", 0), 0);
        EXPECT_TRUE(std::filesystem::exists(test::shippedDir() / ("177_1996_" + v + ".vrd")));
    }
    EXPECT_TRUE(std::filesystem::exists(test::shippedDir() / "177_1996_1.1.2012.vrd"));

    for (const std::string& v : amendmentDates(t.special))
        EXPECT_TRUE(t.special.hasKey("0", v)) << "tarif_specialni.ini [0] " << v;
    const std::string first = amendmentDates(t.special).front();
    for (int kind = 1; kind <= 34; ++kind) {
        EXPECT_FALSE(t.special.readString(std::to_string(kind), first).empty()) << kind;
        // A note is cut at its first comma when shown; a value is "number[,fraction]".
        for (const auto& [key, value] : t.special.sectionValues(std::to_string(kind))) {
            const auto comma = value.find(',');
            if (!Je_Cislo(value.substr(0, comma))) {
                EXPECT_EQ(comma, std::string::npos) << kind << " " << key;
            }
        }
    }
    for (const std::string& v : amendmentDates(t.vat)) {
        EXPECT_TRUE(t.vat.hasKey(v, "zvysena")) << v;
        EXPECT_TRUE(t.vat.hasKey(v, "snizena")) << v;
    }
}

}  // namespace
}  // namespace verdika::tariff
