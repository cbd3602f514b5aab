// verdika-cli srazky: the monthly deduction from a debtor's net wage.
#include <ostream>

#include "calculators/wage_deduction.h"
#include "cli/cli.h"
#include "common/json.h"

namespace verdika::cli {
namespace {

wage::Claim claimArgument(const Args& a) {
    const std::string kind = a.value("pohledavka").value_or("bezna");
    if (kind == "bezna") return wage::Claim::Ordinary;
    if (kind == "vyzivne") return wage::Claim::Maintenance;
    if (kind == "prednostni") return wage::Claim::Preferential;
    throw UsageError("--pohledavka je „bezna“, „vyzivne“ nebo „prednostni“, ne „" + kind + "“.");
}

wage::Input readInput(const Args& a) {
    if (!a.positional().empty()) throw UsageError("Nečekaný argument „" + a.positional().front() + "“.");
    if (!a.value("mzda")) throw UsageError("Chybí čistá mzda (--mzda).");
    if (!a.value("obdobi")) throw UsageError("Chybí mzdové období (--obdobi M/RRRR).");
    const auto period = wage::parseWagePeriod(*a.value("obdobi"));
    if (!period) throw UsageError("Mzdové období „" + *a.value("obdobi") + "“ zadejte jako M/RRRR, např. 3/2026.");
    wage::Input in;
    in.wageMonth = period->first;
    in.wageYear = period->second;
    in.payment = a.date("vyplata").value_or(wage::defaultPaymentDate(in.wageYear, in.wageMonth));
    in.netWage = a.decimal("mzda", 0);
    const std::int64_t dependants = a.integer("vyzivovane", 0);
    if (dependants < 0 || dependants > wage::kMaxDependants)
        throw UsageError("--vyzivovane je počet osob 0 až " + std::to_string(wage::kMaxDependants) + ".");
    in.dependants = static_cast<int>(dependants);
    in.spouse = a.flag("manzel");
    in.claim = claimArgument(a);
    in.fourOrMoreExecutions = a.flag("exekuci-4");
    in.insolvency = a.flag("insolvence");
    return in;
}

void writeJson(std::ostream& out, const wage::Input& in, const wage::Result& r,
               const std::vector<std::string>& lines) {
    JsonWriter j;
    j.beginObject()
        .field("obdobi", std::to_string(in.wageMonth) + "/" + std::to_string(in.wageYear))
        .field("vyplata", formatDate(in.payment))
        .field("pouzite_obdobi", r.period.name)
        .field("neovereno", r.period.unconfirmed)
        .field("cista_mzda", in.netWage)
        .field("vyzivovane_osoby", r.counted)
        .field("pohledavka", in.insolvency ? std::string("oddluzeni") : wage::claimText(in.claim))
        .field("na_povinneho", r.debtorAmount)
        .field("na_vyzivovanou_osobu", r.dependantAmount)
        .field("nezabavitelna_castka", r.nonSeizable)
        .field("zbytek", r.remainder)
        .field("hranice", r.threshold)
        .field("nad_hranici", r.aboveThreshold)
        .field("zbytek_delitelny_tremi", r.remainderByThree)
        .field("tretina", r.third)
        .field("tretin", r.thirdsTaken)
        .field("srazka", r.deduction)
        .field("povinnemu", r.paidToDebtor)
        .field("nahrada_platce", r.employerFee)
        .field("veritelum", r.toCreditors)
        .key("poznamky")
        .beginArray();
    for (const auto& n : r.notes) j.value(n);
    j.endArray().key("radky").beginArray();
    for (const auto& l : lines) j.value(l);
    j.endArray().endObject();
    out << j.str() << "\n";
}

int srazky(Context& c) {
    const Args a(c.args, {"manzel", "exekuci-4", "insolvence", "json"},
                 {"mzda", "obdobi", "vyplata", "vyzivovane", "pohledavka"});
    const wage::Input in = readInput(a);
    wage::Result r;
    try {
        r = wage::compute(IniFile::load(c.paths.programDir / wage::kTable), in);
    } catch (const wage::WageError& e) {
        throw UsageError(e.what());  // the period or an amount the table cannot take: a bad argument
    }
    const auto lines = wage::summaryLines(in, r);
    if (a.flag("json")) {
        writeJson(c.out, in, r, lines);
        return 0;
    }
    for (const auto& l : lines) c.out << l << "\n";
    return 0;
}

const CommandRegistration cmd({"srazky", "srážky ze mzdy při exekuci a v oddlužení",
                               "--mzda X --obdobi M/RRRR [--vyplata D] [--vyzivovane N] [--manzel] "
                               "[--pohledavka bezna|vyzivne|prednostni] [--exekuci-4] [--insolvence] [--json]",
                               srazky, 85});

}  // namespace
}  // namespace verdika::cli
