// verdika-cli naklady: costs of proceedings under the repealed flat-rate
// decree 484/2000 Sb., as the tab "Náklady řízení - zrušeno" computes them:
// a monetary claim, or with --polozka a non-money item.
#include <filesystem>
#include <ostream>

#include "cli/cli.h"
#include "common/errors.h"
#include "common/files.h"
#include "common/ini.h"
#include "common/numbers.h"
#include "common/text.h"
#include "costs/calculation.h"
#include "costs/cost_set.h"
#include "costs/lists.h"
#include "costs/summary.h"
#include "fees/court_fee.h"

namespace verdika::cli {
namespace {

// DATE[:DESCRIPTION]; the description is informative only.
costs::ActRow parseAct(const std::string& spec) {
    const auto colon = spec.find(':');
    const std::string date = spec.substr(0, colon);
    const auto d = tryParseDate(date);
    if (!d) throw UsageError("„" + date + "“ není platné datum (--ukon DATUM:popis).");
    std::string description = colon == std::string::npos ? std::string() : spec.substr(colon + 1);
    if (trimBlanks(description).empty()) description = "úkon";
    return {formatDate(*d), description};
}

std::string itemList() {
    std::string text = "položka nepeněžitého plnění; odměna se počítá z ní místo z jistiny:";
    for (int k = 1; k <= costs::kItemCount; ++k) text += "\n  " + std::to_string(k) + " – " + costs::itemCaption(k);
    return text;
}

Json jsonOf(const costs::TNaklady_rizeni& r, const std::vector<std::string>& lines) {
    Json j = Json::object();
    if (r.polozka > 0) j["polozka"] = r.polozka;
    j["jistina"] = money(r.jistina);
    j["odmena"] = money(r.odmena);
    j["rezijni_pausal"] = money(static_cast<double>(r.rezijni_pausal));
    j["rezijni_pausaly"] = money(static_cast<double>(r.rezijni_pausaly));
    j["odmena_rp"] = money(r.odmenaRp());
    j["sazba_dph"] = r.platce_dph ? r.dph_sazba : 0.0;
    j["dph_odmena"] = money(r.dph_odmena);
    j["dph_rp"] = money(r.dph_rp);
    j["dph_celkem"] = money(r.dphCelkem());
    j["soudni_poplatek"] = money(r.soudni_poplatek);
    j["celkem"] = money(r.celkem());
    j["jeden_ukon"] = r.jeden_ukon;
    Json acts = Json::array();
    for (const auto& a : r.pravni_ukony)
        acts.push_back({{"datum", jsonDate(a.datum)}, {"popis", a.popis}, {"rezijni_pausal", money(a.rezijni_pausal)}});
    j["ukony"] = std::move(acts);
    j["radky"] = lines;
    return j;
}

class Naklady final : public Subcommand {
    std::optional<double> principal;
    std::optional<std::int64_t> item, courtFeeItem, persons;
    std::optional<Date> date, vatDate, courtFeeDate;
    std::vector<std::string> acts;
    std::optional<std::string> savedFile;
    bool vat = false, courtFee = false, enforcement = false, paymentOrder = false, stopped = false,
         stoppedOnAppeal = false, complex = false, json = false;

    void define(Options& o) override {
        o.amount("--jistina", principal, "jistina peněžitého plnění (bez --polozka povinná)");
        o.integer("--polozka", item, "N", itemList(), 1, costs::kItemCount);
        o.flag("--slozita", complex, "mimořádně složitá věc (§ 18 odst. 2; jen s --polozka)");
        o.date("--datum", date, "rozhodné datum: určuje znění vyhlášky (výchozí dnes)");
        o.texts("--ukon", acts, "DATUM[:POPIS]",
                "právní úkon a jeho den (určuje režijní paušál)\n"
                "bez --ukon převzetí zastoupení a podání ve věci samé ke dni --datum");
        o.integer("--osob", persons, "N", "počet zastupovaných osob, 0 až 100; výchozí 1", 0, 100);
        o.flag("--dph", vat, "advokát je plátce DPH");
        o.date("--dph-datum", vatDate, "den, podle kterého se určí sazba DPH (výchozí --datum)");
        o.flag("--poplatek", courtFee, "připočíst soudní poplatek");
        o.date("--poplatek-datum", courtFeeDate, "den, ke kterému se počítá soudní poplatek (výchozí --datum;\n"
                                                 "zapne --poplatek)");
        o.integer("--poplatek-polozka", courtFeeItem, "N",
                  "položka soudního poplatku u nepeněžitého plnění (číslo ze seznamu\n"
                  "verdika-cli poplatek --seznam; zapne --poplatek)",
                  1, 1000);
        auto e = o.flag("--vykon", enforcement, "výkon rozhodnutí (§ 12 odst. 1)");
        auto p = o.flag("--epr", paymentOrder, "elektronický platební rozkaz");
        e.excludes(p);
        auto s = o.flag("--zastaveni", stopped, "žaloba odmítnuta nebo řízení zastaveno (§ 13 odst. 1)");
        auto a = o.flag("--zastaveni-odvolani", stoppedOnAppeal, "totéž v odvolacím řízení (§ 14 odst. 1)");
        s.excludes(a);
        o.text("--sestava", savedFile, "SOUBOR.vrd",
               "uložená sestava ze stránky; přepínače zadané k ní její údaje mění");
        o.json(json);
    }

