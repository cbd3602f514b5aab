#include "deadlines/deadline.h"

#include <gtest/gtest.h>

#include "common/errors.h"

namespace verdika {
namespace {

Date d(const char* text) { return parseDate(text); }

TEST(Deadline, EndAndEnforceability) {
    using U = DeadlineUnit;
    const struct {
        const char* start;
        std::int64_t n;
        U unit;
        std::int64_t k;
        const char* end;
        std::vector<std::string> endReasons;
        const char* enforceable;
        std::vector<std::string> enforceableReasons;
    } cases[] = {
        {"1.3.2013", 15, U::Days, 3, "18.3.2013", {"16.3.2013: vyšlo to na sobotu"}, "22.3.2013", {}},
        // Enforceability counts from the moved end and is moved on its own.
        {"1.3.2013", 15, U::Days, 4, "18.3.2013", {"16.3.2013: vyšlo to na sobotu"}, "25.3.2013",
         {"23.3.2013: vyšlo to na sobotu"}},
        {"16.3.2013", 15, U::Days, 3, "2.4.2013", {"31.3.2013: vyšlo to na neděli", "1.4.2013: Velikonoční pondělí"},
         "8.4.2013", {"6.4.2013: vyšlo to na sobotu"}},
        {"13.9.2012", 15, U::Days, 3, "1.10.2012",
         {"28.9.2012: Den české státnosti (státní svátek)", "29.9.2012: vyšlo to na sobotu"}, "5.10.2012", {}},
        {"1.3.2013", 0, U::Days, 3, "1.3.2013", {}, "5.3.2013", {}},
        // Months keep the day, or take the last day of a shorter month.
        {"31.1.2013", 1, U::Months, 3, "28.2.2013", {}, "4.3.2013", {}},
        {"31.1.2012", 1, U::Months, 3, "29.2.2012", {}, "5.3.2012", {"4.3.2012: vyšlo to na neděli"}},
        {"31.10.2013", 4, U::Months, 3, "28.2.2014", {}, "4.3.2014", {}},
        {"15.12.2013", 2, U::Months, 3, "17.2.2014", {"15.2.2014: vyšlo to na sobotu"}, "21.2.2014", {}},
        {"29.2.2012", 1, U::Years, 3, "28.2.2013", {}, "4.3.2013", {}},
        {"10.6.2013", 3, U::Years, 3, "10.6.2016", {}, "14.6.2016", {}},
    };
    for (const auto& c : cases) {
        DeadlineInput in;
        in.start = d(c.start);
        in.count = c.n;
        in.unit = c.unit;
        in.enforceabilityDays = c.k;
        const DeadlineResult r = computeDeadline(in);
        EXPECT_EQ(formatDate(r.end), c.end) << c.start << " + " << c.n;
        EXPECT_EQ(r.endReasons, c.endReasons) << c.start << " + " << c.n;
        EXPECT_EQ(formatDate(r.enforceability), c.enforceable) << c.start << " + " << c.n;
        EXPECT_EQ(r.enforceabilityReasons, c.enforceableReasons) << c.start << " + " << c.n;
    }
}

TEST(Deadline, SuspensionAddsItsDaysCountedFromTheStart) {
    const struct {
        const char* start;
        const char* from;
        const char* to;
        const char* end;
        const char* usedFrom;
        const char* usedTo;
    } cases[] = {
        {"3.5.2012", "10.5.2012", "20.5.2012", "28.5.2012", "10.5.2012", "20.5.2012"},  // 18.5. + 10
        {"3.5.2012", "20.5.2012", "10.5.2012", "28.5.2012", "20.5.2012", "10.5.2012"},  // either order
        {"15.5.2012", "10.5.2012", "20.5.2012", "4.6.2012", "15.5.2012", "20.5.2012"},  // 30.5. + 5
        {"25.5.2012", "10.5.2012", "20.5.2012", "11.6.2012", "25.5.2012", "25.5.2012"},  // 9.6. (Sat) + 0
    };
    for (const auto& c : cases) {
        DeadlineInput in;
        in.start = d(c.start);
        in.count = 15;
        in.suspension = Suspension{d(c.from), d(c.to)};
        const DeadlineResult r = computeDeadline(in);
        EXPECT_EQ(formatDate(r.end), c.end) << c.start;
        ASSERT_TRUE(r.suspension);
        EXPECT_EQ(formatDate(r.suspension->from), c.usedFrom) << c.start;
        EXPECT_EQ(formatDate(r.suspension->to), c.usedTo) << c.start;
    }
}

TEST(Deadline, CountsBeyondTheCalendarAreRefused) {
    for (auto [n, unit] : {std::pair{std::int64_t{1'000'000'000'000}, DeadlineUnit::Days},
                           std::pair{std::int64_t{3'000'000}, DeadlineUnit::Days},
                           std::pair{std::int64_t{-1'000'000}, DeadlineUnit::Days},
                           std::pair{std::int64_t{1'000'000'000'000}, DeadlineUnit::Months},
                           std::pair{std::int64_t{9'000}, DeadlineUnit::Years}}) {
        DeadlineInput in;
        in.start = d("1.1.2013");
        in.count = n;
        in.unit = unit;
        EXPECT_THROW(computeDeadline(in), ConversionError) << n;
    }
    DeadlineInput in;
    in.start = d("1.1.2013");
    in.enforceabilityDays = 1'000'000'000'000;
    EXPECT_THROW(computeDeadline(in), ConversionError);
}

TEST(Deadline, AppealAid) {
    const std::vector<std::string> expected = {
        "12.1.2013: vyšlo to na sobotu",
        "uloženo: 2.1.2013, středa",
        "+10 dnů: 12.1.2013, sobota",
        "doručeno: 14.1.2013, pondělí",
        "+15dnů: 29.1.2013, úterý",
        "poslední den lhůty:\t29.1.2013, úterý",
        "v právní moci:\t30.1.2013, středa",
        "-------------",
        "doručeno: 2.1.2013",
        "+15dnů: 17.1.2013",
        "poslední den lhůty: 17.1.2013",
        "v právní moci:\t18.1.2013",
    };
    EXPECT_EQ(appealAidLines(d("2.1.2013"), 15), expected);
    // Both variants' moves are listed where they were made; legal force is
    // the next day even when that is a Saturday.
    const std::vector<std::string> three = {
        "30.3.2013: vyšlo to na sobotu",
        "1.4.2013: Velikonoční pondělí",
        "uloženo: 20.3.2013, středa",
        "+10 dnů: 30.3.2013, sobota",
        "doručeno: 2.4.2013, úterý",
        "+3dnů: 5.4.2013, pátek",
        "poslední den lhůty:\t5.4.2013, pátek",
        "v právní moci:\t6.4.2013, sobota",
        "-------------",
        "23.3.2013: vyšlo to na sobotu",
        "doručeno: 20.3.2013",
        "+3dnů: 23.3.2013",
        "poslední den lhůty: 25.3.2013",
        "v právní moci:\t26.3.2013",
    };
    EXPECT_EQ(appealAidLines(d("20.3.2013"), 3), three);
}

TEST(Deadline, DifferenceOfTwoDates) {
    EXPECT_EQ(dateDifferenceText(d("1.1.2012"), d("1.1.2013")), "Rozdíl dat je celkem 366, což je 1 roků a 1 dnů.");
    EXPECT_EQ(dateDifferenceText(d("1.1.2013"), d("1.1.2012")), "Rozdíl dat je celkem 366, což je 1 roků a 1 dnů.");
    EXPECT_EQ(dateDifferenceText(d("5.5.2020"), d("5.5.2020")), "Rozdíl dat je celkem 0, což je 0 roků a 0 dnů.");
}

}  // namespace
}  // namespace verdika
