// verdika-cli srazky: the monthly deduction from a debtor's net wage.
#include <ostream>

#include "calculators/wage_deduction.h"
#include "cli/cli.h"

namespace verdika::cli {
namespace {

wage::Claim claimOf(const std::string& kind) {
    if (kind == "vyzivne") return wage::Claim::Maintenance;
    if (kind == "prednostni") return wage::Claim::Preferential;
    return wage::Claim::Ordinary;
}

Json jsonOf(const wage::Input& in, const wage::Result& r, const std::vector<std::string>& lines) {
    return Json{{"obdobi", std::to_string(in.wageMonth) + "/" + std::to_string(in.wageYear)},
                {"vyplata", jsonDate(in.payment)},
                {"pouzite_obdobi", r.period.name},
                {"rozhodny_den", jsonDate(r.decisive)},
                {"neovereno", r.period.unconfirmed},
                {"cista_mzda", money(in.netWage)},
                {"vyzivovane_osoby", r.counted},
                {"pohledavka", in.insolvency ? std::string("oddluzeni") : wage::claimText(in.claim)},
                {"na_povinneho", money(r.debtorAmount)},
                {"na_vyzivovanou_osobu", money(r.dependantAmount)},
                {"nezabavitelna_castka", money(r.nonSeizable)},
                {"zbytek", money(r.remainder)},
                {"hranice", money(r.threshold)},
                {"nad_hranici", money(r.aboveThreshold)},
                {"zbytek_delitelny_tremi", money(r.remainderByThree)},
                {"tretina", money(r.third)},
                {"tretin", r.thirdsTaken},
                {"srazka", money(r.deduction)},
                {"povinnemu", money(r.paidToDebtor)},
                {"nahrada_platce", money(r.employerFee)},
                {"veritelum", money(r.toCreditors)},
                {"poznamky", r.notes},
                {"radky", lines}};
}

class Srazky final : public Subcommand {
    std::optional<double> wage;
    std::optional<std::string> period, claim;
    std::optional<Date> payment;
    std::optional<std::int64_t> dependants;
    bool spouse = false, fourExecutions = false, insolvency = false, json = false;

    void define(Options& o) override {
        o.amount("--mzda", wage, "čistá měsíční mzda povinného").required();
        o.text("--obdobi", period, "M/RRRR", "mzdové období (měsíc, za který se mzda vyplácí), např. 3/2026").required();
        o.date("--vyplata", payment, "den výplaty (výchozí 15. den následujícího měsíce;\n"
                                     "od roku 2025 rozhoduje rok výplaty)");
        o.integer("--vyzivovane", dependants, "N",
                  "počet vyživovaných osob bez manžela/ky, 0 až " + std::to_string(wage::kMaxDependants) +
                      "; výchozí 0",
                  0, wage::kMaxDependants);
        o.flag("--manzel", spouse, "započítat manžela/ku (od roku 2025 jen s důchodem)");
        o.choice("--pohledavka", claim, "DRUH", "druh pohledávky (výchozí bezna):",
                 {{"bezna", "nepřednostní pohledávka: jedna třetina"},
                  {"vyzivne", "přednostní – výživné: dvě třetiny (oprávněného nezapočítávejte do --vyzivovane)"},
                  {"prednostni", "jiná přednostní pohledávka: dvě třetiny"}});
        o.flag("--exekuci-4", fourExecutions, "čtyři a více exekucí (v obdobích, kdy berou dvě třetiny)");
        o.flag("--insolvence", insolvency, "oddlužení: vždy jako u přednostní pohledávky, bez náhrady plátce");
        o.json(json);
    }

    int run(Context& c) override {
        const auto parsed = wage::parseWagePeriod(*period);
        if (!parsed) throw UsageError("Mzdové období „" + *period + "“ zadejte jako M/RRRR, např. 3/2026.");
        wage::Input in;
        in.wageMonth = parsed->first;
        in.wageYear = parsed->second;
        in.payment = payment.value_or(wage::defaultPaymentDate(in.wageYear, in.wageMonth));
        in.netWage = *wage;
        in.dependants = static_cast<int>(dependants.value_or(0));
        in.spouse = spouse;
        in.claim = claimOf(claim.value_or("bezna"));
        in.fourOrMoreExecutions = fourExecutions;
        in.insolvency = insolvency;
        wage::Result r;
        try {
            r = wage::compute(IniFile::load(c.paths.programDir / wage::kTable), in);
        } catch (const wage::WageError& e) {
            throw UsageError(e.what());  // a period or an amount the table cannot take
        }
        const auto lines = wage::summaryLines(in, r);
        if (json) {
            printJson(c.out, jsonOf(in, r, lines));
            return 0;
        }
        for (const auto& l : lines) c.out << l << "\n";
        return 0;
    }
};

const Register<Srazky> reg({"srazky", "srážky ze mzdy při exekuci a v oddlužení", 85,
                            "verdika-cli srazky --mzda 35.000 --obdobi 3/2026 --vyzivovane 2 --pohledavka vyzivne",
                            "shrnutí jako na stránce Srážky ze mzdy: použité období, nezabavitelná částka,\n"
                            "třetiny, srážka, co se vyplatí povinnému a věřitelům, poznámky.\n"
                            "--json: obdobi, vyplata, pouzite_obdobi, rozhodny_den, neovereno, cista_mzda,\n"
                            "vyzivovane_osoby, pohledavka, na_povinneho, na_vyzivovanou_osobu,\n"
                            "nezabavitelna_castka, zbytek, hranice, nad_hranici, zbytek_delitelny_tremi,\n"
                            "tretina, tretin, srazka, povinnemu, nahrada_platce, veritelum, poznamky, radky"});

}  // namespace
}  // namespace verdika::cli
