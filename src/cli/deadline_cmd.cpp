// verdika-cli lhuta, odpor, svatky, rozdil, ukoly: the deadline page and the
// task list from the shell.
#include <ostream>

#include "app/startup.h"
#include "calculators/compensation.h"
#include "cli/cli.h"
#include "common/errors.h"
#include "common/numbers.h"
#include "common/text.h"
#include "deadlines/deadline.h"
#include "deadlines/holidays.h"
#include "deadlines/task_store.h"

namespace verdika::cli {
namespace {

// The holiday act 245/2000 Sb. is the only law the calendar knows; earlier
// years had other days of rest (17.11. was none, 9.5. instead of 8.5.).
constexpr int kFirstHolidayActYear = 2000;

Date dateArgument(const std::string& text, const char* what) {
    try {
        return parseDate(text);
    } catch (const ConversionError& e) {
        throw UsageError(std::string(e.what()) + " (" + what + ")");
    }
}

void printDay(std::ostream& out, const char* caption, Date d, const std::vector<std::string>& reasons) {
    out << caption << ": " << formatDate(d) << ", " << weekdayName(d) << "\n";
    for (const auto& r : reasons) out << "  " << r << "\n";
}

class Lhuta final : public Subcommand {
    std::optional<Date> start;
    std::optional<std::int64_t> count, enforceability;
    std::optional<std::string> unit, suspension;
    bool json = false;

    void define(Options& o) override {
        o.date("--od", start, "den, kdy nastala skutečnost určující počátek lhůty").required();
        o.integer("--pocet", count, "N", "délka lhůty ve dnech, měsících nebo rocích", 0, 100000000).required();
        o.choice("--typ", unit, "TYP", "jednotka délky (výchozí dny):",
                 {{"dny", "lhůta ve dnech"}, {"mesice", "lhůta v měsících"}, {"roky", "lhůta v rocích"}});
        o.text("--staveni", suspension, "OD:DO", "lhůta neběžela od OD do DO (oba dny včetně), např. 10.5.2012:20.5.2012");
        o.integer("--vykonatelnost", enforceability, "K", "dní od konce lhůty do případné vykonatelnosti (výchozí 3)",
                  0, 10000);
        o.json(json);
    }

    int run(Context& c) override {
        DeadlineInput in;
        in.start = *start;
        in.count = *count;
        const std::string u = unit.value_or("dny");
        in.unit = u == "mesice" ? DeadlineUnit::Months : u == "roky" ? DeadlineUnit::Years : DeadlineUnit::Days;
        if (suspension) {
            const auto colon = suspension->find(':');
            if (colon == std::string::npos) throw UsageError("Stavení se zadává jako OD:DO, např. 10.5.2012:20.5.2012.");
            const Suspension s{dateArgument(suspension->substr(0, colon), "--staveni"),
                               dateArgument(suspension->substr(colon + 1), "--staveni")};
            if (s.to < s.from) throw UsageError("Stavení končí dříve, než začíná (--staveni " + *suspension + ").");
            in.suspension = s;
        }
        in.enforceabilityDays = enforceability.value_or(3);
        const DeadlineResult r = computeDeadline(in);
        if (json) {
            Json j{{"konec", jsonDate(r.end)},
                   {"konec_den", weekdayName(r.end)},
                   {"konec_posun", r.endReasons},
                   {"vykonatelnost", jsonDate(r.enforceability)},
                   {"vykonatelnost_den", weekdayName(r.enforceability)},
                   {"vykonatelnost_posun", r.enforceabilityReasons}};
            if (r.suspension) j["staveni"] = {{"od", jsonDate(r.suspension->from)}, {"do", jsonDate(r.suspension->to)}};
            printJson(c.out, j);
            return 0;
        }
        printDay(c.out, "Konec lhůty", r.end, r.endReasons);
        printDay(c.out, "Případná vykonatelnost", r.enforceability, r.enforceabilityReasons);
        return 0;
    }
};

class Odpor final : public Subcommand {
    std::optional<Date> deposited;
    std::optional<std::string> days;
    bool json = false;

    void define(Options& o) override {
        o.date("--ulozeno", deposited, "den, kdy byla zásilka uložena na poště").required();
        o.choice("--lhuta", days, "DNY", "lhůta po doručení (výchozí 15):",
                 {{"15", "odpor proti platebnímu rozkazu, odvolání"}, {"8", "osmidenní lhůta"}, {"3", "třídenní lhůta"}});
        o.json(json);
    }

    int run(Context& c) override {
        const int n = std::stoi(days.value_or("15"));
        const auto lines = appealAidLines(*deposited, n);
        if (json) {
            printJson(c.out, Json{{"ulozeno", jsonDate(*deposited)}, {"lhuta", n}, {"radky", lines}});
            return 0;
        }
        for (const auto& l : lines) c.out << l << "\n";
        return 0;
    }
};

class Svatky final : public Subcommand {
    std::optional<std::int64_t> year;
    bool json = false;

    void define(Options& o) override {
        o.integer("--rok", year, "ROK",
                  "rok " + std::to_string(kFirstHolidayActYear) + " až " + std::to_string(kLastCalendarYear) +
                      " (svátky podle zákona č. 245/2000 Sb.)",
                  kFirstHolidayActYear, kLastCalendarYear)
            .required();
        o.json(json);
    }

