#pragma once
// The last day of a procedural time limit, the possible day of
// enforceability, the appeal aid after a deposited letter and the difference
// of two dates. Every move over a non-working day is explained line by line.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/dates.h"

namespace verdika {

enum class DeadlineUnit { Days, Months, Years };

struct Suspension {
    Date from;
    Date to;
};

struct DeadlineInput {
    Date start;
    std::int64_t count = 0;                 // number of units
    DeadlineUnit unit = DeadlineUnit::Days;
    std::optional<Suspension> suspension;   // when the limit was suspended
    std::int64_t enforceabilityDays = 3;    // days added for the possible enforceability
};

struct DeadlineResult {
    Date end;
    std::vector<std::string> endReasons;
    Date enforceability;
    std::vector<std::string> enforceabilityReasons;
    // The suspension as used: a start later than the suspension moves its
    // bounds up to the start (the page shows them so).
    std::optional<Suspension> suspension;
};

// Adds calendar months keeping the day of the month, or the last day of a
// shorter target month (31.1. + 1 = 28.2. or 29.2.).
Date addMonths(Date d, std::int64_t months);

// Throws ConversionError when the limit or a result leaves the calendar's
// years (1583-9999).
DeadlineResult computeDeadline(const DeadlineInput& in);

// The appeal aid: the letter deposited on `deposited`, the limit `days`
// (15, 8 or 3) after service; first the usual case (served ten days after
// the deposit), then the letter collected on the day itself.
std::vector<std::string> appealAidLines(Date deposited, int days);

// "Rozdíl dat je celkem 366, což je 1 roků a 1 dnů." (years of 365 days).
std::string dateDifferenceText(Date a, Date b);

}  // namespace verdika
