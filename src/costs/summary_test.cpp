#include "costs/summary.h"

#include <gtest/gtest.h>

namespace verdika::costs {
namespace {

TNaklady_rizeni sample() {
    TNaklady_rizeni r;
    r.jistina = 42629.10;
    r.odmena = 2730;
    r.pravni_ukony = {{makeDate(2005, 3, 1), "vyjádření k dovolání", 75}, {makeDate(2007, 3, 1), "odvolání", 300}};
    r.rezijni_pausal = 75;
    r.rezijni_pausaly = 375;
    r.platce_dph = true;
    r.dph_sazba = 19;
    r.dph_odmena = 518.7;
    r.dph_rp = 71.25;
    r.zapocitat_poplatek = true;
    r.soudni_poplatek = 1710;
    r.vykon_rozhodnuti = true;
    r.zastaveni_odvolaciho = true;
    r.pocet_osob = 2;
    return r;
}

TEST(CostsSummary, MonetaryLines) {
    const std::vector<std::string> expected = {
        "Náklady řízení dle § 3 odst. 1 vyhlášky č. 484/2000 Sb.",
        std::string(59, '-'),
        "Jistina: 42.629,10 Kč",
        "Počet právních úkonů: 2",
        "",
        "Náhrada dle § 13 vyhl. č. 177/1996 Sb.:",
        "1.3.2005 - vyjádření k dovolání: 75,00 Kč",
        "1.3.2007 - odvolání: 300,00 Kč",
        "Celkem tedy: 375,00 Kč bez DPH, 446,25 Kč s DPH ve výši 19%",
        "",
        "Sazba odměny snížena dle § 12/1.",
        "Sazba odměny snížena dle § 14/1.",
        "Sazba zvýšena dle § 19a - zastoupení více osob.",
        "Náhrada za zastoupení advokátem dle § 3 odst. 1: 2.730,00 Kč",
        "Náhrada za zastoupení advokátem dle § 3 odst. 1 (včetně rež. pauš.): 3.105,00 Kč",
        "Soudní poplatek: 1.710,00 Kč",
        "DPH z odměny: 518,70 Kč",
        "DPH z režijních paušálů: 71,25 Kč",
        "DPH celkem: 589,95 Kč",
        std::string(60, '='),
        "Náklady řízení tedy dohromady činí: 5.404,95 Kč",
    };
    EXPECT_EQ(summaryLines(sample()), expected);

    TNaklady_rizeni r = sample();
    r.platce_dph = false;
    r.zapocitat_poplatek = false;
    r.jeden_ukon = true;
    r.vykon_rozhodnuti = r.zastaveni_odvolaciho = false;
    r.zastaveni_rizeni = true;
    r.pocet_osob = 1;
    r.dph_odmena = r.dph_rp = 0;
    const auto lines = summaryLines(r);
    EXPECT_EQ(lines[8], "Celkem tedy: 375,00 Kč");
    EXPECT_EQ(lines[10], "Sazba odměny snížena dle § 13/1.");
    EXPECT_EQ(lines[11], "Sazba odměny snížena dle § 18/1 - jeden právní úkon.");
    EXPECT_EQ(lines.size(), 16u);  // no court fee, no VAT lines
}

TEST(CostsSummary, NonMonetaryLines) {
    TNaklady_rizeni r = sample();
    r.jistina = 0;
    r.vykon_rozhodnuti = false;
    r.slozita_vec = true;  // changes the fee, adds no line
    const std::vector<std::string> expected = {
        "Náklady řízení dle ostatní § 5 d) vyhl.č. 484/2000 Sb.",
        std::string(59, '-'),
        "Počet právních úkonů: 2",
        "",
        "Náhrada dle § 13 vyhl. č. 177/1996 Sb.:",
        "1.3.2005 - vyjádření k dovolání: 75,00 Kč",
        "1.3.2007 - odvolání: 300,00 Kč",
        "Celkem tedy: 375,00 Kč",
        "",
        "Sazba odměny snížena dle § 14/1.",
        "Sazba zvýšena dle § 19a - zastoupení více osob.",
        "Náhrada za zastoupení advokátem dle § 3 odst. 1: 2.730,00 Kč",
        "",
        "Druh soudního poplatku: Položka 4",
        "Soudní poplatek: 1.710,00 Kč",
        "Náhrada za zastoupení advokátem dle § 3 odst. 1 včetně rež. pauš.: 3.105,00 Kč",
        "DPH z odměny: 518,70 Kč",
        "DPH z režijních paušálů: 71,25 Kč",
        "DPH celkem: 589,95 Kč",
        std::string(60, '='),
        "Náklady řízení tedy dohromady činí: 5.404,95 Kč",
    };
    EXPECT_EQ(nonMonetarySummaryLines(r, "ostatní § 5 d)", "Položka 4"), expected);
}

}  // namespace
}  // namespace verdika::costs
