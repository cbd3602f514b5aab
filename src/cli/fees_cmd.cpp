// verdika-cli poplatek | notar | exekutor | insolvence: the fee pages from the shell.
#include <ostream>

#include "cli/cli.h"
#include "common/errors.h"
#include "common/json.h"
#include "common/numbers.h"
#include "fees/court_fee.h"
#include "fees/executor_fee.h"
#include "fees/insolvency_fee.h"
#include "fees/notary_fee.h"

namespace verdika::cli {
namespace {

IniFile shippedTable(const Context& c, std::string_view name) {
    IniFile t = IniFile::load(c.paths.programDir / name);
    if (!t.exists()) throw DataError("Tabulka " + std::string(name) + " v adresáři programu chybí.");
    return t;
}

int itemArgument(const Args& a, size_t count) {
    if (!a.value("polozka")) throw UsageError("Zadejte položku: --polozka N (seznam vypíše --seznam).");
    const std::int64_t item = a.integer("polozka", 0);
    if (item < 1 || item > static_cast<std::int64_t>(count))
        throw UsageError("Položka " + std::to_string(item) + " v seznamu není (položky 1 až " +
                         std::to_string(count) + ").");
    return static_cast<int>(item);
}

int printList(Context& c, const std::vector<std::string>& items, bool json) {
    if (json) {
        JsonWriter w;
        w.beginArray();
        for (size_t i = 0; i < items.size(); ++i)
            w.beginObject().field("polozka", static_cast<int>(i + 1)).field("nazev", items[i]).endObject();
        w.endArray();
        c.out << w.str() << "\n";
    } else {
        for (size_t i = 0; i < items.size(); ++i) c.out << i + 1 << ": " << items[i] << "\n";
    }
    return 0;
}

double amountArgument(const Args& a, const char* name) {
    const double v = a.decimal(name, 0);
    if (v < 0) throw UsageError("Částka --" + std::string(name) + " nesmí být záporná.");
    return v;
}

int countArgument(const Args& a, const char* name) {
    const std::int64_t v = a.integer(name, 0);
    if (v < 0 || v > 1200) throw UsageError("Počet měsíců --" + std::string(name) + " musí být 0 až 1200.");
    return static_cast<int>(v);
}

// ---- poplatek ----

int courtFeeCommand(Context& c) {
    Args a(c.args, {"json", "seznam"}, {"polozka", "zaklad", "datum"});
    const IniFile table = shippedTable(c, fees::kCourtFeeTable);
    const auto items = fees::courtFeeItems(table);
    if (a.flag("seznam")) return printList(c, items, a.flag("json"));
    const int item = itemArgument(a, items.size());
    const double principal = amountArgument(a, "zaklad");
    const Date date = a.date("datum").value_or(today());
    const auto r = fees::courtFee(table, item, date, principal);
    if (a.flag("json")) {
        JsonWriter w;
        w.beginObject()
            .field("polozka", item)
            .field("nazev", items[static_cast<size_t>(item - 1)])
            .field("datum", formatDate(date))
            .field("zneni", r.version)
            .field("z_jistiny", r.fromPrincipal);
        if (r.fromPrincipal) w.field("zaklad", fees::courtFeeBase(date, principal));
        w.field("uvedeno", r.listed).field("poplatek", r.fee).field("poplatek_text", Format_Castky(r.fee)).endObject();
        c.out << w.str() << "\n";
        return 0;
    }
    c.out << item << ": " << items[static_cast<size_t>(item - 1)] << "\n"
          << "Účinnost: " << formatDate(date) << " (znění sazebníku od " << r.version << ")\n";
    if (r.fromPrincipal) c.out << "Základ: " << Format_Castky(principal) << "\n";
    if (!r.listed) c.out << "Pro zvolené datum tabulka tento poplatek neuvádí – ověřte jej v sazebníku.\n";
    c.out << "Soudní poplatek: " << Format_Castky(r.fee) << "\n";
    return 0;
}

// ---- notar ----

int notaryCommand(Context& c) {
    Args a(c.args, {"json", "seznam"}, {"polozka", "hodnota"});
    const auto& items = fees::notaryItems();
    if (a.flag("seznam")) return printList(c, items, a.flag("json"));
    const int item = itemArgument(a, items.size());
    const double value = amountArgument(a, "hodnota");
    const auto r = fees::notaryFee(shippedTable(c, fees::kNotaryTable), item, value);
    if (a.flag("json")) {
        JsonWriter w;
        w.beginObject().field("polozka", item).field("nazev", items[static_cast<size_t>(item - 1)]);
        w.field("pevna_odmena", !r.tariffEnabled);
        if (r.tariffEnabled) w.field("tarifni_hodnota", value);
        w.field("odmena", r.fee).field("odmena_text", Format_Castky(r.fee)).field("poznamka", r.note).endObject();
        c.out << w.str() << "\n";
        return 0;
    }
    c.out << item << ": " << items[static_cast<size_t>(item - 1)] << "\n";
    if (r.tariffEnabled) c.out << "Tarifní hodnota: " << Format_Castky(value) << "\n";
    c.out << "Odměna: " << Format_Castky(r.fee) << "\n";
    if (!r.note.empty()) c.out << "Poznámka k výpočtu: " << r.note << "\n";
    return 0;
}

// ---- exekutor ----

int executorCommand(Context& c) {
    Args a(c.args, {"json", "seznam", "zaloha", "splni"}, {"polozka", "hodnota"});
    const auto& items = fees::executorItems();
    if (a.flag("seznam")) return printList(c, items, a.flag("json"));
    const int item = itemArgument(a, items.size());
    const double value = amountArgument(a, "hodnota");
    const IniFile table = shippedTable(c, fees::kExecutorTable);
    const auto r = fees::executorFee(table, item, a.flag("splni"), a.flag("zaloha"), value);
    if (a.flag("zaloha") && !r.advanceEnabled)
        throw UsageError("Položka " + std::to_string(item) + " nemá zálohu (--zaloha).");
    if (a.flag("splni") && !r.voluntaryEnabled)
        throw UsageError("U položky " + std::to_string(item) + " se odměna při splnění po výzvě nesnižuje (--splni).");
    if (a.flag("json")) {
        JsonWriter w;
        w.beginObject().field("polozka", item).field("nazev", items[static_cast<size_t>(item - 1)]);
        w.field("pevna_odmena", !r.tariffEnabled);
        if (r.tariffEnabled) w.field("tarifni_hodnota", value).field("zaklad", fees::executorBase(value));
        w.field("zaloha", a.flag("zaloha")).field("splni", a.flag("splni"));
        w.field("odmena", r.fee).field("odmena_text", Format_Castky(r.fee)).field("poznamka", r.note).endObject();
        c.out << w.str() << "\n";
        return 0;
    }
    c.out << item << ": " << items[static_cast<size_t>(item - 1)] << "\n";
    if (r.tariffEnabled) c.out << "Tarifní hodnota: " << Format_Castky(value) << "\n";
    if (a.flag("splni")) c.out << "Povinný splní po výzvě (snížená odměna)\n";
    if (a.flag("zaloha")) c.out << "Záloha\n";
    c.out << "Odměna: " << Format_Castky(r.fee) << "\n";
    if (!r.note.empty()) c.out << "Poznámka k výpočtu: " << r.note << "\n";
    return 0;
}

// ---- insolvence ----

int insolvencyCommand(Context& c) {
    Args a(c.args, {"json"},
           {"verze", "zajistene", "nezajistene", "mesice-oddluzeni", "mesice-pred-schvalenim", "obrat",
            "mesice-reorganizace"});
    const IniFile table = shippedTable(c, fees::kInsolvencyTable);
    const auto versions = fees::insolvencyVersions(table);
    int index = fees::insolvencyVersionOn(versions, today());
    if (auto v = a.value("verze")) {
        index = -1;
        for (size_t i = 0; i < versions.size(); ++i)
            if (versions[i].prefix == *v || std::to_string(i) == *v) index = static_cast<int>(i);
        if (index < 0) {
            std::string known;
            for (size_t i = 0; i < versions.size(); ++i)
                known += (i ? ", " : "") + std::to_string(i) + " = " + versions[i].label;
            throw UsageError("Znění „" + *v + "“ neznám (--verze: " + known + ").");
        }
    }
    fees::InsolvencyInput in;
    in.version = versions[static_cast<size_t>(index)].prefix;
    in.secured = amountArgument(a, "zajistene");
    in.unsecured = amountArgument(a, "nezajistene");
    in.reliefMonths = countArgument(a, "mesice-oddluzeni");
    in.reliefMonthsBeforeApproval = countArgument(a, "mesice-pred-schvalenim");
    in.turnover = amountArgument(a, "obrat");
    in.reorganisationMonths = countArgument(a, "mesice-reorganizace");
    if (a.value("mesice-pred-schvalenim") && !fees::hasReliefRateBeforeApproval(table, in.version))
        throw UsageError("Znění „" + versions[static_cast<size_t>(index)].label +
                         "“ nemá zvláštní odměnu do schválení oddlužení (--mesice-pred-schvalenim).");
    if (in.reliefMonthsBeforeApproval > in.reliefMonths)
        throw UsageError("Měsíců do schválení oddlužení nemůže být víc než měsíců oddlužení.");
    const auto r = fees::computeInsolvency(table, in);
    const auto bankruptcy = fees::bankruptcyMemoLines(in, r);
    const auto reorganisation = fees::reorganisationMemoLines(in, r);
    if (a.flag("json")) {
        JsonWriter w;
        w.beginObject()
            .field("verze", in.version)
            .field("zneni", fees::insolvencyCaption(table, in.version))
            .key("konkurs")
            .beginObject()
            .key("zajisteni")
            .value(r.secured.fee)
            .key("nezajisteni")
            .value(r.unsecured.fee)
            .field("mimo_rozsah", !r.bankruptcyKnown)
            .field("celkem", r.bankruptcyTotal)
            .endObject()
            .field("oddluzeni", r.relief)
            .key("reorganizace")
            .beginObject()
            .field("mesicne", r.reorganisationMonthly)
            .field("celkem", r.reorganisation)
            .endObject()
            .key("konkurs_text")
            .beginArray();
        for (const auto& l : bankruptcy) w.value(l);
        w.endArray().key("reorganizace_text").beginArray();
        for (const auto& l : reorganisation) w.value(l);
        w.endArray().endObject();
        c.out << w.str() << "\n";
        return 0;
    }
    c.out << fees::insolvencyCaption(table, in.version) << " (" << versions[static_cast<size_t>(index)].label << ")\n\n";
    for (const auto& l : bankruptcy) c.out << l << "\n";
    c.out << "\n";
    for (const auto& l : reorganisation) c.out << l << "\n";
    return 0;
}

const CommandRegistration courtFeeCmd({"poplatek", "soudní poplatek podle položky sazebníku",
                                       "--polozka N [--zaklad ČÁSTKA] [--datum D] [--json] | --seznam [--json]",
                                       courtFeeCommand, 40});
const CommandRegistration notaryCmd({"notar", "odměna notáře podle notářského tarifu",
                                     "--polozka N [--hodnota ČÁSTKA] [--json] | --seznam [--json]", notaryCommand, 41});
const CommandRegistration executorCmd({"exekutor", "odměna exekutora podle exekutorského tarifu",
                                       "--polozka N [--hodnota ČÁSTKA] [--zaloha] [--splni] [--json] | --seznam [--json]",
                                       executorCommand, 42});
const CommandRegistration insolvencyCmd(
    {"insolvence", "odměna insolvenčního správce (konkurs, oddlužení, reorganizace)",
     "[--verze I] [--zajistene X] [--nezajistene Y] [--mesice-oddluzeni N] [--mesice-pred-schvalenim K] "
     "[--obrat T] [--mesice-reorganizace M] [--json]",
     insolvencyCommand, 43});

}  // namespace
}  // namespace verdika::cli
