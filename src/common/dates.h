#pragma once
// Whole days as std::chrono::sys_days; the text form is d.m.yyyy.
#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace verdika {

using Date = std::chrono::sys_days;

// A local date and time of day, for the task list's due dates and "now".
struct DateTime {
    Date date{};
    int seconds = 0;  // since midnight, 0 … 86399
    friend auto operator<=>(const DateTime&, const DateTime&) = default;
};

Date makeDate(int year, unsigned month, unsigned day);  // the caller vouches for a valid day
int yearOf(Date d);
unsigned monthOf(Date d);
unsigned dayOf(Date d);

// "d.m.yyyy" (leading zeros in day and month accepted, blanks around
// allowed), years 1000-9999: every date it accepts, formatDate writes back
// as a text it reads to the same day. What a calculation can use is
// narrower; each calculation checks its own range and names the field.
inline constexpr int kFirstYear = 1000;
inline constexpr int kLastYear = 9999;
std::optional<Date> tryParseDate(std::string_view text);
Date parseDate(std::string_view text);  // throws ConversionError

std::string formatDate(Date d);           // "1.7.2014"; the year always has four digits
std::string formatLongDate(Date d);       // "1. července 2014"
std::string formatTime(int seconds);      // "9:05"

Date today();       // local calendar day
DateTime now();     // local date and time

}  // namespace verdika
