// verdika-cli naklady: costs of proceedings under the repealed flat-rate
// decree 484/2000 Sb., as the tab "Náklady řízení - zrušeno" computes them:
// a monetary claim, or with --polozka a non-money item.
#include <filesystem>
#include <ostream>

#include "cli/cli.h"
#include "common/errors.h"
#include "common/files.h"
#include "common/ini.h"
#include "common/json.h"
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

// The core's messages may span lines; the command line gives one.
[[noreturn]] void oneLine(const Error& e) { throw UsageError(Nahrad_Vse(Nahrad_Vse(e.what(), "\r\n", " "), "\n", " ")); }

void writeJson(std::ostream& out, const costs::TNaklady_rizeni& r) {
    JsonWriter j;
    j.beginObject();
    if (r.polozka > 0) j.field("polozka", r.polozka);
    j.field("jistina", r.jistina);
    j.field("odmena", r.odmena);
    j.field("rezijni_pausal", r.rezijni_pausal);
    j.field("rezijni_pausaly", r.rezijni_pausaly);
    j.field("odmena_rp", r.odmenaRp());
    j.field("sazba_dph", r.platce_dph ? r.dph_sazba : 0.0);
    j.field("dph_odmena", r.dph_odmena);
    j.field("dph_rp", r.dph_rp);
    j.field("dph_celkem", r.dphCelkem());
    j.field("soudni_poplatek", r.soudni_poplatek);
    j.field("celkem", r.celkem());
    j.field("jeden_ukon", r.jeden_ukon);
    j.key("ukony").beginArray();
    for (const auto& a : r.pravni_ukony) {
        j.beginObject();
        j.field("datum", formatDate(a.datum));
        j.field("popis", a.popis);
        j.field("rezijni_pausal", a.rezijni_pausal);
        j.endObject();
    }
    j.endArray();
    j.endObject();
    out << j.str() << "\n";
}