    int run(Context& c) override {
        const auto days = publicHolidays(static_cast<int>(*year));
        if (json) {
            Json list = Json::array();
            for (const auto& [day, name] : days)
                list.push_back({{"datum", jsonDate(day)}, {"den", weekdayName(day)}, {"nazev", name}});
            printJson(c.out, list);
            return 0;
        }
        for (const auto& [day, name] : days) c.out << formatDate(day) << " " << name << "\n";
        return 0;
    }
};

class Rozdil final : public Subcommand {
    std::vector<std::string> dates;
    bool json = false;

    void define(Options& o) override {
        o.positionals("data", dates, "D1 D2", "dvě data d.m.rrrr, dřívější první");
        o.json(json);
    }

    int run(Context& c) override {
        if (dates.size() != 2) throw UsageError("Zadejte dvě data: verdika-cli rozdil D1 D2.");
        const Date from = dateArgument(dates[0], "D1"), to = dateArgument(dates[1], "D2");
        if (to < from)
            throw UsageError("Druhé datum " + dates[1] + " je dřívější než první " + dates[0] + "; zadejte je v pořadí.");
        if (json) {
            const auto d = compensationDuration(from, to);
            printJson(c.out, Json{{"od", jsonDate(from)}, {"do", jsonDate(to)}, {"dnu", d.days}, {"roku", d.years},
                                  {"dnu_nad_roky", d.rest}});
            return 0;
        }
        c.out << dateDifferenceText(from, to) << "\n";
        return 0;
    }
};

class Ukoly final : public Subcommand {
    bool all = false, json = false;

    void define(Options& o) override {
        o.flag("--vse", all, "všechny úkoly; bez něj jen nesplněné od včerejška dál");
        o.json(json);
    }

    int run(Context& c) override {
        // As at the program's start: a fresh data directory gets its folders and an empty task list.
        prepareDataDirectory(c.paths);
        TaskStore store = TaskStore::open(c.paths.dataDir / kTasksDatabase);
        const auto tasks = store.openTasks(now(), all);
        if (json) {
            Json list = Json::array();
            for (const Task& t : tasks)
                list.push_back({{"datum", jsonDate(t.datum.date)},
                                {"cas", t.datum.seconds ? Json(formatTime(t.datum.seconds)) : Json(nullptr)},
                                {"splneno", t.splneno},
                                {"dny_do", t.zbyvajici},
                                {"nazev", t.nazev},
                                {"poznamka", t.poznamka}});
            printJson(c.out, list);
            return 0;
        }
        c.out << "Datum\tSplněno\tDny do\tNázev\tPoznámka\n";
        for (const Task& t : tasks) {
            std::string when = formatDate(t.datum.date);
            if (t.datum.seconds) when += " " + formatTime(t.datum.seconds);
            c.out << when << "\t" << (t.splneno ? "ANO" : "NE") << "\t" << Format_Cislo(t.zbyvajici) << "\t"
                  << Jeden_Radek(t.nazev) << "\t" << Jeden_Radek(t.poznamka) << "\n";
        }
        return 0;
    }
};

const Register<Lhuta> lhuta({"lhuta", "konec lhůty a případná vykonatelnost", 70,
                             "verdika-cli lhuta --od 1.3.2013 --pocet 15 --staveni 5.3.2013:8.3.2013",
                             "Konec lhůty: DATUM, DEN V TÝDNU, pod ním řádky o posunu přes víkend a svátek;\n"
                             "totéž pro případnou vykonatelnost.\n"
                             "--json: konec, konec_den, konec_posun, vykonatelnost, vykonatelnost_den,\n"
                             "vykonatelnost_posun (seznamy řádků), staveni {od, do}"});
const Register<Odpor> odpor({"odpor", "automatická lhůtní pomůcka (uložená zásilka)", 71,
                             "verdika-cli odpor --ulozeno 2.1.2013 --lhuta 8",
                             "řádky pomůcky: doručení fikcí (10. den), konec lhůty a právní moc,\n"
                             "pod čarou totéž při vyzvednutí v den uložení.\n"
                             "--json: ulozeno, lhuta, radky (řádky pomůcky)"});
const Register<Svatky> svatky({"svatky", "státní a ostatní svátky roku", 72, "verdika-cli svatky --rok 2026",
                               "jeden svátek na řádek: DATUM NÁZEV, podle data.\n"
                               "--json: seznam {datum, den, nazev}"});
const Register<Rozdil> rozdil({"rozdil", "rozdíl dvou dat ve dnech", 73, "verdika-cli rozdil 1.1.2012 1.1.2013",
                               "Rozdíl dat je celkem DNŮ, což je R roků a D dnů. (roky po 365 dnech)\n"
                               "--json: od, do, dnu, roku, dnu_nad_roky"});
const Register<Ukoly> ukoly({"ukoly", "úkoly z úkolníčku datového adresáře", 74, "verdika-cli ukoly --vse",
                             "tabulka oddělená tabulátory: Datum, Splněno (ANO/NE), Dny do, Název, Poznámka.\n"
                             "--json: seznam {datum, cas (nebo null), splneno, dny_do, nazev, poznamka}\n"
                             "V novém datovém adresáři nejdřív založí složky a prázdný úkolníček."});

}  // namespace
}  // namespace verdika::cli
