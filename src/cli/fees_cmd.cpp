// verdika-cli poplatek | notar | exekutor | insolvence: the fee pages from the shell.
#include <ostream>

#include "cli/cli.h"
#include "common/errors.h"
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

int checkedItem(const std::optional<std::int64_t>& item, size_t count) {
    if (!item) throw UsageError("Zadejte položku: --polozka N (seznam vypíše --seznam).");
    if (*item < 1 || *item > static_cast<std::int64_t>(count))
        throw UsageError("Položka " + std::to_string(*item) + " v seznamu není (položky 1 až " + std::to_string(count) +
                         ").");
    return static_cast<int>(*item);
}

int printList(Context& c, const std::vector<std::string>& items, bool json) {
    if (json) {
        Json list = Json::array();
        for (size_t i = 0; i < items.size(); ++i) list.push_back({{"polozka", i + 1}, {"nazev", items[i]}});
        printJson(c.out, list);
    } else {
        for (size_t i = 0; i < items.size(); ++i) c.out << i + 1 << ": " << items[i] << "\n";
    }
    return 0;
}

// The options of the three item lists: --polozka, --seznam, --json.
struct ItemOptions {
    std::optional<std::int64_t> item;
    bool list = false, json = false;
    void define(Options& o, const char* what) {
        o.integer("--polozka", item, "N", std::string(what) + " (číslo ze seznamu --seznam)", 1, 1000);
        o.flag("--seznam", list, "vypíše očíslovaný seznam položek a skončí");
        o.json(json);
    }
};

// The notary's and the executor's fee, printed the same way; each adds its own lines.
struct ItemFee {
    int item = 0;
    std::string name;
    bool fromValue = false;  // the fee follows from the tariff value
    double value = 0;
    double fee = 0;
    std::string note;

    void print(Context& c, bool json, const Json& extra, const std::vector<std::string>& extraLines) const {
        if (json) {
            Json j{{"polozka", item}, {"nazev", name}, {"pevna_odmena", !fromValue}};
            if (fromValue) j["tarifni_hodnota"] = money(value);
            for (const auto& [k, v] : extra.items()) j[k] = v;
            j["odmena"] = money(fee);
            j["odmena_text"] = Format_Castky(fee);
            j["poznamka"] = note;
            printJson(c.out, j);
            return;
        }
        c.out << item << ": " << name << "\n";
        if (fromValue) c.out << "Tarifní hodnota: " << Format_Castky(value) << "\n";
        for (const auto& l : extraLines) c.out << l << "\n";
        c.out << "Odměna: " << Format_Castky(fee) << "\n";
        if (!note.empty()) c.out << "Poznámka k výpočtu: " << note << "\n";
    }
};

// ---- poplatek ----

class Poplatek final : public Subcommand {
    ItemOptions items;
    std::optional<double> principal;
    std::optional<Date> date;

    void define(Options& o) override {
        items.define(o, "položka sazebníku soudních poplatků");
        o.amount("--zaklad", principal, "částka, z níž se poplatek počítá (u položek z jistiny)");
        o.date("--datum", date, "den, ke kterému se poplatek počítá (výchozí dnes)");
    }

    int run(Context& c) override {
        const IniFile table = shippedTable(c, fees::kCourtFeeTable);
        const auto names = fees::courtFeeItems(table);
        if (items.list) return printList(c, names, items.json);
        const int item = checkedItem(items.item, names.size());
        const double base = principal.value_or(0);
        const Date day = date.value_or(today());
        const auto r = fees::courtFee(table, item, day, base);
        const std::string& name = names[static_cast<size_t>(item - 1)];
        if (items.json) {
            Json j{{"polozka", item}, {"nazev", name}, {"datum", jsonDate(day)}, {"zneni", r.version},
                   {"z_jistiny", r.fromPrincipal}};
            if (r.fromPrincipal) j["zaklad"] = money(fees::courtFeeBase(day, base));
            j["uvedeno"] = r.listed;
            j["poplatek"] = money(r.fee);
            j["poplatek_text"] = Format_Castky(r.fee);
            printJson(c.out, j);
            return 0;
        }
        c.out << item << ": " << name << "\n"
              << "Účinnost: " << formatDate(day) << " (znění sazebníku od " << r.version << ")\n";
        if (r.fromPrincipal) c.out << "Základ: " << Format_Castky(base) << "\n";
        if (!r.listed) c.out << "Pro zvolené datum tabulka tento poplatek neuvádí – ověřte jej v sazebníku.\n";
        c.out << "Soudní poplatek: " << Format_Castky(r.fee) << "\n";
        return 0;
    }
};

