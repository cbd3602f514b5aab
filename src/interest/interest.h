#pragma once
// Late interest (or the late fee) on principals with partial payments.
//
// Every principal is its own obligation group, named by its label. A group's
// time is cut into periods at its events (the first day of default, every
// payment, the half-year boundaries of a regime-2 default, the month ends of
// the late fee) and simple interest is summed over the periods; interest
// never bears interest. Payments go to the interest first unless the user
// says otherwise, and a payment in excess of the whole debt settles the
// group and is carried into the next group when it falls inside its span.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/dates.h"
#include "common/errors.h"

namespace verdika::interest {

class RateTable;

// Money as a whole number of ten-thousandths of a crown.
using Money = std::int64_t;
inline constexpr Money kMoneyScale = 10000;
// A money text: decimal comma, rounded to ten-thousandths (halves to even);
// an amount of kMaxCaseAmount or more is refused.
Money moneyFromText(std::string_view text);  // throws ConversionError
inline double crowns(Money m) { return static_cast<double>(m) / kMoneyScale; }

// The days a computation can cover: every date of a case (due dates, the
// day interest is wanted to, payments) lies in this range, or the case is
// refused with a message naming the row and the field. With the statutory
// rate the first day of default must also lie on or after the rate table's
// first line. The span caps the work a single mistyped year can cause
// (1.1.6025 instead of 1.1.2025).
inline constexpr Date kFirstComputableDay = std::chrono::sys_days(std::chrono::year(1900) / 1 / 1);
inline constexpr Date kLastComputableDay = std::chrono::sys_days(std::chrono::year(2099) / 12 / 31);

// Bounds of what one case may ask for. Rates: a custom annual rate 0 to
// 36 500 % (a daily one 0 to 100 %), a year length of 1 to 1 000 days.
// Amounts: each below 90 trillion Kč and all of them together too, so that
// no running sum leaves the money range. Work: at most kMaxCaseRows rows and
// kMaxPeriods periods over all groups (a late fee over two centuries has
// 2 400), so the report stays a few megabytes at most.
inline constexpr double kMaxAnnualRate = 36500;
inline constexpr double kMaxDailyRate = 100;
inline constexpr double kMaxYearLength = 1000;
inline constexpr double kMaxCaseAmount = 9.0e13;
inline constexpr std::size_t kMaxCaseRows = 10000;
inline constexpr std::size_t kMaxPeriods = 20000;

// The payment label that means "the debt due first".
inline constexpr std::string_view kEarliestDue = "nejdříve splatný";

// The page's group labels: "A" … "Z", "AA" … "AZ", "BA" … "BZ", "CA" … "CZ".
std::vector<std::string> defaultGroupLabels();

// Group labels are compared without regard to letter case (Czech letters
// included) and to blanks at the ends.
bool sameLabel(std::string_view a, std::string_view b);

// A case that cannot be computed as entered (a payment for a group without a
// principal, two principals under one label, interest wanted up to a day
// before the default began). The message names the row.
class CaseError : public Error {
public:
    using Error::Error;
};

// The rows of the two grids, as texts (dates d.m.yyyy, plain numbers).
struct DebtRow {
    std::string due, until, principal, label;
    friend bool operator==(const DebtRow&, const DebtRow&) = default;
};
struct PaymentRow {
    std::string date, amount, label;
    friend bool operator==(const PaymentRow&, const PaymentRow&) = default;
};

enum class Mode { Interest, Fee };
enum class RateKind { Annual, Daily };

struct Options {
    Mode mode = Mode::Interest;
    bool customRate = false;         // "Zadat vlastní výši úroku:" (always on for the late fee)
    RateKind kind = RateKind::Annual;
    std::string dailyRate = "0";     // percent per day
    std::string annualRate = "0";    // percent per year
    std::string yearLength = "365";  // days
    bool interestFirst = true;       // "nejdříve na úrok"
};

struct Case {
    std::vector<DebtRow> debts;
    std::vector<PaymentRow> payments;
    Options options;
};

// ---- the groups ------------------------------------------------------------

struct Event {
    Date day{};
    Money principal = 0;  // outstanding from this day on
    double rate = 0;      // statutory annual rate of the period starting here
    bool payment = false;
};

struct ExcludedPayment {
    Date day{};
    Money amount = 0;
};

struct Group {
    std::string label;
    // events[0] is a placeholder with principal 0 before the first event.
    std::vector<Event> events;
    Date endDay{};
    int regime = 0;  // 1–5 with the statutory rate, 0 with a custom rate
    // Payments dated after the end day: they cannot change the interest up to it.
    std::vector<ExcludedPayment> excluded;
};

struct Prepared {
    std::vector<Group> groups;        // by first occurrence of the label in the debts grid
    std::vector<DebtRow> debts;       // sorted by due date
    std::vector<PaymentRow> payments; // earliest-due payments moved up and labelled
};

// Builds the groups from the grids and the options (PropoctiUroky). The rate
// table is needed for the statutory rate only and may be null otherwise.
Prepared PropoctiUroky(const std::vector<DebtRow>& debts, const std::vector<PaymentRow>& payments,
                       const Options& options, const RateTable* table);

// ---- the result ------------------------------------------------------------

struct Period {
    Date from{}, to{};        // the event days; the period excludes `to` unless it is the last
    std::int64_t days = 0;    // n: to − from, + 1 for the last period
    Money principal = 0;
    double rate = 0;          // statutory annual rate (0 with a custom rate)
    double before = 0;        // interest accumulator at the start (after the payment)
    double after = 0;
    Money payment = 0;        // payment recognised at the start of the period
    bool first = false;       // the group's first period
    bool last = false;        // the group's last period
    bool newSegment = false;  // principal differs from the previous period's
    // Late fee: per mille per day and the monthly minimum that applied.
    double perMille = 0;
    double minimum = 0;
    bool minimumCharged = false;
};

struct GroupResult {
    std::string label;
    int regime = 0;
    Date endDay{};
    std::vector<ExcludedPayment> excluded;
    std::vector<Period> periods;
    std::optional<Date> settledOn;  // payments exceeded the debt on this day
    Date first{}, last{};
    std::int64_t days = 0;
    double interest = 0;     // crowns
    Money principal = 0;     // remaining
    double overpayment = 0;  // to refund (not carried into the next group)
};

struct Computation {
    std::vector<DebtRow> debts;        // the grids as the computation leaves them
    std::vector<PaymentRow> payments;
    Options options;                   // with the custom-rate fields cross-filled
    double yearLength = 365;
    double dailyRate = 0;              // custom rate in percent per day, as applied
    double annualRate = 0;             // custom rate in percent per year
    std::vector<GroupResult> groups;
    double totalInterest = 0;
    Money totalPrincipal = 0;
    double totalOverpayment = 0;
};

// The whole computation. `table` may be null when the custom rate is on.
Computation computeInterest(const Case& c, const RateTable* table);

// Late fee by the period's first day: 2,5 ‰ a day and at least 25 Kč a
// month until 30.12.2013, 1 ‰ and 10 Kč for periods from 31.12.2013 on.
struct FeeRule {
    double perMille;
    double minimum;
};
FeeRule feeRuleFor(Date periodStart);

}  // namespace verdika::interest