int run(Context& c) {
    const Args a(c.args,
                 {"dph", "poplatek", "vykon", "epr", "zastaveni", "zastaveni-odvolani", "slozita", "json"},
                 {"jistina", "datum", "ukon", "osob", "dph-datum", "poplatek-datum", "poplatek-polozka", "polozka",
                  "sestava"});
    if (!a.positional().empty()) throw UsageError("Neočekávaný argument „" + a.positional().front() + "“.");
    if (a.flag("vykon") && a.flag("epr")) throw UsageError("--vykon a --epr se vylučují.");
    if (a.flag("zastaveni") && a.flag("zastaveni-odvolani"))
        throw UsageError("--zastaveni a --zastaveni-odvolani se vylučují.");

    // A saved set says which tab it belongs to; arguments override its values.
    costs::MonetaryInput m;
    costs::NonMonetaryInput n;
    bool nonMonetary = a.value("polozka").has_value();
    const Date base = a.date("datum").value_or(today());
    m.date = m.vatDate = m.courtFeeDate = n.date = n.vatDate = n.courtFeeDate = base;
    m.courtFee = n.courtFee = false;
    if (auto file = a.value("sestava")) {
        const auto path = pathFromUtf8(*file);
        if (!std::filesystem::exists(path)) throw UsageError("Sestava „" + *file + "“ neexistuje.");
        try {
            nonMonetary = nonMonetary || IniFile::load(path).hasKey("nastaveni", "druh_rizeni");
            if (nonMonetary) n = costs::loadNonMonetarySet(path);
            else m = costs::loadMonetarySet(path);
        } catch (const Error& e) {
            oneLine(e);
        }
    }
    if (nonMonetary && (a.value("jistina") || a.flag("vykon") || a.flag("epr")))
        throw UsageError("--jistina, --vykon ani --epr se s nepeněžitým plněním (--polozka) nezadávají.");
    if (!nonMonetary && (a.flag("slozita") || a.value("poplatek-polozka")))
        throw UsageError("--slozita a --poplatek-polozka patří k nepeněžitému plnění (--polozka).");

    if (auto d = a.date("datum")) m.date = n.date = *d;
    if (auto d = a.date("dph-datum")) m.vatDate = n.vatDate = *d;
    if (auto d = a.date("poplatek-datum")) m.courtFeeDate = n.courtFeeDate = *d;
    if (a.flag("poplatek") || a.value("poplatek-datum") || a.value("poplatek-polozka")) m.courtFee = n.courtFee = true;
    if (a.flag("dph")) m.vatPayer = n.vatPayer = true;
    if (a.value("osob")) {
        const auto persons = a.integer("osob", 1);
        if (persons < 0 || persons > 100) throw UsageError("Počet osob musí být 0 až 100 (--osob).");
        m.persons = n.persons = static_cast<int>(persons);
    }
    if (a.flag("zastaveni")) m.dismissal = n.dismissal = costs::Dismissal::Claim;
    if (a.flag("zastaveni-odvolani")) m.dismissal = n.dismissal = costs::Dismissal::Appeal;
    const auto acts = a.values("ukon");
    if (!acts.empty()) {
        m.acts.clear();
        for (const std::string& spec : acts) m.acts.push_back(parseAct(spec));
        n.acts = m.acts;
    }
    m.actDate = m.date;
    n.actDate = n.date;

    const costs::Tables tables = costs::Tables::load(c.paths.programDir);
    costs::Calculation result;
    std::vector<std::string> lines;
    try {
        if (nonMonetary) {
            if (a.value("polozka")) {
                const auto item = a.integer("polozka", 0);
                if (item < 1 || item > costs::kItemCount) throw UsageError("Položka musí být číslo 1 až 22 (--polozka).");
                n.item = static_cast<int>(item);
            }
            if (a.flag("slozita")) n.complex = true;
            const auto captions = fees::courtFeeItems(tables.courtFees);
            if (a.value("poplatek-polozka")) {
                const auto fee = a.integer("poplatek-polozka", 0);
                if (fee < 1 || fee > static_cast<std::int64_t>(captions.size()))
                    throw UsageError("Položka soudního poplatku musí být číslo 1 až " + std::to_string(captions.size()) +
                                     " (--poplatek-polozka).");
                n.courtFeeItem = static_cast<int>(fee);
            }
            if (n.courtFeeItem > static_cast<int>(captions.size())) n.courtFeeItem.reset();
            result = costs::calculateNonMonetary(n, tables);
            const std::string feeCaption = n.courtFeeItem > 0 ? captions[static_cast<size_t>(*n.courtFeeItem - 1)] : "";
            lines = costs::nonMonetarySummaryLines(result.record, costs::itemCaption(n.item.value_or(0)), feeCaption);
        } else {
            if (auto v = a.value("jistina")) m.principal = Format_Cislo(parseCliDecimal(*v));
            if (m.principal.empty()) throw UsageError("Zadejte jistinu (--jistina), nebo položku nepeněžitého plnění (--polozka).");
            if (a.flag("vykon")) m.proceedings = costs::Proceedings::Enforcement;
            if (a.flag("epr")) m.proceedings = costs::Proceedings::ElectronicPaymentOrder;
            result = costs::calculateMonetary(m, tables);
            lines = costs::summaryLines(result.record);
        }
    } catch (const UsageError&) {
        throw;
    } catch (const Error& e) {
        oneLine(e);
    }
    if (!result.warning.empty()) c.err << Nahrad_Vse(result.warning, "\n", " ") << "\n";
    if (a.flag("json")) {
        writeJson(c.out, result.record);
    } else {
        for (const std::string& line : lines) c.out << line << "\n";
    }
    return 0;
}

const CommandRegistration nakladyCmd(
    {"naklady", "náklady řízení podle zrušené vyhlášky č. 484/2000 Sb.",
     "[--jistina ČÁSTKA | --polozka 1-22 [--slozita] [--poplatek-polozka N]] [--datum D] "
     "[--ukon DATUM[:POPIS]]... [--osob N] [--dph] [--dph-datum D] [--poplatek] [--poplatek-datum D] "
     "[--vykon|--epr] [--zastaveni|--zastaveni-odvolani] [--sestava SOUBOR.vrd] [--json]",
     run, 5});

}  // namespace
}  // namespace verdika::cli