// ---- notar ----

class Notar final : public Subcommand {
    ItemOptions items;
    std::optional<double> value;

    void define(Options& o) override {
        items.define(o, "položka notářského tarifu");
        o.amount("--hodnota", value, "tarifní hodnota (u položek s odměnou z hodnoty)");
    }

    int run(Context& c) override {
        const auto& names = fees::notaryItems();
        if (items.list) return printList(c, names, items.json);
        const int item = checkedItem(items.item, names.size());
        const double v = value.value_or(0);
        const auto r = fees::notaryFee(shippedTable(c, fees::kNotaryTable), item, v);
        const ItemFee shown{item, names[static_cast<size_t>(item - 1)], r.tariffEnabled, v, r.fee, r.note};
        shown.print(c, items.json, Json::object(), {});
        return 0;
    }
};

// ---- exekutor ----

class Exekutor final : public Subcommand {
    ItemOptions items;
    std::optional<double> value;
    bool advance = false, voluntary = false;

    void define(Options& o) override {
        items.define(o, "položka exekutorského tarifu");
        o.amount("--hodnota", value, "tarifní hodnota (u položek s odměnou z hodnoty)");
        o.flag("--zaloha", advance, "záloha (jen u položek, které ji mají)");
        o.flag("--splni", voluntary, "povinný splní ve lhůtě 15 dnů po výzvě (§ 11, snížená odměna)");
    }

    int run(Context& c) override {
        const auto& names = fees::executorItems();
        if (items.list) return printList(c, names, items.json);
        const int item = checkedItem(items.item, names.size());
        const double v = value.value_or(0);
        const auto r = fees::executorFee(shippedTable(c, fees::kExecutorTable), item, voluntary, advance, v);
        if (advance && !r.advanceEnabled)
            throw UsageError("Položka " + std::to_string(item) + " nemá zálohu (--zaloha).");
        if (voluntary && !r.voluntaryEnabled)
            throw UsageError("U položky " + std::to_string(item) + " se odměna při splnění po výzvě nesnižuje (--splni).");
        Json extra = Json::object();
        if (r.tariffEnabled) extra["zaklad"] = money(fees::executorBase(v));
        extra["zaloha"] = advance;
        extra["splni"] = voluntary;
        std::vector<std::string> lines;
        if (voluntary) lines.push_back("Povinný splní po výzvě (snížená odměna)");
        if (advance) lines.push_back("Záloha");
        const ItemFee shown{item, names[static_cast<size_t>(item - 1)], r.tariffEnabled, v, r.fee, r.note};
        shown.print(c, items.json, extra, lines);
        return 0;
    }
};

// ---- insolvence ----

class Insolvence final : public Subcommand {
    std::optional<std::string> version;
    std::optional<double> secured, unsecured, turnover;
    std::optional<std::int64_t> reliefMonths, monthsBeforeApproval, reorganisationMonths;
    bool json = false;

    void define(Options& o) override {
        o.text("--verze", version, "I",
               "znění vyhlášky: pořadové číslo (0 původní znění) nebo den účinnosti;\n"
               "výchozí znění platné dnes; neznámé znění vypíše seznam");
        o.amount("--zajistene", secured, "výtěžek zpeněžení pro zajištěné věřitele");
        o.amount("--nezajistene", unsecured, "výtěžek zpeněžení pro nezajištěné věřitele");
        o.integer("--mesice-oddluzeni", reliefMonths, "N", "počet měsíců oddlužení, 0 až 1200", 0, 1200);
        o.integer("--mesice-pred-schvalenim", monthsBeforeApproval, "K",
                  "z nich měsíců do schválení oddlužení (jen u znění, která to rozlišují)", 0, 1200);
        o.amount("--obrat", turnover, "průměrný měsíční obrat dlužníka při reorganizaci");
        o.integer("--mesice-reorganizace", reorganisationMonths, "M", "počet měsíců reorganizace, 0 až 1200", 0, 1200);
        o.json(json);
    }

    int versionIndex(const std::vector<fees::InsolvencyVersion>& versions) const {
        if (!version) return fees::insolvencyVersionOn(versions, today());
        for (size_t i = 0; i < versions.size(); ++i)
            if (versions[i].prefix == *version || std::to_string(i) == *version) return static_cast<int>(i);
        std::string known;
        for (size_t i = 0; i < versions.size(); ++i)
            known += (i ? ", " : "") + std::to_string(i) + " = " + versions[i].label;
        throw UsageError("Znění „" + *version + "“ neznám (--verze: " + known + ").");
    }