    // A saved set says which tab it belongs to.
    bool loadSaved(costs::MonetaryInput& m, costs::NonMonetaryInput& n) const {
        const auto path = pathFromUtf8(*savedFile);
        if (!std::filesystem::exists(path)) throw UsageError("Sestava „" + *savedFile + "“ neexistuje.");
        const bool nonMonetary = item || IniFile::load(path).hasKey("nastaveni", "druh_rizeni");
        if (nonMonetary) n = costs::loadNonMonetarySet(path);
        else m = costs::loadMonetarySet(path);
        return nonMonetary;
    }

    // Arguments given override the set's values; both inputs get them, one is computed.
    template <class Input>
    void applyCommon(Input& in) const {
        if (date) in.date = *date;
        if (vatDate) in.vatDate = *vatDate;
        if (courtFeeDate) in.courtFeeDate = *courtFeeDate;
        if (courtFee || courtFeeDate || courtFeeItem) in.courtFee = true;
        if (vat) in.vatPayer = true;
        if (persons) in.persons = static_cast<int>(*persons);
        if (stopped) in.dismissal = costs::Dismissal::Claim;
        if (stoppedOnAppeal) in.dismissal = costs::Dismissal::Appeal;
        if (!acts.empty()) {
            in.acts.clear();
            for (const std::string& spec : acts) in.acts.push_back(parseAct(spec));
        }
        in.actDate = in.date;
    }

    // A figure the tables lack for the chosen date or item is an answer to
    // the arguments (another date or item may work), so a bad argument.
    template <class F>
    static costs::Calculation calculate(F compute) {
        try {
            return compute();
        } catch (const Error& e) {
            throw UsageError(e.what());
        }
    }

    int run(Context& c) override {
        costs::MonetaryInput m;
        costs::NonMonetaryInput n;
        const Date base = date.value_or(today());
        m.date = m.vatDate = m.courtFeeDate = n.date = n.vatDate = n.courtFeeDate = base;
        m.courtFee = n.courtFee = false;
        const bool nonMonetary = savedFile ? loadSaved(m, n) : item.has_value();
        if (nonMonetary && (principal || enforcement || paymentOrder))
            throw UsageError("--jistina, --vykon ani --epr se s nepeněžitým plněním (--polozka) nezadávají.");
        if (!nonMonetary && (complex || courtFeeItem))
            throw UsageError("--slozita a --poplatek-polozka patří k nepeněžitému plnění (--polozka).");

        const costs::Tables tables = costs::Tables::load(c.paths.programDir);
        costs::Calculation result;
        std::vector<std::string> lines;
        if (nonMonetary) {
            applyCommon(n);
            if (item) n.item = static_cast<int>(*item);
            if (complex) n.complex = true;
            const auto captions = fees::courtFeeItems(tables.courtFees);
            if (courtFeeItem) {
                if (*courtFeeItem > static_cast<std::int64_t>(captions.size()))
                    throw UsageError("Položka soudního poplatku musí být číslo 1 až " + std::to_string(captions.size()) +
                                     " (--poplatek-polozka).");
                n.courtFeeItem = static_cast<int>(*courtFeeItem);
            }
            if (n.courtFeeItem > static_cast<int>(captions.size())) n.courtFeeItem.reset();
            if (!n.item || *n.item < 1 || *n.item > costs::kItemCount)
                throw UsageError("Sestava nemá položku nepeněžitého plnění; zadejte --polozka 1 až 22.");
            if (n.courtFee && !n.courtFeeItem)
                throw UsageError("Zadejte položku soudního poplatku (--poplatek-polozka), nebo vynechte --poplatek.");
            result = calculate([&] { return costs::calculateNonMonetary(n, tables); });
            const std::string feeCaption = n.courtFeeItem ? captions[static_cast<size_t>(*n.courtFeeItem - 1)] : "";
            lines = costs::nonMonetarySummaryLines(result.record, costs::itemCaption(*n.item), feeCaption);
        } else {
            applyCommon(m);
            if (principal) m.principal = Format_Cislo(*principal);
            if (m.principal.empty())
                throw UsageError("Zadejte jistinu (--jistina), nebo položku nepeněžitého plnění (--polozka).");
            if (enforcement) m.proceedings = costs::Proceedings::Enforcement;
            if (paymentOrder) m.proceedings = costs::Proceedings::ElectronicPaymentOrder;
            result = calculate([&] { return costs::calculateMonetary(m, tables); });
            lines = costs::summaryLines(result.record);
        }
        if (!result.warning.empty()) c.err << Jeden_Radek(result.warning) << "\n";
        if (json) {
            printJson(c.out, jsonOf(result.record, lines));
        } else {
            for (const std::string& line : lines) c.out << line << "\n";
        }
        return 0;
    }
};

const Register<Naklady> reg(
    {"naklady", "náklady řízení podle zrušené vyhlášky č. 484/2000 Sb.", 5,
     "verdika-cli naklady --jistina 42.629,10 --datum 1.3.2005 --ukon '1.3.2005:vyjádření k dovolání'",
     "shrnutí jako na stránce Náklady řízení: úkony s režijním paušálem, odměna\n"
     "a její úpravy, DPH, soudní poplatek a součet.\n"
     "--json: polozka (jen nepeněžité plnění), jistina, odmena, rezijni_pausal, rezijni_pausaly,\n"
     "odmena_rp, sazba_dph, dph_odmena, dph_rp, dph_celkem, soudni_poplatek, celkem, jeden_ukon,\n"
     "ukony [{datum, popis, rezijni_pausal}], radky (řádky shrnutí)"});

}  // namespace
}  // namespace verdika::cli
