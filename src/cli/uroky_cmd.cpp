// verdika-cli uroky: late interest (or the late fee) of principals with partial payments.
#include <algorithm>
#include <filesystem>
#include <optional>
#include <ostream>

#include "cli/cli.h"
#include "common/errors.h"
#include "common/files.h"
#include "common/json.h"
#include "common/numbers.h"
#include "common/text.h"
#include "interest/interest.h"
#include "interest/interest_report.h"
#include "interest/rate_table.h"
#include "interest/report_file.h"

namespace verdika::cli {
namespace {

using namespace verdika::interest;

Date cliDate(const std::string& text, const std::string& option) {
    try {
        return parseDate(text);
    } catch (const ConversionError& e) {
        throw UsageError(std::string(e.what()) + " (--" + option + ")");
    }
}

std::string cliAmount(const std::string& text, const std::string& option) {
    try {
        return Format_Cislo(parseCliDecimal(text));
    } catch (const UsageError& e) {
        throw UsageError(std::string(e.what()) + " (--" + option + ")");
    }
}

Case caseFromArguments(const Args& a) {
    Case c;
    const auto principals = a.values("jistina");
    const auto dues = a.values("splatnost");
    const auto untils = a.values("do");
    const auto groups = a.values("skupina");
    if (dues.size() != principals.size())
        throw UsageError("Ke každé jistině (--jistina) patří jedna splatnost (--splatnost).");
    if (!untils.empty() && untils.size() != 1 && untils.size() != principals.size())
        throw UsageError("Den, ke kterému se úrok počítá (--do), zadejte jednou pro všechny jistiny, nebo u každé.");
    if (!groups.empty() && groups.size() != principals.size())
        throw UsageError("Zadáváte-li skupiny (--skupina), zadejte ji u každé jistiny.");
    const auto labels = defaultGroupLabels();
    for (size_t i = 0; i < principals.size(); ++i) {
        const Date due = cliDate(dues[i], "splatnost");
        const Date until = untils.empty() ? today() : cliDate(untils.size() == 1 ? untils[0] : untils[i], "do");
        std::string label = !groups.empty() ? groups[i] : i < labels.size() ? labels[i] : "J" + std::to_string(i + 1);
        c.debts.push_back(DebtRow{formatDate(due), formatDate(until), cliAmount(principals[i], "jistina"), label});
    }
    for (const std::string& u : a.values("uhrada")) {
        const auto first = u.find(':');
        if (first == std::string::npos) throw UsageError("Úhrada „" + u + "“ má tvar DATUM:ČÁSTKA[:SKUPINA].");
        const auto second = u.find(':', first + 1);
        const std::string day = u.substr(0, first);
        const std::string amount = u.substr(first + 1, second == std::string::npos ? std::string::npos : second - first - 1);
        const std::string label = second == std::string::npos ? std::string(kEarliestDue) : u.substr(second + 1);
        c.payments.push_back(PaymentRow{formatDate(cliDate(day, "uhrada")), cliAmount(amount, "uhrada"), label});
    }
    return c;
}

void writeJson(std::ostream& out, const Computation& r) {
    JsonWriter j;
    j.beginObject().key("skupiny").beginArray();
    for (const GroupResult& g : r.groups) {
        j.beginObject()
            .field("oznaceni", g.label)
            .field("rezim", g.regime)
            .field("od", formatDate(g.first))
            .field("do", formatDate(g.last))
            .field("dnu", static_cast<std::int64_t>(g.days))
            .field("urok", g.interest)
            .field("jistina", crowns(g.principal))
            .field("celkem", g.interest + crowns(g.principal));
        j.key("uhrazeno_ke_dni");
        if (g.settledOn)
            j.value(formatDate(*g.settledOn));
        else
            j.null();
        j.field("preplatek", g.overpayment);
        j.key("obdobi").beginArray();
        for (const Period& p : g.periods)
            j.beginObject()
                .field("od", formatDate(p.from))
                .field("dnu", static_cast<std::int64_t>(p.days))
                .field("jistina", crowns(p.principal))
                .field("sazba", p.rate)
                .field("uhrada", crowns(p.payment))
                .field("urok_po", p.after)
                .endObject();
        j.endArray().endObject();
    }
    j.endArray();
    j.key("soucty")
        .beginObject()
        .field("urok", r.totalInterest)
        .field("jistina", crowns(r.totalPrincipal))
        .field("celkem", r.totalInterest + crowns(r.totalPrincipal))
        .field("preplatky", r.totalOverpayment)
        .endObject();
    j.endObject();
    out << j.str() << "\n";
}

int run(Context& ctx) {
    const Args a(ctx.args, {"poplatek", "jistina-nejdriv", "json"},
                 {"jistina", "splatnost", "do", "skupina", "uhrada", "rocni", "denni", "delka-roku", "sestava"});
    if (!a.positional().empty()) throw UsageError("Nečekaný argument „" + a.positional().front() + "“.");
    if (a.value("rocni") && a.value("denni")) throw UsageError("Zadejte buď roční (--rocni), nebo denní úrok (--denni).");
    if (a.flag("poplatek") && (a.value("rocni") || a.value("denni")))
        throw UsageError("Poplatek z prodlení (--poplatek) má sazbu danou předpisem; --rocni ani --denni k němu nepatří.");

    Case c;
    if (auto file = a.value("sestava")) {
        if (a.value("jistina") || a.value("uhrada"))
            throw UsageError("Případ zadejte buď sestavou (--sestava), nebo jistinami a úhradami, ne obojím.");
        ReportFile f;
        try {
            f = loadReportFile(pathFromUtf8(*file));
        } catch (const IoError& e) {
            throw UsageError(e.what());
        }
        c.debts = f.debts;
        c.payments = f.payments;
        c.options.mode = f.mode;
        if (f.annualRate) {
            c.options.customRate = true;
            c.options.annualRate = *f.annualRate;
        }
    } else {
        c = caseFromArguments(a);
    }
    if (c.debts.empty() && c.payments.empty()) throw UsageError("Zadejte alespoň jednu jistinu (--jistina a --splatnost).");

    Options& o = c.options;
    if (a.flag("poplatek")) o.mode = Mode::Fee;
    if (o.mode == Mode::Fee) {
        o.customRate = true;
        o.kind = RateKind::Daily;
        o.dailyRate = "0,25";
    }
    if (a.value("rocni")) {
        o.customRate = true;
        o.kind = RateKind::Annual;
        o.annualRate = Format_Cislo(a.decimal("rocni", 0));
    }
    if (a.value("denni")) {
        o.customRate = true;
        o.kind = RateKind::Daily;
        o.dailyRate = Format_Cislo(a.decimal("denni", 0));
    }
    if (a.value("delka-roku")) o.yearLength = Format_Cislo(a.decimal("delka-roku", 365));
    o.interestFirst = !a.flag("jistina-nejdriv");

    // The user's rate table in the data directory, the shipped one otherwise.
    std::optional<RateTable> table;
    if (!o.customRate) {
        std::filesystem::path file = ctx.paths.dataDir / "uroky.vrd";
        if (!std::filesystem::exists(file)) file = ctx.paths.programDir / "uroky.vrd";
        table = RateTable::load(file);
    }

    Computation r;
    try {
        r = computeInterest(c, table ? &*table : nullptr);
    } catch (const CaseError& e) {
        throw UsageError(e.what());
    } catch (const ConversionError& e) {
        throw UsageError(e.what());
    }
    if (a.flag("json")) {
        writeJson(ctx.out, r);
        return 0;
    }
    for (const std::string& line : reportLines(r)) ctx.out << line << "\n";
    for (const GridRow& row : resultGrid(r)) {
        if (std::all_of(row.begin(), row.end(), [](const std::string& s) { return s.empty(); })) continue;
        for (size_t i = 0; i < row.size(); ++i) ctx.out << (i ? "\t" : "") << row[i];
        ctx.out << "\n";
    }
    return 0;
}

const CommandRegistration urokyCmd(
    {"uroky", "úrok z prodlení (nebo poplatek z prodlení) z jistin s částečnými úhradami",
     "--jistina ČÁSTKA --splatnost DATUM [--skupina S] [--do DATUM] … [--uhrada DATUM:ČÁSTKA[:SKUPINA]] … "
     "[--rocni %|--denni %|--poplatek] [--delka-roku DNŮ] [--jistina-nejdriv] [--sestava SOUBOR.urk] [--json]",
     run, 60});

}  // namespace
}  // namespace verdika::cli
