#include "interest/rate_table.h"

#include <gtest/gtest.h>

#include "common/errors.h"
#include "test_support.h"

namespace verdika::interest {
namespace {

Date d(int day, unsigned month, int year) { return makeDate(year, month, static_cast<unsigned>(day)); }

const RateTable& shipped() {
    static const RateTable t = RateTable::load(test::shippedDir() / "uroky.vrd");
    return t;
}

// The shipped table against the published statutory rates: a default that
// begins on any day of a half-year from 2014 on owes the repo rate of the
// half-year's first day + 8 points, fixed. The half-year's first, middle and
// last day must agree (the last day is where the 30.6./31.12. lines sit).
TEST(ShippedRateTable, StatutoryRateForEveryHalfYearFrom2014) {
    struct Case {
        int year;
        double firstHalf, secondHalf;
    };
    const Case cases[] = {
        {2014, 8.05, 8.05},   {2015, 8.05, 8.05},   {2016, 8.05, 8.05},   {2017, 8.05, 8.05},
        {2018, 8.50, 9.00},   {2019, 9.75, 10.00},  {2020, 10.00, 8.25},  {2021, 8.25, 8.50},
        {2022, 11.75, 15.00}, {2023, 15.00, 15.00}, {2024, 14.75, 12.75}, {2025, 12.00, 11.50},
        {2026, 11.50, 11.50},
    };
    for (const Case& c : cases) {
        for (Date day : {d(1, 1, c.year), d(15, 3, c.year), d(30, 6, c.year)}) {
            EXPECT_EQ(regimeFor(day), 5);
            EXPECT_NEAR(shipped().Vytahnuti_Repo(5, day), c.firstHalf, 1e-9) << formatDate(day);
        }
        for (Date day : {d(1, 7, c.year), d(15, 9, c.year), d(31, 12, c.year)})
            EXPECT_NEAR(shipped().Vytahnuti_Repo(5, day), c.secondHalf, 1e-9) << formatDate(day);
    }
}

TEST(ShippedRateTable, OlderRegimes) {
    struct Case {
        Date firstDay;
        int regime;
        double rate;
    };
    const Case cases[] = {
        {d(15, 9, 2004), 1, 3.00},    // 2 × discount 1,50 (since 27.8.2004)
        {d(27, 4, 2005), 1, 2.00},    // 2 × discount 1,00, the last day of the discount era
        {d(28, 4, 2005), 2, 9.50},    // repo of 1.1.2005 (2,50) + 7
        {d(1, 3, 2009), 2, 9.25},     // repo of 1.1.2009 (2,25) + 7
        {d(30, 6, 2010), 2, 8.00},    // repo of 1.1.2010 (1,00) + 7, not the 30.6.2010 line
        {d(1, 7, 2010), 3, 7.75},     // repo on 30.6.2010 (0,75) + 7
        {d(15, 3, 2012), 3, 7.75},    // repo on 31.12.2011
        {d(5, 11, 2012), 3, 7.50},    // repo on 30.6.2012 (0,50)
        {d(15, 3, 2013), 3, 7.05},    // repo on 31.12.2012 (0,05)
        {d(20, 8, 2013), 4, 8.05},    // repo on 30.6.2013 + 8
        {d(31, 12, 2013), 4, 8.05},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(regimeFor(c.firstDay), c.regime) << formatDate(c.firstDay);
        EXPECT_NEAR(shipped().Vytahnuti_Repo(c.regime, c.firstDay), c.rate, 1e-9) << formatDate(c.firstDay);
    }
    // A regime-2 default still running re-prices every half-year.
    EXPECT_NEAR(shipped().Vytahnuti_Repo(2, d(1, 7, 2009)), 8.50, 1e-9);
    EXPECT_NEAR(shipped().Vytahnuti_Repo(2, d(1, 1, 2024)), 13.75, 1e-9);
}

TEST(ShippedRateTable, FollowsTheTableConvention) {
    const RateTable& t = shipped();
    size_t beforeJuly2005 = 0;
    for (size_t i = 0; i + 1 < t.size(); ++i) {
        EXPECT_LT(t.Vytahnuti_Data(i), t.Vytahnuti_Data(i + 1)) << t.line(i).text;  // ascending, one line per date
        if (t.Vytahnuti_Data(i) < d(1, 7, 2005)) ++beforeJuly2005;
    }
    EXPECT_GE(beforeJuly2005, 27u);
    auto has = [&](Date day) { return t.Vytahnuti_Data(t.lineInForce(day)) == day; };
    for (int y = 2010; y <= 2026; ++y) {
        EXPECT_TRUE(has(d(30, 6, y)) && has(d(1, 7, y))) << y;
        if (y < 2026) {
            EXPECT_TRUE(has(d(31, 12, y)) && has(d(1, 1, y + 1))) << y;
        }
    }
    EXPECT_EQ(t.line(t.size() - 1).text, RateTable::kSentinel);
}

TEST(RateTable, LookupAtBoundariesAndRegimes) {
    const RateTable t = RateTable::fromText("1.1.2011;0,75\r\n1.7.2011;0,60\r\n31.12.2011;1,00\r\n1.1.2012;2,00\r\n");
    EXPECT_EQ(t.size(), 5u);  // with the sentinel
    EXPECT_EQ(t.Vytahnuti_Data(2), d(31, 12, 2011));
    EXPECT_NEAR(t.Vytahnuti_Repo(1, d(1, 7, 2011)), 1.20, 1e-12);   // the boundary's own day
    EXPECT_NEAR(t.Vytahnuti_Repo(1, d(30, 6, 2011)), 1.50, 1e-12);  // the day before it
    // 15.3.2012: regimes 3 and 4 take the 31.12.2011 line, regimes 1, 2, 5 the 1.1.2012 line.
    const Date day = d(15, 3, 2012);
    EXPECT_NEAR(t.Vytahnuti_Repo(1, day), 4.0, 1e-12);
    EXPECT_NEAR(t.Vytahnuti_Repo(2, day), 9.0, 1e-12);
    EXPECT_NEAR(t.Vytahnuti_Repo(3, day), 8.0, 1e-12);
    EXPECT_NEAR(t.Vytahnuti_Repo(4, day), 9.0, 1e-12);
    EXPECT_NEAR(t.Vytahnuti_Repo(5, day), 10.0, 1e-12);
    // The 31.12. line serves regimes 3 and 4 only; a default beginning that day owes the half-year's rate.
    EXPECT_NEAR(t.Vytahnuti_Repo(5, d(31, 12, 2011)), 8.60, 1e-12);
    EXPECT_NEAR(t.Vytahnuti_Repo(1, d(31, 12, 2011)), 2.00, 1e-12);
    // After the last real line: the last real line.
    EXPECT_NEAR(t.Vytahnuti_Repo(5, d(1, 8, 2030)), 10.0, 1e-12);
    // Before the first line there is no rate.
    EXPECT_THROW(t.Vytahnuti_Repo(1, d(31, 12, 2010)), DataError);
    EXPECT_THROW(t.Vytahnuti_Data(5), DataError);
}

TEST(RateTable, ReadsHandEditedFiles) {
    // Out of order and with blank lines: still read in date order.
    const RateTable t = RateTable::fromText("1.7.2011;0,60\n\n1.1.2011;0,75\n");
    EXPECT_EQ(t.Vytahnuti_Data(0), d(1, 1, 2011));
    EXPECT_NEAR(t.Vytahnuti_Repo(1, d(1, 3, 2011)), 1.5, 1e-12);
    for (const char* bad : {"1.1.2011;x\n", "1.13.2011;1\n", "1.1.2011\n", "1.1.2011;1,5%\n"}) {
        try {
            RateTable::fromText(bad);
            ADD_FAILURE() << bad;
        } catch (const DataError& e) {
            EXPECT_NE(std::string(e.what()).find(std::string(bad).substr(0, 8)), std::string::npos) << e.what();
        }
    }
    test::TempDir dir;
    EXPECT_THROW(RateTable::load(dir / "uroky.vrd"), IoError);
}

TEST(RateTable, RefusesRatesAndDaysNoComputationCanUse) {
    const struct {
        const char* line;
        const char* message;
    } cases[] = {
        {"1.7.0022;-4333333334", "nelze přečíst"},  // a three-digit year is no date
        {"1.7.2022;-4333333334", "má sazbu mimo rozsah 0 až 100 %"},
        {"1.7.2022;-0,5", "má sazbu mimo rozsah"},
        {"1.7.2022;1E30", "má sazbu mimo rozsah"},
        {"1.7.2205;3", "má datum mimo dny, které program umí spočítat (1.1.1900 až 31.12.2099)"},
        {"1.1.1899;3", "má datum mimo dny"},
    };
    for (const auto& c : cases) {
        try {
            RateTable::fromText(std::string("1.1.2020;1\n") + c.line + "\n");
            ADD_FAILURE() << c.line;
        } catch (const DataError& e) {
            EXPECT_NE(std::string(e.what()).find(std::string("„") + c.line + "“"), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
    }
    // An empty table says so, instead of naming the sentinel as its first line.
    for (const char* empty : {"", "\r\n  \r\n"}) {
        try {
            RateTable::fromText(empty);
            ADD_FAILURE();
        } catch (const DataError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "Tabulka úrokových sazeb uroky.vrd je prázdná. Zadejte sazby tlačítkem „Zadat výši úrokových "
                      "sazeb“, nebo soubor obnovte z instalace programu.");
        }
    }
    // The editor refuses the same.
    const std::vector<std::string> lines = {"1.1.2024;6,75"};
    EXPECT_THROW(addRateLine(lines, d(1, 1, 2025), "101"), DataError);
    EXPECT_THROW(addRateLine(lines, d(1, 1, 2100), "4"), DataError);
    EXPECT_THROW(replaceRateLine(lines, 0, d(1, 1, 2024), "-1"), DataError);
}

TEST(RateTable, HalfYearSplitPointsAreTheJanuaryAndJulyLinesFromLine27) {
    std::string text;
    for (int y = 1980; y < 1994; ++y) text += "1.1." + std::to_string(y) + ";5\n1.7." + std::to_string(y) + ";5\n";
    text += "15.5.2005;2\n30.6.2010;1\n1.7.2010;1\n31.12.2010;1\n1.1.2011;1\n";
    const auto points = RateTable::fromText(text).halfYearSplitPoints();
    EXPECT_EQ(points, (std::vector<Date>{d(1, 7, 1993), d(1, 7, 2010), d(1, 1, 2011), d(1, 1, 2100)}));
}

TEST(RateTableEditor, KeepsDateOrderAndRefusesBadInput) {
    const std::vector<std::string> lines = {"1.1.2024;6,75", "1.7.2024;4,75"};
    EXPECT_EQ(addRateLine(lines, d(30, 6, 2024), " 4,75 "),
              (std::vector<std::string>{"1.1.2024;6,75", "30.6.2024;4,75", "1.7.2024;4,75"}));
    EXPECT_EQ(addRateLine(lines, d(1, 1, 2025), "4"),
              (std::vector<std::string>{"1.1.2024;6,75", "1.7.2024;4,75", "1.1.2025;4"}));
    EXPECT_EQ(addRateLine(lines, d(1, 1, 2023), "7"),
              (std::vector<std::string>{"1.1.2023;7", "1.1.2024;6,75", "1.7.2024;4,75"}));
    for (const char* bad : {"", "abc", "4.75", "4,75 %"}) EXPECT_THROW(addRateLine(lines, d(1, 1, 2025), bad), DataError) << bad;
    EXPECT_THROW(addRateLine(lines, d(1, 7, 2024), "5"), DataError);  // that day is listed already

    // Editing a line may move it; its own date does not count as a duplicate.
    EXPECT_EQ(replaceRateLine(lines, 0, d(1, 1, 2024), "6,5"), (std::vector<std::string>{"1.1.2024;6,5", "1.7.2024;4,75"}));
    EXPECT_EQ(replaceRateLine(lines, 0, d(1, 1, 2025), "4"), (std::vector<std::string>{"1.7.2024;4,75", "1.1.2025;4"}));
    EXPECT_THROW(replaceRateLine(lines, 0, d(1, 7, 2024), "4"), DataError);
    EXPECT_THROW(replaceRateLine(lines, 2, d(1, 1, 2025), "4"), DataError);  // nothing selected
    EXPECT_EQ(removeRateLine(lines, 1), (std::vector<std::string>{"1.1.2024;6,75"}));
    EXPECT_THROW(removeRateLine(lines, 2), DataError);

    test::TempDir dir;
    saveRateLines(dir / "uroky.vrd", lines);
    EXPECT_EQ(test::readBytes(dir / "uroky.vrd"), "1.1.2024;6,75\r\n1.7.2024;4,75\r\n");
    EXPECT_EQ(readRateLines(dir / "uroky.vrd"), lines);
    EXPECT_TRUE(readRateLines(dir / "chybi.vrd").empty());
}

}  // namespace
}  // namespace verdika::interest
