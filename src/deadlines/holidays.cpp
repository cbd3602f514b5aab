#include "deadlines/holidays.h"

#include <algorithm>

namespace verdika {
namespace {

struct FixedHoliday {
    unsigned day;
    unsigned month;
    int sinceYear;  // the first year the day is a holiday
    const char* text;
};

// The days of rest of the holiday act (245/2000 Sb.). Den české státnosti
// was created by that act, so it counts from 2000 on; the others were days of
// rest before it.
constexpr FixedHoliday kFixed[] = {
    {1, 1, kFirstCalendarYear, "Nový rok"},
    {1, 5, kFirstCalendarYear, "Svátek práce (ostatní svátek)"},
    {8, 5, kFirstCalendarYear, "Den osvobození (státní svátek)"},
    {5, 7, kFirstCalendarYear, "Den slovanských věrozvěstů Cyrila a Metoděje (státní svátek)"},
    {6, 7, kFirstCalendarYear, "Den upálení mistra Jana Husa (státní svátek)"},
    {28, 9, 2000, "Den české státnosti (státní svátek)"},
    {28, 10, kFirstCalendarYear, "Den vzniku samostatného československého státu (státní svátek)"},
    {17, 11, kFirstCalendarYear, "Den boje za svobodu a demokracii (státní svátek)"},
    {24, 12, kFirstCalendarYear, "Štědrý den (ostatní svátek)"},
    {25, 12, kFirstCalendarYear, "První vánoční svátek (ostatní svátek)"},
    {26, 12, kFirstCalendarYear, "Druhý vánoční svátek (ostatní svátek)"},
};

// Good Friday became a day of rest by act 359/2015 Sb.; first observed 25.3.2016.
constexpr int kGoodFridaySince = 2016;
constexpr const char* kEasterMondayText = "Velikonoční pondělí";
constexpr const char* kGoodFridayText = "Velký pátek (ostatní svátek)";

const FixedHoliday* fixedHoliday(Date d) {
    const unsigned day = dayOf(d), month = monthOf(d);
    const int year = yearOf(d);
    for (const auto& h : kFixed)
        if (h.day == day && h.month == month && year >= h.sinceYear) return &h;
    return nullptr;
}

}  // namespace

bool inCalendarRange(Date d) {
    const int y = yearOf(d);
    return y >= kFirstCalendarYear && y <= kLastCalendarYear;
}

Date Velikonocni_Pondeli(int year) {
    // The anonymous Gregorian computus (Meeus): Easter Sunday, then one day on.
    const int a = year % 19, b = year / 100, c = year % 100;
    const int d = b / 4, e = b % 4, f = (b + 8) / 25, g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31;
    const int day = (h + l - 7 * m + 114) % 31 + 1;
    return makeDate(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) + std::chrono::days(1);
}

std::optional<std::string> holidayName(Date d) {
    if (const FixedHoliday* h = fixedHoliday(d)) return std::string(h->text);
    const int year = yearOf(d);
    const Date easterMonday = Velikonocni_Pondeli(year);
    if (d == easterMonday) return std::string(kEasterMondayText);
    if (year >= kGoodFridaySince && d == easterMonday - std::chrono::days(3)) return std::string(kGoodFridayText);
    return std::nullopt;
}

std::vector<std::pair<Date, std::string>> publicHolidays(int year) {
    std::vector<std::pair<Date, std::string>> out;
    for (const auto& h : kFixed)
        if (year >= h.sinceYear) out.emplace_back(makeDate(year, h.month, h.day), h.text);
    const Date easterMonday = Velikonocni_Pondeli(year);
    out.emplace_back(easterMonday, kEasterMondayText);
    if (year >= kGoodFridaySince) out.emplace_back(easterMonday - std::chrono::days(3), kGoodFridayText);
    std::sort(out.begin(), out.end());
    return out;
}

int weekdayNumber(Date d) { return static_cast<int>(std::chrono::weekday(d).iso_encoding()); }

std::string weekdayName(Date d) {
    static const char* const kNames[] = {"neděle", "pondělí", "úterý", "středa", "čtvrtek", "pátek", "sobota"};
    return kNames[std::chrono::weekday(d).c_encoding()];
}

bool isWorkingDay(Date d) { return weekdayNumber(d) < 6 && !holidayName(d); }

void Zjisti_Svatek(Date& d, std::vector<std::string>& lines) {
    while (!isWorkingDay(d)) {
        const int wd = weekdayNumber(d);
        if (wd == 6) {
            lines.push_back(formatDate(d) + ": vyšlo to na sobotu");
            d += std::chrono::days(1);  // Sunday needs no line of its own
        } else if (wd == 7) {
            lines.push_back(formatDate(d) + ": vyšlo to na neděli");
        } else {
            lines.push_back(formatDate(d) + ": " + *holidayName(d));
        }
        d += std::chrono::days(1);
    }
}

}  // namespace verdika
