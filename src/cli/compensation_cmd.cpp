// verdika-cli zadostiucineni: compensation for lengthy proceedings.
#include <ostream>

#include "calculators/compensation.h"
#include "cli/cli.h"
#include "common/numbers.h"

namespace verdika::cli {
namespace {

class Zadostiucineni final : public Subcommand {
    std::optional<Date> from, to;
    std::optional<double> base, increase, decrease;
    bool json = false;

    void define(Options& o) override {
        o.date("--od", from, "začátek řízení").required();
        o.date("--do", to, "konec řízení (nejdříve den začátku)").required();
        o.amount("--zaklad", base, "roční základ zadostiučinění (výchozí 15.000)");
        auto up = o.number("--zvysit", increase, "P", "zvýšení výsledku o P %");
        auto down = o.number("--snizit", decrease, "P", "snížení výsledku o P % (nejvýše 100)");
        up.excludes(down);
        o.json(json);
    }

    int run(Context& c) override {
        if (*to < *from)
            throw UsageError("Konec řízení " + formatDate(*to) + " je dřívější než jeho začátek " + formatDate(*from) +
                             ".");
        if (decrease && *decrease > 100) throw UsageError("Zadostiučinění nelze snížit o více než 100 % (--snizit).");
        const auto adj = increase   ? CompensationAdjustment::Increase
                         : decrease ? CompensationAdjustment::Decrease
                                    : CompensationAdjustment::None;
        const double percent = increase ? *increase : decrease.value_or(0);
        const auto d = compensationDuration(*from, *to);
        const auto r = computeCompensation(d, base.value_or(15000), adjustmentFactor(adj, percent));
        if (json) {
            printJson(c.out, Json{{"od", jsonDate(*from)},
                                  {"do", jsonDate(*to)},
                                  {"dnu", d.days},
                                  {"roku", d.years},
                                  {"dnu_nad_roky", d.rest},
                                  {"zadostiucineni", money(r.compensation)},
                                  {"po_zmene", money(r.adjusted)}});
            return 0;
        }
        c.out << "Délka trvání: " << durationText(d) << "\n"
              << "Zadostiučinění: " << Format_Castky(r.compensation) << "\n"
              << "Zadostiučinění poprocentuální změně: " << Format_Castky(r.adjusted) << "\n";
        return 0;
    }
};

const Register<Zadostiucineni> reg({"zadostiucineni", "zadostiučinění za nepřiměřeně dlouhé řízení", 80,
                                    "verdika-cli zadostiucineni --od 1.1.2010 --do 1.1.2013 --zaklad 20.000 --zvysit 20",
                                    "Délka trvání: R roků a D dnů.\n"
                                    "Zadostiučinění: ČÁSTKA\n"
                                    "Zadostiučinění poprocentuální změně: ČÁSTKA\n"
                                    "--json: od, do, dnu, roku, dnu_nad_roky, zadostiucineni, po_zmene"});

}  // namespace
}  // namespace verdika::cli
