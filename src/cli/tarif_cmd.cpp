// verdika-cli tarif: the attorney's fee under decree 177/1996 Sb., as the page
// "Advokátní tarif" computes it, from arguments or from a saved calculation.
#include <filesystem>
#include <ostream>

#include "cli/cli.h"
#include "common/errors.h"
#include "common/files.h"
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
    Json acts = Json::array();
    for (size_t i = 0; i < c.acts.size(); ++i) {
        const auto& a = c.acts[i];
        const auto& v = c.vat[i];
        acts.push_back({{"datum", jsonDate(a.date)},
                        {"popis", a.description},
                        {"druh", a.fullAct ? tariff::kFullActKind : tariff::kHalfActKind},
                        {"tarifni_zaklad", money(c.tariffBases[i])},
                        {"zneni_sazby", a.scaleVersion},
                        {"zneni_specialni", a.specialVersion},
                        {"odmena", money(a.fee)},
                        {"rezijni_pausal", money(a.lumpSum)},
                        {"sazba_dph", v.rate},
                        {"dph_z_odmeny", money(v.onFee)},
                        {"dph_z_rp", money(v.onLumpSum)},
                        {"celkem", money(a.fee + a.lumpSum + v.onFee + v.onLumpSum)}});
    }
    printJson(out, Json{{"druh", c.kind},
                        {"odmena", money(c.feeTotal)},
                        {"rezijni_pausaly", money(c.lumpSumTotal)},
                        {"dph_z_odmeny", money(c.vatOnFees)},
                        {"dph_z_rp", money(c.vatOnLumpSums)},
                        {"dph_celkem", money(c.vatTotal())},
                        {"celkem", money(c.grandTotal())},
                        {"ukony_11_1", c.fullActs},
                        {"ukony_11_2", c.halfActs},
                        {"zruseno_14b", r.par14bRemoved},
                        {"ukony", acts}});
}

std::string kindList() {
    std::string text = "druh řízení (výchozí 0; u sestavy její druh):";
    for (int k = 0; k < tariff::kKindCount; ++k) {
        const std::string paragraph = tariff::kindParagraph(k);
        text += "\n  " + std::to_string(k) + " – " + tariff::kindName(k) + (paragraph.empty() ? "" : " (" + paragraph + ")");
    }
    return text;
}

class Tarif final : public Subcommand {
    std::optional<double> value, percent;
    std::optional<std::int64_t> kind, persons;
    std::vector<std::string> acts;
    std::optional<std::string> savedFile;
    bool vat = false, halve = false, triple = false, exOffo = false, appointed = false, guardian = false,
         par14b = false, json = false;

    void define(Options& o) override {
        o.amount("--hodnota", value, "tarifní hodnota (nutná u druhu 0, Peněžité plnění)");
        o.integer("--druh", kind, "N", kindList(), 0, tariff::kKindCount - 1);
        o.texts("--ukon", acts, "DATUM:DRUH[:POPIS]",
                "úkon právní služby\n"
                "DRUH je úkon nebo půl-úkon (i bez diakritiky);\n"
                "bez --ukon jeden úkon s dnešním datem");
        o.integer("--osob", persons, "N", "počet zastupovaných osob (§ 12 odst. 4), 0 až 100; výchozí 1", 0, 100);
        o.flag("--dph", vat, "advokát je plátce DPH");
        auto h = o.flag("--polovina", halve, "snížení odměny na polovinu (§ 12 odst. 2)");
        auto t = o.flag("--trojnasobek", triple, "zvýšení až na trojnásobek (§ 12 odst. 1)");
        h.excludes(t);
        o.number("--procento", percent, "P", "úprava odměny o P % (záporné snižuje, nejvýše o 100)", Sign::Any);
        const Opt special[] = {o.flag("--ex-offo", exOffo, "obhájce ex offo (§ 12a)"),
                               o.flag("--12a", appointed, "ustanovený zástupce (§ 12a)"),
                               o.flag("--12c", guardian, "opatrovník dítěte (§ 12c)"),
                               o.flag("--14b", par14b, "řízení o náhradě podle § 14b")};
        for (size_t i = 0; i < std::size(special); ++i)
            for (size_t j = i + 1; j < std::size(special); ++j) special[i].excludes(special[j]);
        o.text("--sestava", savedFile, "SOUBOR.vrd",
               "uložená sestava výpočtu; přepínače zadané k ní její údaje mění");
        o.json(json);
    }

