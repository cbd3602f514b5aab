#pragma once
// Deductions from a debtor's monthly net wage in enforcement and in debt
// relief: the non-seizable amount on the debtor and on each dependant, the
// remainder split into thirds (one third for ordinary claims, two for
// preferential ones), everything above the threshold in full.
//
// The figures come from the dated table "srazky.ini"; this file fixes only
// how it is read and combined:
// - the period: until 2024 the version in force in the wage period (a rise
//   counts from the month it falls into); from 2025 the version in force on
//   1 January of the year the wage is paid;
// - the non-seizable total N + n·V is computed exactly and only the total is
//   rounded up to whole Kč; a threshold with hellers is rounded up too;
// - the thirds are formed from the remainder up to the threshold, rounded
//   down to whole Kč divisible by three; the remainder above the threshold is
//   deducted in full, unrounded.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/dates.h"
#include "common/errors.h"
#include "common/ini.h"

namespace verdika::wage {

inline constexpr std::string_view kTable = "srazky.ini";
inline constexpr std::string_view kRegulationText = "srazky.vrd";

// A computation the table cannot carry out (a period it does not cover, a
// period without figures) or input outside what the rule knows.
class WageError : public Error {
public:
    using Error::Error;
};

enum class Claim { Ordinary, Maintenance, Preferential };
// Which date picks the table's version.
enum class DecidedBy { WagePeriod, PaymentYear };
// When the spouse (or registered partner) counts as a dependant.
enum class SpouseRule { Always, WithPension };

// An exact share such as 2/3 or 0,85; text is how the table writes it.
struct Share {
    std::int64_t num = 0;
    std::int64_t den = 1;
    std::string text;
    double value() const { return static_cast<double>(num) / static_cast<double>(den); }
};

// One section of the table.
struct Period {
    std::string name;  // the section, e.g. "1.7.2020"
    Date from{};
    std::int64_t subsistence = 0;  // životní minimum jednotlivce, Kč
    std::int64_t housing = 0;      // the decree's housing amount, Kč
    Share debtorShare;             // of subsistence + housing
    Share dependantShare;          // of the debtor's amount
    Share thresholdMultiple;       // of subsistence + housing
    DecidedBy decidedBy = DecidedBy::WagePeriod;
    SpouseRule spouse = SpouseRule::Always;
    std::int64_t employerFee = 0;  // per month, Kč; 0 = none
    bool fourExecutions = false;   // four or more executions take two thirds
    bool unconfirmed = false;
    std::string note;
};

struct Input {
    int wageYear = 0;
    int wageMonth = 0;  // 1–12
    Date payment{};
    double netWage = 0;
    int dependants = 0;  // children and others, the spouse not included
    bool spouse = false;  // the spouse counts (until 2024 always, from 2025 with a pension)
    Claim claim = Claim::Ordinary;
    bool fourOrMoreExecutions = false;
    bool insolvency = false;  // debt relief: always as for preferential claims
};

inline constexpr int kMaxDependants = 99;
inline constexpr double kMaxNetWage = 1e9;

struct Result {
    Period period;
    Date decisive{};     // the day that picked the period
    int counted = 0;     // dependants counted, the spouse included
    double debtorAmount = 0;     // N, exact
    double dependantAmount = 0;  // V, exact
    double nonSeizable = 0;      // N + n·V rounded up to whole Kč
    double remainder = 0;        // net − non-seizable, never below 0
    double threshold = 0;        // T, whole Kč
    double thresholdExact = 0;
    double aboveThreshold = 0;   // deducted in full
    double remainderByThree = 0; // the remainder up to T, down to a multiple of 3
    double third = 0;
    int thirdsTaken = 1;
    double deduction = 0;
    double paidToDebtor = 0;
    double employerFee = 0;      // taken from the deduction
    double toCreditors = 0;
    std::vector<std::string> notes;
};

// "3/2026" or "03/2026"; nullopt for anything else.
std::optional<std::pair<int, int>> parseWagePeriod(std::string_view text);  // (month, year)
// A wage falls due in the month after its period: the 15th of that month.
Date defaultPaymentDate(int wageYear, int wageMonth);

// Reads one section; a missing or malformed figure is a WageError (a period
// without figures) or a DataError (a broken value) naming the section.
Period readPeriod(const IniFile& table, const std::string& section);
// The period that applies to the wage period and payment date. Throws
// WageError for a date outside the table and DataError for a broken table.
Period periodFor(const IniFile& table, const Input& in, Date* decisive = nullptr);

// Throws WageError for input out of range (explained in Czech).
Result compute(const IniFile& table, const Input& in);

std::string claimText(Claim c);
// The page's summary: each amount with Format_Castky.
std::vector<std::string> summaryLines(const Input& in, const Result& r);
// A short explanation of the period's rule, for the information button.
std::string periodExplanation(const Period& p);

}  // namespace verdika::wage
