#pragma once
// The table of the central bank's rates behind statutory late interest
// ("uroky.vrd" in the data directory): one line "d.m.yyyy;rate" per boundary,
// the bare published rate in percent (discount rate before 28.4.2005, the
// two-week repo rate afterwards). The statutory surcharge is applied here,
// at lookup time, never stored.
//
// Content convention (stated to the user in the editor window): a line on
// 1.1. and 1.7. of every year, and from 30.6.2010 on also one on 30.6. and
// 31.12. carrying the rate of the half-year's last day. Before 28.4.2005 the
// table also holds every change date of the discount rate.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "common/dates.h"
#include "interest/interest.h"

namespace verdika::interest {

// Interest regimes by the first day of default.
//   1  before 28.4.2005        2 × discount rate of the first day of default
//   2  28.4.2005 – 30.6.2010   7 + repo of the first day of each calendar half-year
//   3  1.7.2010 – 30.6.2013    7 + repo of the last day of the preceding half-year
//   4  1.7.2013 – 31.12.2013   8 + repo of the last day of the preceding half-year
//   5  from 1.1.2014           8 + repo of the first day of the half-year of default
int regimeFor(Date firstDayOfDefault);
// 1.1. or 1.7. of the day's calendar half-year.
Date halfYearStart(Date day);

struct RateLine {
    Date date;
    double rate = 0;   // percent per year, as published
    std::string text;  // the line as it stands in the file
};

// The published rates a line may carry, in percent: the central bank's
// rates have never been negative or above 15 %; anything outside this is a
// typing slip and would make interest meaningless.
inline constexpr double kMinRate = 0;
inline constexpr double kMaxRate = 100;

class RateTable {
public:
    // Every reader appends this line; it is never written back.
    static constexpr std::string_view kSentinel = "1.1.2100;1";

    // Parses the file's text. Blank lines are skipped; lines are put in date
    // order (a hand-edited file out of order still gives the right rates). A
    // line that does not read as "date;number", a date outside
    // kFirstComputableDay … kLastComputableDay or a rate outside
    // kMinRate … kMaxRate is a DataError naming the line; so is a table
    // without any line.
    static RateTable fromText(std::string_view text, std::string_view fileName = "uroky.vrd");
    // Reads the file; a missing file is an IoError naming it.
    static RateTable load(const std::filesystem::path& file);

    std::size_t size() const { return lines_.size(); }  // with the sentinel
    const RateLine& line(std::size_t index) const;       // DataError outside the table

    // The date of a line of the table.
    Date Vytahnuti_Data(std::size_t index) const { return line(index).date; }
    // The line in force on a day: the last one dated on or before it. A day
    // before the first line is a DataError (there is no rate for it).
    std::size_t lineInForce(Date day) const;
    // The statutory annual rate in percent for a regime on a day, see regimeFor.
    double Vytahnuti_Repo(int regime, Date day) const;

    // The boundaries at which a regime-2 default changes its rate: the 1.1.
    // and 1.7. lines from index 27 on (the older lines belong to the
    // discount-rate era and never lie inside a regime-2 default).
    std::vector<Date> halfYearSplitPoints() const;

private:
    std::vector<RateLine> lines_;
    std::string fileName_;
};

// ---- The editor window's list ------------------------------------------
// The lines as texts, in file order (the window shows them as they are).
std::vector<std::string> readRateLines(const std::filesystem::path& file);
// Writes every line, CR LF, replacing the file.
void saveRateLines(const std::filesystem::path& file, const std::vector<std::string>& lines);
// "d.m.yyyy;rate" from the date picker and the rate field (trimmed).
std::string rateLineText(Date date, std::string_view rate);
// The date before the first ";" and everything after it.
struct RateLineParts {
    std::string date, rate;
};
RateLineParts splitRateLine(std::string_view line);

// Adds a boundary at its place in date order. Refused (DataError with the
// message for the user): a rate that is not a number or out of range, a date
// outside the computable days, a date already listed.
std::vector<std::string> addRateLine(std::vector<std::string> lines, Date date, std::string_view rate);
// Replaces the line at index and moves it to its place in date order; the
// same refusals (its own date does not count as listed).
std::vector<std::string> replaceRateLine(std::vector<std::string> lines, std::size_t index, Date date,
                                         std::string_view rate);
std::vector<std::string> removeRateLine(std::vector<std::string> lines, std::size_t index);

}  // namespace verdika::interest
