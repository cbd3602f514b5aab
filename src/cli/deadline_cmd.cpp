// verdika-cli lhuta, odpor, svatky, rozdil, ukoly: the deadline page and the
// task list from the shell.
#include <filesystem>
#include <ostream>

#include "app/startup.h"
#include "cli/cli.h"
#include "common/errors.h"
#include "common/files.h"
#include "common/numbers.h"
#include "common/text.h"
#include "deadlines/deadline.h"
#include "deadlines/holidays.h"
#include "deadlines/task_store.h"

namespace verdika::cli {
namespace {

Date requiredDate(const Args& a, const std::string& name) {
    auto d = a.date(name);
    if (!d) throw UsageError("Chybí --" + name + " (datum d.m.rrrr).");
    return *d;
}

Date dateArgument(const std::string& text) {
    try {
        return parseDate(text);
    } catch (const ConversionError& e) {
        throw UsageError(e.what());
    }
}

void printDay(std::ostream& out, const char* caption, Date d, const std::vector<std::string>& reasons) {
    out << caption << ": " << formatDate(d) << ", " << weekdayName(d) << "\n";
    for (const auto& r : reasons) out << "  " << r << "\n";
}

int lhuta(Context& c) {
    Args a(c.args, {}, {"od", "pocet", "typ", "staveni", "vykonatelnost"});
    if (!a.positional().empty()) throw UsageError("Nadbytečný argument „" + a.positional().front() + "“.");
    DeadlineInput in;
    in.start = requiredDate(a, "od");
    if (!a.value("pocet")) throw UsageError("Chybí --pocet (počet dnů, měsíců nebo roků).");
    in.count = a.integer("pocet", 0);
    const std::string typ = a.value("typ").value_or("dny");
    if (typ == "dny") in.unit = DeadlineUnit::Days;
    else if (typ == "mesice" || typ == "měsíce") in.unit = DeadlineUnit::Months;
    else if (typ == "roky") in.unit = DeadlineUnit::Years;
    else throw UsageError("Neznámý typ lhůty „" + typ + "“ (dny, mesice nebo roky).");
    if (auto s = a.value("staveni")) {
        const auto colon = s->find(':');
        if (colon == std::string::npos) throw UsageError("Stavení se zadává jako OD:DO, např. 10.5.2012:20.5.2012.");
        in.suspension = Suspension{dateArgument(s->substr(0, colon)), dateArgument(s->substr(colon + 1))};
    }
    in.enforceabilityDays = a.integer("vykonatelnost", 3);
    DeadlineResult r;
    try {
        r = computeDeadline(in);
    } catch (const ConversionError& e) {
        throw UsageError(e.what());
    }
    printDay(c.out, "Konec lhůty", r.end, r.endReasons);
    printDay(c.out, "Případná vykonatelnost", r.enforceability, r.enforceabilityReasons);
    return 0;
}

int odpor(Context& c) {
    Args a(c.args, {}, {"ulozeno", "lhuta"});
    if (!a.positional().empty()) throw UsageError("Nadbytečný argument „" + a.positional().front() + "“.");
    const Date deposited = requiredDate(a, "ulozeno");
    const auto days = a.integer("lhuta", 15);
    if (days != 15 && days != 8 && days != 3) throw UsageError("Lhůta pro podání OP je 15, 8 nebo 3 dny.");
    try {
        for (const auto& l : appealAidLines(deposited, static_cast<int>(days))) c.out << l << "\n";
    } catch (const ConversionError& e) {
        throw UsageError(e.what());
    }
    return 0;
}

int svatky(Context& c) {
    Args a(c.args, {}, {"rok"});
    if (!a.positional().empty()) throw UsageError("Nadbytečný argument „" + a.positional().front() + "“.");
    if (!a.value("rok")) throw UsageError("Chybí --rok.");
    const auto year = a.integer("rok", 0);
    if (year < kFirstCalendarYear || year > kLastCalendarYear)
        throw UsageError("Rok musí být mezi " + std::to_string(kFirstCalendarYear) + " a " +
                         std::to_string(kLastCalendarYear) + ".");
    for (const auto& [day, name] : publicHolidays(static_cast<int>(year))) c.out << formatDate(day) << " " << name << "\n";
    return 0;
}

int rozdil(Context& c) {
    Args a(c.args, {}, {});
    if (a.positional().size() != 2) throw UsageError("Zadejte dvě data: verdika-cli rozdil D1 D2.");
    c.out << dateDifferenceText(dateArgument(a.positional()[0]), dateArgument(a.positional()[1])) << "\n";
    return 0;
}

int ukoly(Context& c) {
    Args a(c.args, {"vse"}, {});
    if (!a.positional().empty()) throw UsageError("Nadbytečný argument „" + a.positional().front() + "“.");
    const auto file = c.paths.dataDir / kTasksDatabase;
    if (!std::filesystem::exists(file))
        throw IoError("Úkolníček " + pathText(file) + " neexistuje; vznikne při prvním spuštění programu.");
    TaskStore store = TaskStore::open(file);
    c.out << "Datum\tSplněno\tDny do\tNázev\tPoznámka\n";
    for (const Task& t : store.openTasks(now(), a.flag("vse"))) {
        std::string when = formatDate(t.datum.date);
        if (t.datum.seconds) when += " " + formatTime(t.datum.seconds);
        c.out << when << "\t" << (t.splneno ? "ANO" : "NE") << "\t" << Format_Cislo(t.zbyvajici) << "\t"
              << Jeden_Radek(t.nazev) << "\t" << Jeden_Radek(t.poznamka) << "\n";
    }
    return 0;
}

const CommandRegistration lhutaCmd({"lhuta", "konec lhůty a případná vykonatelnost",
                                    "--od D --pocet N [--typ dny|mesice|roky] [--staveni OD:DO] [--vykonatelnost K]",
                                    lhuta, 70});
const CommandRegistration odporCmd({"odpor", "automatická lhůtní pomůcka (uložená zásilka)",
                                    "--ulozeno D [--lhuta 15|8|3]", odpor, 71});
const CommandRegistration svatkyCmd({"svatky", "státní a ostatní svátky roku", "--rok Y", svatky, 72});
const CommandRegistration rozdilCmd({"rozdil", "rozdíl dvou dat ve dnech", "D1 D2", rozdil, 73});
const CommandRegistration ukolyCmd({"ukoly", "úkoly z úkolníčku (bez --vse jen nesplněné od včerejška)", "[--vse]",
                                    ukoly, 74});

}  // namespace
}  // namespace verdika::cli