    int run(Context& c) override {
        const IniFile table = shippedTable(c, fees::kInsolvencyTable);
        const auto versions = fees::insolvencyVersions(table);
        const auto& chosen = versions[static_cast<size_t>(versionIndex(versions))];
        fees::InsolvencyInput in;
        in.version = chosen.prefix;
        in.secured = secured.value_or(0);
        in.unsecured = unsecured.value_or(0);
        in.reliefMonths = static_cast<int>(reliefMonths.value_or(0));
        in.reliefMonthsBeforeApproval = static_cast<int>(monthsBeforeApproval.value_or(0));
        in.turnover = turnover.value_or(0);
        in.reorganisationMonths = static_cast<int>(reorganisationMonths.value_or(0));
        if (monthsBeforeApproval && !fees::hasReliefRateBeforeApproval(table, in.version))
            throw UsageError("Znění „" + chosen.label +
                             "“ nemá zvláštní odměnu do schválení oddlužení (--mesice-pred-schvalenim).");
        if (in.reliefMonthsBeforeApproval > in.reliefMonths)
            throw UsageError("Měsíců do schválení oddlužení nemůže být víc než měsíců oddlužení.");
        const auto r = fees::computeInsolvency(table, in);
        const auto bankruptcy = fees::bankruptcyMemoLines(in, r);
        const auto reorganisation = fees::reorganisationMemoLines(in, r);
        if (json) {
            printJson(c.out, Json{{"verze", in.version},
                                  {"zneni", fees::insolvencyCaption(table, in.version)},
                                  {"konkurs",
                                   {{"zajisteni", money(r.secured.fee)},
                                    {"nezajisteni", money(r.unsecured.fee)},
                                    {"mimo_rozsah", !r.bankruptcyKnown},
                                    {"celkem", money(r.bankruptcyTotal)}}},
                                  {"oddluzeni", money(r.relief)},
                                  {"reorganizace",
                                   {{"mesicne", money(r.reorganisationMonthly)}, {"celkem", money(r.reorganisation)}}},
                                  {"konkurs_text", bankruptcy},
                                  {"reorganizace_text", reorganisation}});
            return 0;
        }
        c.out << fees::insolvencyCaption(table, in.version) << " (" << chosen.label << ")\n\n";
        for (const auto& l : bankruptcy) c.out << l << "\n";
        c.out << "\n";
        for (const auto& l : reorganisation) c.out << l << "\n";
        return 0;
    }
};

const Register<Poplatek> poplatek({"poplatek", "soudní poplatek podle položky sazebníku", 40,
                                   "verdika-cli poplatek --polozka 8 --zaklad 250.000 --datum 1.3.2024",
                                   "položka, znění sazebníku, základ a řádek „Soudní poplatek: ČÁSTKA“.\n"
                                   "--seznam: řádky „N: název položky“.\n"
                                   "--json: polozka, nazev, datum, zneni, z_jistiny, zaklad, uvedeno, poplatek,\n"
                                   "poplatek_text; se --seznam seznam {polozka, nazev}"});
const Register<Notar> notar({"notar", "odměna notáře podle notářského tarifu", 41,
                             "verdika-cli notar --polozka 3 --hodnota 1.000.000",
                             "položka, tarifní hodnota, „Odměna: ČÁSTKA“ a poznámka k výpočtu.\n"
                             "--seznam: řádky „N: název položky“.\n"
                             "--json: polozka, nazev, pevna_odmena, tarifni_hodnota, odmena, odmena_text, poznamka"});
const Register<Exekutor> exekutor({"exekutor", "odměna exekutora podle exekutorského tarifu", 42,
                                   "verdika-cli exekutor --polozka 1 --hodnota 120.000 --splni",
                                   "položka, tarifní hodnota, volby a „Odměna: ČÁSTKA“ s poznámkou.\n"
                                   "--seznam: řádky „N: název položky“.\n"
                                   "--json: polozka, nazev, pevna_odmena, tarifni_hodnota, zaklad, zaloha, splni,\n"
                                   "odmena, odmena_text, poznamka"});
const Register<Insolvence> insolvence(
    {"insolvence", "odměna insolvenčního správce (konkurs, oddlužení, reorganizace)", 43,
     "verdika-cli insolvence --zajistene 2.500.000 --nezajistene 3.000.000 --mesice-oddluzeni 60",
     "název znění, pak řádky výpočtu pro konkurs a oddlužení a pro reorganizaci.\n"
     "--json: verze, zneni, konkurs {zajisteni, nezajisteni, mimo_rozsah, celkem}, oddluzeni,\n"
     "reorganizace {mesicne, celkem}, konkurs_text, reorganizace_text"});

}  // namespace
}  // namespace verdika::cli
