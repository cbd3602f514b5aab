#pragma once
// Czech public holidays and the move of a time limit's last day over
// weekends and holidays. Nothing is read from files: the fixed holidays are
// a table here, Easter is computed for the year.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/dates.h"

namespace verdika {

// Years the calendar is kept for: the Gregorian Easter from its first year on.
inline constexpr int kFirstCalendarYear = 1583;
inline constexpr int kLastCalendarYear = 9999;
bool inCalendarRange(Date d);

// Easter Monday of the year (Gregorian).
Date Velikonocni_Pondeli(int year);

// The name of the public holiday on d as the explanation lines show it, or
// nothing when d is not a holiday. Weekends are not holidays here.
std::optional<std::string> holidayName(Date d);

// The public holidays of a year, in date order.
std::vector<std::pair<Date, std::string>> publicHolidays(int year);

// 1 = Monday … 7 = Sunday.
int weekdayNumber(Date d);
// "pondělí" … "neděle".
std::string weekdayName(Date d);

bool isWorkingDay(Date d);

// Moves d forward to the first working day on or after it and appends one
// explanation line for every non-working day passed ("16.3.2013: vyšlo to na
// sobotu"). A Saturday moves two days at once with the Saturday line only; a
// holiday on a weekend is reported as the weekday. A working day is left as
// it is and no line is added.
void Zjisti_Svatek(Date& d, std::vector<std::string>& lines);

}  // namespace verdika
