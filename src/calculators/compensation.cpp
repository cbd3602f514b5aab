#include "calculators/compensation.h"

#include <cstdlib>

namespace verdika {

CompensationDuration compensationDuration(Date a, Date b) {
    CompensationDuration d;
    d.days = std::llabs((b - a).count());
    d.years = d.days / 365;
    d.rest = d.days - 365 * d.years;
    return d;
}

std::string durationText(const CompensationDuration& d) {
    return std::to_string(d.years) + " roků a " + std::to_string(d.rest) + " dnů.";
}

double adjustmentFactor(CompensationAdjustment adj, double percent) {
    switch (adj) {
        case CompensationAdjustment::Increase: return 100 + percent;
        case CompensationAdjustment::Decrease: return 100 - percent;
        case CompensationAdjustment::None: break;
    }
    return 100;
}

CompensationResult computeCompensation(const CompensationDuration& d, double base, double factor) {
    const double years = static_cast<double>(d.years), rest = static_cast<double>(d.rest);
    CompensationResult r;
    if (d.years >= 2)
        // The first two years together count one base, every further year one
        // base, the days of the last incomplete year their daily share.
        r.compensation = base + (years - 2) * base + base * rest / 365;
    else
        r.compensation = base * years / 2 + base * rest / 365 / 2;
    r.adjusted = r.compensation * factor / 100;
    return r;
}

}  // namespace verdika
