// verdika-cli uroky: late interest (or the late fee) of principals with partial payments.
#include <algorithm>
#include <filesystem>
#include <optional>
#include <ostream>

#include "cli/cli.h"
#include "common/errors.h"
#include "common/files.h"
#include "common/numbers.h"
#include "common/text.h"
#include "interest/interest.h"
#include "interest/interest_form.h"
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

// An amount as the core's case rows hold it (the plain number form).
std::string cliAmount(const std::string& text, const std::string& option) {
    const double v = parseNumber(text, "--" + option);
    if (v < 0) throw UsageError("Částka " + text + " nesmí být záporná (--" + option + ").");
    return Format_Cislo(v);
}

Json groupJson(const GroupResult& g) {
    Json periods = Json::array();
    for (const Period& p : g.periods)
        periods.push_back({{"od", jsonDate(p.from)},
                           {"dnu", p.days},
                           {"jistina", money(crowns(p.principal))},
                           {"sazba", p.rate},
                           {"uhrada", money(crowns(p.payment))},
                           {"urok_po", money(p.after)}});
    return {{"oznaceni", g.label},
            {"rezim", g.regime},
            {"od", jsonDate(g.first)},
            {"do", jsonDate(g.last)},
            {"dnu", g.days},
            {"urok", money(g.interest)},
            {"jistina", money(crowns(g.principal))},
            {"celkem", money(g.interest + crowns(g.principal))},
            {"uhrazeno_ke_dni", jsonDate(g.settledOn)},
            {"preplatek", money(g.overpayment)},
            {"obdobi", periods}};
}

void writeJson(std::ostream& out, const Computation& r) {
    Json groups = Json::array();
    for (const GroupResult& g : r.groups) groups.push_back(groupJson(g));
    printJson(out, Json{{"skupiny", groups},
                        {"soucty",
                         {{"urok", money(r.totalInterest)},
                          {"jistina", money(crowns(r.totalPrincipal))},
                          {"celkem", money(r.totalInterest + crowns(r.totalPrincipal))},
                          {"preplatky", money(r.totalOverpayment)}}}});
}

class Uroky final : public Subcommand {
    std::vector<std::string> principals, dues, untils, groups, payments;
    std::optional<double> annual, daily, yearLength;
    std::optional<std::string> reportFile;
    bool fee = false, principalFirst = false, json = false;

    void define(Options& o) override {
        o.texts("--jistina", principals, "ČÁSTKA", "jistina; ke každé patří jedna --splatnost");
        o.texts("--splatnost", dues, "DATUM", "den splatnosti jistiny (úrok běží ode dne následujícího)");
        o.texts("--do", untils, "DATUM",
                "den, do kterého se úrok počítá: jednou pro všechny jistiny, nebo u každé; výchozí dnes");
        o.texts("--skupina", groups, "S", "označení skupiny jistiny (výchozí A, B, C, …); zadává se u každé jistiny");
        o.texts("--uhrada", payments, "DATUM:ČÁSTKA[:SKUPINA]",
                "částečná úhrada; bez skupiny jde na jistinu s nejdřívější splatností");
        auto a = o.number("--rocni", annual, "P", "vlastní roční úroková sazba v % místo zákonné");
        auto d = o.number("--denni", daily, "P", "vlastní denní úroková sazba v %");
        auto f = o.flag("--poplatek", fee, "poplatek z prodlení (0,25 % denně) místo úroku");
        a.excludes(d);
        a.excludes(f);
        d.excludes(f);
        o.number("--delka-roku", yearLength, "DNŮ", "délka roku pro roční sazbu (výchozí 365)");
        o.flag("--jistina-nejdriv", principalFirst, "úhrada jde nejdřív na jistinu, pak na úrok");
        o.text("--sestava", reportFile, "SOUBOR.urk", "případ uložený programem (místo --jistina a --uhrada)");
        o.json(json);
    }

    InterestForm formFromArguments() const {
        InterestForm f;
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
            f.debts.push_back(DebtRow{formatDate(due), formatDate(until), cliAmount(principals[i], "jistina"), label});
        }
        for (const std::string& u : payments) {
            const auto first = u.find(':');
            if (first == std::string::npos) throw UsageError("Úhrada „" + u + "“ má tvar DATUM:ČÁSTKA[:SKUPINA].");
            const auto second = u.find(':', first + 1);
            const std::string day = u.substr(0, first);
            const std::string amount =
                u.substr(first + 1, second == std::string::npos ? std::string::npos : second - first - 1);
            const std::string label = second == std::string::npos ? std::string(kEarliestDue) : u.substr(second + 1);
            f.payments.push_back(PaymentRow{formatDate(cliDate(day, "uhrada")), cliAmount(amount, "uhrada"), label});
        }
        return f;
    }

    InterestForm formFromFile() const {
        if (!principals.empty() || !payments.empty())
            throw UsageError("Případ zadejte buď sestavou (--sestava), nebo jistinami a úhradami, ne obojím.");
        InterestForm f;
        try {
            applyReportFile(f, loadReportFile(pathFromUtf8(*reportFile)));
        } catch (const IoError& e) {
            throw UsageError(e.what());
        }
        return f;
    }

    // The options over what the case brought, as the page's controls would be set.
    void applyOptions(interest::Options& o) const {
        if (fee) chooseMode(o, Mode::Fee);
        if (annual) {
            o.customRate = true;
            o.kind = RateKind::Annual;
            o.annualRate = Format_Cislo(*annual);
        }
        if (daily) {
            o.customRate = true;
            o.kind = RateKind::Daily;
            o.dailyRate = Format_Cislo(*daily);
        }
        if (yearLength) o.yearLength = Format_Cislo(*yearLength);
        o.interestFirst = !principalFirst;
    }

    int run(Context& ctx) override {
        InterestForm form = reportFile ? formFromFile() : formFromArguments();
        if (form.debts.empty() && form.payments.empty())
            throw UsageError("Zadejte alespoň jednu jistinu (--jistina a --splatnost).");
        applyOptions(form.options);

        // The user's rate table in the data directory, the shipped one otherwise.
        std::optional<RateTable> table;
        if (needsRateTable(form.options)) {
            std::filesystem::path file = ctx.paths.dataDir / "uroky.vrd";
            if (!std::filesystem::exists(file)) file = ctx.paths.programDir / "uroky.vrd";
            table = RateTable::load(file);
        }
        Computation r;
        try {
            r = computeInterest(form.toCase(), table ? &*table : nullptr);
        } catch (const CaseError& e) {
            throw UsageError(e.what());
        }
        if (json) {
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
};

const Register<Uroky> reg(
    {"uroky", "úrok z prodlení (nebo poplatek z prodlení) z jistin s částečnými úhradami", 60,
     "verdika-cli uroky --jistina 10.000 --splatnost 14.1.2015 --do 13.2.2015 --uhrada 1.2.2015:5.000",
     "průběh výpočtu po obdobích a tabulka výsledků oddělená tabulátory:\n"
     "skupina, od, do, dnů, úrok, jistina, celkem; poslední řádek součty.\n"
     "--json: skupiny [{oznaceni, rezim, od, do, dnu, urok, jistina, celkem, uhrazeno_ke_dni,\n"
     "preplatek, obdobi [{od, dnu, jistina, sazba, uhrada, urok_po}]}], soucty {urok, jistina,\n"
     "celkem, preplatky}"});

}  // namespace
}  // namespace verdika::cli
