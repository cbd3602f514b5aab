#include "travel/rates.h"

#include <gtest/gtest.h>

#include "common/errors.h"
#include "test_support.h"

namespace verdika::travel {
namespace {

RateVersion shipped(const char* day) { return rateVersionOn(test::shippedDir() / kRatesFile, parseDate(day)); }

// The shipped table against the decrees: each trip day must pick its
// version's rate per km, fuel prices, meal ranges and lost-time rate.
TEST(ShippedTravelRates, TripDaysUseTheirVersion) {
    struct Case {
        const char* day;
        const char* version;
        double perKm, petrol95, diesel;
        std::optional<double> petrol98, petrol91;
        double meals[3][2];
        double perHalfHour;
    } cases[] = {
        // 462/2009; § 14(3) of the tariff 100 Kč since 1.9.2006
        {"15.6.2010", "1.1.2010", 3.90, 28.70, 27.20, 30.70, 28.50, {{61, 73}, {93, 112}, {146, 174}}, 100},
        // between 116/2022 (14.5.: petrol 95 and diesel) and 237/2022 (20.8.: petrol 98 and meals)
        {"1.7.2022", "14.5.2022", 4.70, 44.50, 47.10, 40.50, std::nullopt, {{99, 118}, {151, 182}, {237, 283}}, 100},
        // 573/2025 (its petrol 98 price is not in the table); lost time after 258/2024
        {"10.12.2026", "1.1.2026", 5.90, 34.70, 34.10, std::nullopt, std::nullopt, {{155, 185}, {236, 284}, {370, 442}}, 150},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.day);
        const RateVersion v = shipped(c.day);
        EXPECT_EQ(v.name, c.version);
        EXPECT_DOUBLE_EQ(v.perKm, c.perKm);
        EXPECT_DOUBLE_EQ(*v.fuelPrice[kNatural95], c.petrol95);
        EXPECT_DOUBLE_EQ(*v.fuelPrice[kNafta], c.diesel);
        EXPECT_EQ(v.fuelPrice[kSuperPlus98], c.petrol98);
        EXPECT_EQ(v.fuelPrice[kNormal91], c.petrol91);
        for (int b = 0; b < 3; ++b) {
            EXPECT_DOUBLE_EQ(v.meal(static_cast<MealBand>(b), false), c.meals[b][0]) << b;
            EXPECT_DOUBLE_EQ(v.meal(static_cast<MealBand>(b), true), c.meals[b][1]) << b;
        }
        EXPECT_DOUBLE_EQ(v.perHalfHour, c.perHalfHour);
    }
}

// A version applies from its own day; the day before keeps the previous one.
TEST(ShippedTravelRates, VersionBoundaries) {
    struct Case {
        const char* day;
        const char* version;
        int fuel;
        std::optional<double> price;
    } cases[] = {
        {"1.1.2007", "1.1.2007", kNormal91, 27.90},
        {"31.12.2011", "1.1.2011", kNormal91, 31.40},  // the last year with a petrol 91 price
        {"1.1.2012", "1.1.2012", kNormal91, std::nullopt},
        {"18.10.2021", "1.1.2021", kNatural95, 27.80},
        {"19.10.2021", "19.10.2021", kNatural95, 33.80},
        {"13.5.2022", "12.3.2022", kNafta, 36.10},
        {"14.5.2022", "14.5.2022", kNafta, 47.10},
        {"19.8.2022", "14.5.2022", kSuperPlus98, 40.50},
        {"20.8.2022", "20.8.2022", kSuperPlus98, 51.40},
        {"30.6.2023", "1.4.2023", kNafta, 44.10},
        {"1.7.2023", "1.7.2023", kNafta, 34.40},
        {"31.12.2030", "1.1.2026", kNatural95, 34.70},  // after the last version: the last one
    };
    for (const auto& c : cases) {
        const RateVersion v = shipped(c.day);
        EXPECT_EQ(v.name, c.version) << c.day;
        EXPECT_EQ(v.fuelPrice[static_cast<size_t>(c.fuel)], c.price) << c.day;
    }
    EXPECT_DOUBLE_EQ(shipped("31.12.2024").perHalfHour, 100);
    EXPECT_DOUBLE_EQ(shipped("1.1.2025").perHalfHour, 150);
    EXPECT_DOUBLE_EQ(shipped("1.1.2025").perKm, 5.80);
    EXPECT_DOUBLE_EQ(shipped("20.8.2022").meal(kBand18, false), 284);
}

TEST(TravelRates, DayBeforeTheFirstVersionNamesTheFirstDay) {
    try {
        shipped("31.12.2006");
        FAIL();
    } catch (const TripError& e) {
        EXPECT_NE(std::string(e.what()).find("1.1.2007"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("31.12.2006"), std::string::npos) << e.what();
    }
}

TEST(TravelRates, BrokenTablesStopWithAMessage) {
    test::TempDir dir;
    EXPECT_THROW(rateVersionOn(dir / "cestovne.ini", parseDate("1.1.2020")), DataError);  // missing file
    for (const char* text : {"[jine]\nx=1\n", "[novelizace]\n1=1.1.2020\n2=zítra\n",
                             "[novelizace]\n1=1.1.2020\n[1.1.2020]\ndvoustopa=4 Kč\n"}) {
        const auto table = IniFile::parse(text, "cestovne.ini");
        EXPECT_THROW(rateVersionOn(table, parseDate("1.6.2020")), DataError) << text;
    }
    // Keys that are missing read as 0; a fuel without a price stays "not given".
    const auto sparse = IniFile::parse("[novelizace]\n1=1.1.2020\n[1.1.2020]\nmotorova-nafta=30,5\n", "c.ini");
    const RateVersion v = rateVersionOn(sparse, parseDate("1.6.2020"));
    EXPECT_DOUBLE_EQ(*v.fuelPrice[kNafta], 30.5);
    EXPECT_FALSE(v.fuelPrice[kNatural95]);
    EXPECT_DOUBLE_EQ(v.perKm, 0);
    EXPECT_DOUBLE_EQ(v.meal(kBand12to18, true), 0);
}

TEST(TravelRates, MealBandsByHours) {
    struct Case {
        long long hours;
        std::optional<MealBand> band;
    } cases[] = {{0, std::nullopt}, {4, std::nullopt}, {5, kBand5to12}, {11, kBand5to12}, {12, kBand12to18},
                 {17, kBand12to18}, {18, kBand18}, {30, kBand18}};
    for (const auto& c : cases) EXPECT_EQ(mealBand(c.hours), c.band) << c.hours;
    EXPECT_EQ(mealKey(kBand5to12, true), "stravne_5-12_max");
    EXPECT_EQ(mealKey(kBand18, false), "stravne_18_min");
}

}  // namespace
}  // namespace verdika::travel
