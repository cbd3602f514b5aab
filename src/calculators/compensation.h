#pragma once
// Monetary satisfaction for unreasonably long proceedings: a yearly base
// times the length of the proceedings, the first two years together at one
// base, with an optional percentage increase or decrease.
#include <cstdint>
#include <string>

#include "common/dates.h"

namespace verdika {

struct CompensationDuration {
    std::int64_t days = 0;   // whole days between the two dates, either order
    std::int64_t years = 0;  // of 365 days, leap years not considered
    std::int64_t rest = 0;   // days beyond the whole years
};

CompensationDuration compensationDuration(Date a, Date b);
// "3 roků a 1 dnů."
std::string durationText(const CompensationDuration& d);

enum class CompensationAdjustment { None, Increase, Decrease };

// The percentage factor: 100, 100 + increase or 100 - decrease.
double adjustmentFactor(CompensationAdjustment adj, double percent);

struct CompensationResult {
    double compensation = 0;
    double adjusted = 0;  // compensation × factor / 100
};

CompensationResult computeCompensation(const CompensationDuration& d, double base, double factor);

}  // namespace verdika