    tariff::TariffForm loadSaved() const {
        const auto path = pathFromUtf8(*savedFile);
        if (!std::filesystem::exists(path)) throw UsageError("Sestava „" + *savedFile + "“ neexistuje.");
        tariff::TariffForm form = tariff::loadCalculation(path);
        try {
            bool on = false;
            double p = 0;
            tariff::readPercentage(form.adjustment == tariff::FeeAdjustment::Raise,
                                   form.adjustment == tariff::FeeAdjustment::Lower, form.raiseText, form.lowerText, on,
                                   p);
        } catch (const ConversionError& e) {
            throw UsageError(std::string(e.what()) + " (procentní úprava v sestavě)");
        }
        return form;
    }

    // The options given change the form (of the saved calculation, if any).
    void applyOptions(tariff::TariffForm& form) const {
        if (value) form.tariffValue = Format_Cislo(*value);
        if (kind) form.kind = static_cast<int>(*kind);
        if (!form.kind) throw UsageError("Sestava nemá platný druh řízení; zadejte --druh.");
        if (*form.kind == 0 && form.tariffValue.empty()) throw UsageError("Zadejte tarifní hodnotu (--hodnota).");
        if (*form.kind != 0 && form.tariffValue.empty()) form.tariffValue = "0";
        if (!acts.empty()) {
            form.acts.clear();
            for (const std::string& spec : acts) form.acts.push_back(parseAct(spec));
        }
        if (persons) form.persons = static_cast<int>(*persons);
        if (vat) form.vatPayer = true;
        if (triple) form.scaling = tariff::Scaling::Triple;
        if (halve) form.scaling = tariff::Scaling::Halve;
        if (percent) {
            if (*percent < -100) throw UsageError("Odměnu nelze snížit o více než 100 % (--procento).");
            tariff::setPercentage(form, *percent);
        }
        if (exOffo) form.appointment = tariff::Appointment::ExOfficioDefence;
        if (appointed) form.appointment = tariff::Appointment::Representative;
        if (guardian) form.appointment = tariff::Appointment::ChildsGuardian;
        if (par14b) {
            form.par14b = true;
            form.appointment = tariff::Appointment::None;
        } else if (exOffo || appointed || guardian) {
            form.par14b = false;
        }
    }

    int run(Context& c) override {
        tariff::TariffForm form = savedFile ? loadSaved() : tariff::TariffForm{};
        form.defaultDate = today();
        applyOptions(form);

        const auto tables = tariff::Tables::load(c.paths.programDir);
        const tariff::TariffResult r = tariff::Vypocitat(form, tables);
        if (r.par14bRemoved) c.err << tariff::k14bRemovedMessage << "\n";
        if (json) {
            writeJson(c.out, r);
        } else {
            for (const std::string& line : tariff::summaryLines(r.calc)) c.out << line << "\n";
        }
        return 0;
    }
};

const Register<Tarif> reg(
    {"tarif", "odměna advokáta podle vyhlášky č. 177/1996 Sb. (advokátní tarif)", 10,
     "verdika-cli tarif --hodnota 100.000 --dph --ukon 15.3.2025:úkon --ukon '2.4.2025:půl-úkon:výzva'",
     "shrnutí výpočtu jako na stránce Advokátní tarif: úkony podle data s odměnou,\n"
     "režijním paušálem a DPH, pak součty.\n"
     "--json: druh, odmena, rezijni_pausaly, dph_z_odmeny, dph_z_rp, dph_celkem, celkem,\n"
     "ukony_11_1, ukony_11_2, zruseno_14b, ukony [{datum, popis, druh, tarifni_zaklad,\n"
     "zneni_sazby, zneni_specialni, odmena, rezijni_pausal, sazba_dph, dph_z_odmeny, dph_z_rp, celkem}]"});

}  // namespace
}  // namespace verdika::cli
