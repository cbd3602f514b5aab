#include "deadlines/holidays.h"

#include <gtest/gtest.h>

namespace verdika {
namespace {

Date d(const char* text) { return parseDate(text); }

// The published step-by-step rule (day of March, truncating division); an
// independent way to the same Easter, valid from 1583 until 3164.
Date easterMondayByMarchDays(int Y) {
    const int G = Y % 19 + 1, E = ((G - 1) * 11) % 30;
    const int C = Y / 100 + 1, X = 3 * C / 4, Z = (8 * C + 5) / 25;
    int e = (E - X + Z + 8) % 30;
    if (e == 24 || (e == 25 && G > 11)) ++e;
    int N = e >= 24 ? 74 - e : 44 - e;
    const int T = 3 * (C - 16) / 4 + 10, D = (Y + Y / 4 + 4 - T) % 7, W = 7 - D;
    N = N - (N + 10 - W) % 7 + 7;
    return N < 31 ? makeDate(Y, 3, static_cast<unsigned>(N + 1)) : makeDate(Y, 4, static_cast<unsigned>(N - 30));
}

TEST(Holidays, EasterMonday) {
    const struct {
        int year;
        const char* monday;
    } cases[] = {{1583, "11.4.1583"}, {2012, "9.4.2012"},  {2013, "1.4.2013"},  {2014, "21.4.2014"},
                 {2019, "22.4.2019"}, {2038, "26.4.2038"}, {2100, "29.3.2100"}, {2285, "23.3.2285"}};
    for (const auto& c : cases) EXPECT_EQ(formatDate(Velikonocni_Pondeli(c.year)), c.monday) << c.year;
    for (int y = kFirstCalendarYear; y <= 3164; ++y) ASSERT_EQ(Velikonocni_Pondeli(y), easterMondayByMarchDays(y)) << y;
    for (int y = kFirstCalendarYear; y <= kLastCalendarYear; ++y) {
        const Date m = Velikonocni_Pondeli(y);
        ASSERT_EQ(weekdayNumber(m), 1) << y;
        ASSERT_TRUE(m >= makeDate(y, 3, 23) && m <= makeDate(y, 4, 26)) << y;
    }
}

TEST(Holidays, NextWorkingDayExplainsEveryDayPassed) {
    const struct {
        const char* from;
        const char* to;
        std::vector<std::string> lines;
    } cases[] = {
        {"28.2.2013", "28.2.2013", {}},
        // A Saturday steps over Sunday with one line.
        {"16.3.2013", "18.3.2013", {"16.3.2013: vyšlo to na sobotu"}},
        {"31.3.2013", "2.4.2013", {"31.3.2013: vyšlo to na neděli", "1.4.2013: Velikonoční pondělí"}},
        {"28.9.2012", "1.10.2012", {"28.9.2012: Den české státnosti (státní svátek)", "29.9.2012: vyšlo to na sobotu"}},
        // Holidays on a weekend are reported as the weekday.
        {"24.12.2011", "27.12.2011",
         {"24.12.2011: vyšlo to na sobotu", "26.12.2011: Druhý vánoční svátek (ostatní svátek)"}},
        {"28.10.2018", "29.10.2018", {"28.10.2018: vyšlo to na neděli"}},
        {"24.12.2025", "29.12.2025",
         {"24.12.2025: Štědrý den (ostatní svátek)", "25.12.2025: První vánoční svátek (ostatní svátek)",
          "26.12.2025: Druhý vánoční svátek (ostatní svátek)", "27.12.2025: vyšlo to na sobotu"}},
        // Good Friday is a day of rest from 2016 on.
        {"25.3.2016", "29.3.2016",
         {"25.3.2016: Velký pátek (ostatní svátek)", "26.3.2016: vyšlo to na sobotu",
          "28.3.2016: Velikonoční pondělí"}},
        {"3.4.2026", "7.4.2026",
         {"3.4.2026: Velký pátek (ostatní svátek)", "4.4.2026: vyšlo to na sobotu", "6.4.2026: Velikonoční pondělí"}},
        {"3.4.2015", "3.4.2015", {}},
        // Den české státnosti exists since 2000.
        {"28.9.1999", "28.9.1999", {}},
        {"28.9.2000", "29.9.2000", {"28.9.2000: Den české státnosti (státní svátek)"}},
    };
    for (const auto& c : cases) {
        Date day = d(c.from);
        std::vector<std::string> lines{"předchozí"};
        Zjisti_Svatek(day, lines);
        EXPECT_EQ(formatDate(day), c.to) << c.from;
        lines.erase(lines.begin());  // lines are appended, never replaced
        EXPECT_EQ(lines, c.lines) << c.from;
    }
}

TEST(Holidays, YearLists) {
    auto h2016 = publicHolidays(2016);
    ASSERT_EQ(h2016.size(), 13u);
    EXPECT_EQ(formatDate(h2016.front().first), "1.1.2016");
    EXPECT_EQ(formatDate(h2016[1].first) + " " + h2016[1].second, "25.3.2016 Velký pátek (ostatní svátek)");
    EXPECT_EQ(formatDate(h2016[2].first) + " " + h2016[2].second, "28.3.2016 Velikonoční pondělí");
    EXPECT_EQ(formatDate(h2016.back().first), "26.12.2016");
    EXPECT_EQ(publicHolidays(2015).size(), 12u);
    EXPECT_EQ(publicHolidays(1999).size(), 11u);
    for (const auto& [day, name] : h2016) EXPECT_EQ(holidayName(day), name);
    EXPECT_EQ(weekdayName(d("2.1.2013")), "středa");
    EXPECT_EQ(weekdayName(d("6.1.2013")), "neděle");
}

}  // namespace
}  // namespace verdika
