// verdika-cli zadostiucineni: compensation for lengthy proceedings.
#include <ostream>

#include "calculators/compensation.h"
#include "cli/cli.h"
#include "common/numbers.h"

namespace verdika::cli {
namespace {

int zadostiucineni(Context& c) {
    Args a(c.args, {}, {"od", "do", "zaklad", "zvysit", "snizit"});
    if (!a.positional().empty()) throw UsageError("Nadbytečný argument „" + a.positional().front() + "“.");
    const auto from = a.date("od"), to = a.date("do");
    if (!from || !to) throw UsageError("Zadejte začátek a konec řízení: --od D --do D.");
    if (a.value("zvysit") && a.value("snizit")) throw UsageError("Zadejte buď --zvysit, nebo --snizit, ne obojí.");
    const double base = a.decimal("zaklad", 15000);
    CompensationAdjustment adj = CompensationAdjustment::None;
    double percent = 0;
    if (a.value("zvysit")) {
        adj = CompensationAdjustment::Increase;
        percent = a.decimal("zvysit", 0);
    } else if (a.value("snizit")) {
        adj = CompensationAdjustment::Decrease;
        percent = a.decimal("snizit", 0);
    }
    const auto d = compensationDuration(*from, *to);
    const auto r = computeCompensation(d, base, adjustmentFactor(adj, percent));
    c.out << "Délka trvání: " << durationText(d) << "\n"
          << "Zadostiučinění: " << Format_Castky(r.compensation) << "\n"
          << "Zadostiučinění poprocentuální změně: " << Format_Castky(r.adjusted) << "\n";
    return 0;
}

const CommandRegistration cmd({"zadostiucineni", "zadostiučinění za nepřiměřeně dlouhé řízení",
                               "--od D --do D [--zaklad X] [--zvysit P | --snizit P]", zadostiucineni, 80});

}  // namespace
}  // namespace verdika::cli
