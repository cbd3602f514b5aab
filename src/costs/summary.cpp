#include "costs/summary.h"

#include "common/numbers.h"

namespace verdika::costs {
namespace {

std::string money(double x) { return Format_Castky(x); }

void actLines(std::vector<std::string>& out, const TNaklady_rizeni& r) {
    out.push_back("Počet právních úkonů: " + std::to_string(r.pravni_ukony.size()));
    out.push_back("");
    out.push_back("Náhrada dle § 13 vyhl. č. 177/1996 Sb.:");
    for (const TPravniUkony& a : r.pravni_ukony)
        out.push_back(formatDate(a.datum) + " - " + a.popis + ": " + money(a.rezijni_pausal));
}

void vatLines(std::vector<std::string>& out, const TNaklady_rizeni& r) {
    if (!r.platce_dph) return;
    out.push_back("DPH z odměny: " + money(r.dph_odmena));
    out.push_back("DPH z režijních paušálů: " + money(r.dph_rp));
    out.push_back("DPH celkem: " + money(r.dphCelkem()));
}

void closingLines(std::vector<std::string>& out, const TNaklady_rizeni& r) {
    out.push_back(std::string(60, '='));
    out.push_back("Náklady řízení tedy dohromady činí: " + money(r.celkem()));
}

}  // namespace

std::vector<std::string> summaryLines(const TNaklady_rizeni& r) {
    std::vector<std::string> out;
    out.push_back("Náklady řízení dle § 3 odst. 1 vyhlášky č. 484/2000 Sb.");
    out.push_back(std::string(59, '-'));
    out.push_back("Jistina: " + money(r.jistina));
    actLines(out, r);
    std::string total = "Celkem tedy: " + money(static_cast<double>(r.rezijni_pausaly));
    if (r.platce_dph)
        total += " bez DPH, " + money(static_cast<double>(r.rezijni_pausaly) + r.dph_rp) + " s DPH ve výši " +
                 Format_Cislo(r.dph_sazba) + "%";
    out.push_back(total);
    out.push_back("");
    if (r.vykon_rozhodnuti) out.push_back("Sazba odměny snížena dle § 12/1.");
    if (r.zastaveni_rizeni) out.push_back("Sazba odměny snížena dle § 13/1.");
    if (r.zastaveni_odvolaciho) out.push_back("Sazba odměny snížena dle § 14/1.");
    if (r.jeden_ukon) out.push_back("Sazba odměny snížena dle § 18/1 - jeden právní úkon.");
    if (r.pocet_osob > 1) out.push_back("Sazba zvýšena dle § 19a - zastoupení více osob.");
    out.push_back("Náhrada za zastoupení advokátem dle § 3 odst. 1: " + money(r.odmena));
    out.push_back("Náhrada za zastoupení advokátem dle § 3 odst. 1 (včetně rež. pauš.): " + money(r.odmenaRp()));
    if (r.zapocitat_poplatek) out.push_back("Soudní poplatek: " + money(r.soudni_poplatek));
    vatLines(out, r);
    closingLines(out, r);
    return out;
}

std::vector<std::string> nonMonetarySummaryLines(const TNaklady_rizeni& r, std::string_view itemCaption,
                                                 std::string_view courtFeeCaption) {
    std::vector<std::string> out;
    out.push_back("Náklady řízení dle " + std::string(itemCaption) + " vyhl.č. 484/2000 Sb.");
    out.push_back(std::string(59, '-'));
    actLines(out, r);
    out.push_back("Celkem tedy: " + money(static_cast<double>(r.rezijni_pausaly)));
    out.push_back("");
    if (r.zastaveni_rizeni) out.push_back("Sazba odměny snížena dle § 13/1.");
    if (r.zastaveni_odvolaciho) out.push_back("Sazba odměny snížena dle § 14/1.");
    if (r.jeden_ukon) out.push_back("Sazba odměny snížena dle § 18/1 - jeden právní úkon.");
    if (r.pocet_osob > 1) out.push_back("Sazba zvýšena dle § 19a - zastoupení více osob.");
    out.push_back("Náhrada za zastoupení advokátem dle § 3 odst. 1: " + money(r.odmena));
    if (r.zapocitat_poplatek) {
        out.push_back("");
        out.push_back("Druh soudního poplatku: " + std::string(courtFeeCaption));
        out.push_back("Soudní poplatek: " + money(r.soudni_poplatek));
    }
    out.push_back("Náhrada za zastoupení advokátem dle § 3 odst. 1 včetně rež. pauš.: " + money(r.odmenaRp()));
    vatLines(out, r);
    closingLines(out, r);
    return out;
}

}  // namespace verdika::costs
