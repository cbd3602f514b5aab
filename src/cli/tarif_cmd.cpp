// verdika-cli tarif: the attorney's fee under decree 177/1996 Sb., as the page
// "Advokátní tarif" computes it, from arguments or from a saved calculation.
#include <filesystem>
#include <ostream>

#include "cli/cli.h"
#include "common/errors.h"
#include "common/files.h"
#include "common/json.h"
#include "common/numbers.h"
#include "tariff/lists.h"
#include "tariff/saved_calculation.h"
#include "tariff/tariff.h"

namespace verdika::cli {
namespace {

// DATE:KIND[:DESCRIPTION]; KIND "úkon" or "půl-úkon" (also without accents).
tariff::ActRow parseAct(const std::string& spec) {
    const auto first = spec.find(':');
    if (first == std::string::npos)
        throw UsageError("Úkon „" + spec + "“ zadejte jako DATUM:úkon nebo DATUM:půl-úkon, případně s :POPISEM.");
    const auto second = spec.find(':', first + 1);
    const std::string date = spec.substr(0, first);
    const std::string kind = spec.substr(first + 1, second == std::string::npos ? std::string::npos : second - first - 1);
    std::string description = second == std::string::npos ? std::string() : spec.substr(second + 1);
    const auto d = tryParseDate(date);
    if (!d) throw UsageError("„" + date + "“ není platné datum (--ukon).");
    bool full;
    if (kind == tariff::kFullActKind || kind == "ukon") full = true;
    else if (kind == tariff::kHalfActKind || kind == "pul-ukon") full = false;
    else throw UsageError("Druh úkonu „" + kind + "“ neznám; zadejte úkon nebo půl-úkon (--ukon).");
    if (description.empty()) description = full ? "úkon" : "půlúkon";
    return {formatDate(*d), description, std::string(full ? tariff::kFullActKind : tariff::kHalfActKind)};
}

void writeJson(std::ostream& out, const tariff::TariffResult& r) {
    const tariff::TAdvokatni_Tarif& c = r.calc;
    JsonWriter j;
    j.beginObject();
    j.field("druh", c.kind);
    j.field("odmena", c.feeTotal);
    j.field("rezijni_pausaly", c.lumpSumTotal);
    j.field("dph_z_odmeny", c.vatOnFees);
    j.field("dph_z_rp", c.vatOnLumpSums);
    j.field("dph_celkem", c.vatTotal());
    j.field("celkem", c.grandTotal());
    j.field("ukony_11_1", c.fullActs);
    j.field("ukony_11_2", c.halfActs);
    j.field("zruseno_14b", r.par14bRemoved);
    j.key("ukony").beginArray();
    for (size_t i = 0; i < c.acts.size(); ++i) {
        const auto& a = c.acts[i];
        const auto& v = c.vat[i];
        j.beginObject();
        j.field("datum", formatDate(a.date));
        j.field("popis", a.description);
        j.field("druh", a.fullAct ? tariff::kFullActKind : tariff::kHalfActKind);
        j.field("tarifni_zaklad", c.tariffBases[i]);
        j.field("zneni_sazby", a.scaleVersion);
        j.field("zneni_specialni", a.specialVersion);
        j.field("odmena", a.fee);
        j.field("rezijni_pausal", a.lumpSum);
        j.field("sazba_dph", v.rate);
        j.field("dph_z_odmeny", v.onFee);
        j.field("dph_z_rp", v.onLumpSum);
        j.field("celkem", a.fee + a.lumpSum + v.onFee + v.onLumpSum);
        j.endObject();
    }
    j.endArray();
    j.endObject();
    out << j.str() << "\n";
}

int run(Context& c) {
    const Args a(c.args, {"dph", "polovina", "trojnasobek", "ex-offo", "12a", "12c", "14b", "json"},
                 {"hodnota", "druh", "ukon", "osob", "procento", "sestava"});
    if (!a.positional().empty()) throw UsageError("Neočekávaný argument „" + a.positional().front() + "“.");

    tariff::TariffInput in;
    in.kind = 0;
    in.defaultDate = today();
    if (auto file = a.value("sestava")) {
        const auto path = pathFromUtf8(*file);
        if (!std::filesystem::exists(path)) throw UsageError("Sestava „" + *file + "“ neexistuje.");
        const tariff::SavedCalculation s = tariff::loadCalculation(path);
        in.kind = s.kind;
        in.tariffValue = s.tariffValue;
        in.vatPayer = s.vatPayer;
        in.special = s.special;
        in.extraordinary = s.extraordinary;
        in.par14b = s.par14b;
        in.acts = s.acts;
        try {
            tariff::readPercentage(s.raiseOn, s.lowerOn, s.raiseText, s.lowerText, in.percentageOn, in.percentage);
        } catch (const ConversionError& e) {
            throw UsageError(std::string(e.what()) + " (procentní úprava v sestavě)");
        }
    }
    if (auto v = a.value("hodnota")) in.tariffValue = Format_Cislo(parseCliDecimal(*v));
    if (a.value("druh")) {
        const auto kind = a.integer("druh", 0);
        if (kind < 0 || kind >= tariff::kKindCount)
            throw UsageError("Druh řízení musí být číslo 0 až " + std::to_string(tariff::kKindCount - 1) + " (--druh).");
        in.kind = static_cast<int>(kind);
    }
    if (in.kind < 0 || in.kind >= tariff::kKindCount)
        throw UsageError("Sestava nemá platný druh řízení; zadejte --druh.");
    if (in.kind == 0 && in.tariffValue.empty()) throw UsageError("Zadejte tarifní hodnotu (--hodnota).");
    if (in.kind != 0 && in.tariffValue.empty()) in.tariffValue = "0";

    const auto acts = a.values("ukon");
    if (!acts.empty()) {
        in.acts.clear();
        for (const std::string& spec : acts) in.acts.push_back(parseAct(spec));
    }
    if (a.value("osob")) {
        const auto n = a.integer("osob", 1);
        if (n < 0 || n > 100) throw UsageError("Počet osob musí být 0 až 100 (--osob).");
        in.persons = static_cast<int>(n);
    }
    if (a.flag("dph")) in.vatPayer = true;
    if (a.flag("polovina") && a.flag("trojnasobek"))
        throw UsageError("--polovina a --trojnasobek se vylučují.");
    if (a.flag("trojnasobek")) in.extraordinary = 0;
    if (a.flag("polovina")) in.extraordinary = 1;
    if (a.value("procento")) {
        const double p = a.decimal("procento", 0);
        if (p < -100) throw UsageError("Odměnu nelze snížit o více než 100 % (--procento).");
        in.percentageOn = true;
        in.percentage = p;
    }
    const int specials = a.flag("ex-offo") + a.flag("12a") + a.flag("12c");
    if (specials > 1) throw UsageError("Zvolte nejvýše jednu z voleb --ex-offo, --12a, --12c.");
    if (a.flag("ex-offo")) in.special = 0;
    if (a.flag("12a")) in.special = 1;
    if (a.flag("12c")) in.special = 2;
    if (a.flag("14b")) {
        if (specials > 0) throw UsageError("--14b nelze kombinovat s --ex-offo, --12a ani --12c.");
        in.par14b = true;
        in.special = -1;
    } else if (specials > 0) {
        in.par14b = false;
    }

    const auto tables = tariff::Tables::load(c.paths.programDir);
    tariff::TariffResult r;
    try {
        r = tariff::Vypocitat(in, tables);
    } catch (const ConversionError& e) {
        throw UsageError(e.what());
    }
    if (r.par14bRemoved) c.err << tariff::k14bRemovedMessage << "\n";
    if (a.flag("json")) {
        writeJson(c.out, r);
    } else {
        for (const std::string& line : tariff::summaryLines(r.calc)) c.out << line << "\n";
    }
    return 0;
}

const CommandRegistration tarifCmd(
    {"tarif", "odměna advokáta podle vyhlášky č. 177/1996 Sb. (advokátní tarif)",
     "[--hodnota ČÁSTKA] [--druh 0-34] [--ukon DATUM:úkon|půl-úkon[:POPIS]]... [--osob N] [--dph] "
     "[--polovina|--trojnasobek] [--procento P] [--ex-offo|--12a|--12c|--14b] [--sestava SOUBOR.vrd] [--json]",
     run, 10});

}  // namespace
}  // namespace verdika::cli
