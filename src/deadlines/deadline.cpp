#include "deadlines/deadline.h"

#include <algorithm>
#include <cstdlib>

#include "common/errors.h"
#include "deadlines/holidays.h"

namespace verdika {
namespace {

using std::chrono::days;

// Beyond these counts every result lies outside the calendar's years anyway;
// checking first keeps the date arithmetic within its range.
constexpr std::int64_t kMaxDays = 4'000'000;
constexpr std::int64_t kMaxMonths = 12 * 10'000;

void checkRange(Date d) {
    if (!inCalendarRange(d))
        throw ConversionError("Datum " + formatDate(d) + " je mimo roky " + std::to_string(kFirstCalendarYear) + "–" +
                              std::to_string(kLastCalendarYear) + ", se kterými program počítá.");
}

[[noreturn]] void tooLong(std::int64_t n) {
    throw ConversionError("Počet " + std::to_string(n) + " je pro výpočet lhůty příliš velký.");
}

std::string withWeekday(Date d) { return formatDate(d) + ", " + weekdayName(d); }

}  // namespace

Date addMonths(Date d, std::int64_t months) {
    using namespace std::chrono;
    const year_month_day ymd(d);
    const std::int64_t total = static_cast<int>(ymd.year()) * std::int64_t{12} +
                               (static_cast<unsigned>(ymd.month()) - 1) + months;
    // Floor division, so months before year 0 would still split correctly.
    std::int64_t y = total / 12, m = total % 12;
    if (m < 0) {
        m += 12;
        --y;
    }
    const year_month target{year(static_cast<int>(y)), month(static_cast<unsigned>(m + 1))};
    const day last = year_month_day_last(target.year(), month_day_last(target.month())).day();
    return sys_days(year_month_day(target.year(), target.month(), std::min(ymd.day(), last)));
}

DeadlineResult computeDeadline(const DeadlineInput& in) {
    checkRange(in.start);
    DeadlineResult r;
    Date e = in.start;
    switch (in.unit) {
        case DeadlineUnit::Days:
            if (std::llabs(in.count) > kMaxDays) tooLong(in.count);
            e = in.start + days(in.count);
            break;
        case DeadlineUnit::Months:
            if (std::llabs(in.count) > kMaxMonths) tooLong(in.count);
            e = addMonths(in.start, in.count);
            break;
        case DeadlineUnit::Years:
            if (std::llabs(in.count) > kMaxMonths / 12) tooLong(in.count);
            e = addMonths(in.start, 12 * in.count);
            break;
    }
    checkRange(e);
    if (in.suspension) {
        Suspension s = *in.suspension;
        checkRange(s.from);
        checkRange(s.to);
        if (in.start > s.from) s.from = in.start;
        if (in.start > s.to) s.to = in.start;
        e += days(std::llabs((s.to - s.from).count()));
        checkRange(e);
        r.suspension = s;
    }
    Zjisti_Svatek(e, r.endReasons);
    checkRange(e);
    if (std::llabs(in.enforceabilityDays) > kMaxDays) tooLong(in.enforceabilityDays);
    Date v = e + days(in.enforceabilityDays + 1);
    checkRange(v);
    Zjisti_Svatek(v, r.enforceabilityReasons);
    checkRange(v);
    r.end = e;
    r.enforceability = v;
    return r;
}

std::vector<std::string> appealAidLines(Date deposited, int n) {
    checkRange(deposited);
    std::vector<std::string> lines;
    const std::string N = std::to_string(n);
    // Served on the tenth day after the deposit (moved to a working day).
    const Date ten = deposited + days(10);
    Date served = ten;
    Zjisti_Svatek(served, lines);
    const Date raw = served + days(n);
    Date last = raw;
    Zjisti_Svatek(last, lines);
    const Date legalForce = last + days(1);  // legal force: the next day, never moved
    lines.push_back("uloženo: " + withWeekday(deposited));
    lines.push_back("+10 dnů: " + withWeekday(ten));
    lines.push_back("doručeno: " + withWeekday(served));
    lines.push_back("+" + N + "dnů: " + withWeekday(raw));
    lines.push_back("poslední den lhůty:\t" + withWeekday(last));
    lines.push_back("v právní moci:\t" + withWeekday(legalForce));
    lines.push_back("-------------");
    // Collected on the day of the deposit.
    const Date raw2 = deposited + days(n);
    Date last2 = raw2;
    Zjisti_Svatek(last2, lines);
    lines.push_back("doručeno: " + formatDate(deposited));
    lines.push_back("+" + N + "dnů: " + formatDate(raw2));
    lines.push_back("poslední den lhůty: " + formatDate(last2));
    lines.push_back("v právní moci:\t" + formatDate(last2 + days(1)));
    return lines;
}

std::string dateDifferenceText(Date a, Date b) {
    const std::int64_t d = std::llabs((b - a).count());
    const std::int64_t y = d / 365, r = d - 365 * y;
    return "Rozdíl dat je celkem " + std::to_string(d) + ", což je " + std::to_string(y) + " roků a " +
           std::to_string(r) + " dnů.";
}

}  // namespace verdika
