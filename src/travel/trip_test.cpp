#include "travel/trip.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/errors.h"
#include "test_support.h"
#include "travel/user_files.h"

namespace verdika::travel {
namespace {

// Round figures so that every expected amount can be checked at a glance.
RateVersion fixtureRates() {
    RateVersion v;
    v.name = "1.1.2020";
    v.fuelPrice = {30.0, 40.0, std::nullopt, 50.0};
    v.perKm = 5;
    v.perHalfHour = 100;
    v.meals = {{{{100, 120}}, {{150, 180}}, {{230, 280}}}};
    return v;
}

const Car kDiesel{"Octavia", 6, kNafta};

TripInput trip(double km, std::int64_t halfHours) {
    TripInput in;
    in.date = parseDate("15.6.2020");
    in.reason = "soudní jednání";
    in.distance = km;
    in.halfHours = halfHours;
    return in;
}

bool hasLine(const std::vector<std::string>& lines, const std::string& prefix) {
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(prefix, 0) == 0; });
}

TEST(TravelTrip, RoundTripDoublesDistanceAndHalfHours) {
    TripInput in = trip(35, 3);
    in.roundTrip = true;
    const TripResult r = computeTrip(in, kDiesel, fixtureRates(), std::nullopt);
    EXPECT_DOUBLE_EQ(r.distance, 70);
    EXPECT_EQ(r.halfHours, 6);
    EXPECT_DOUBLE_EQ(r.flat, 350);      // 70 × 5
    EXPECT_DOUBLE_EQ(r.fuel, 168);      // 70 × 6 × 40 / 100
    EXPECT_DOUBLE_EQ(r.timeLoss, 600);  // 6 × 100
    EXPECT_DOUBLE_EQ(r.total, 1118);
    EXPECT_EQ(summaryLines(r)[4], "Vzdálenost: 70km, zameškaných půlhodin: 6 půlhodin");
}

TEST(TravelTrip, MealAllowanceBands) {
    struct Case {
        std::int64_t hours, days;
        bool upper;
        double meals;
        bool applies;
    } cases[] = {
        {0, 1, true, 0, false}, {4, 2, true, 0, true},   {5, 1, true, 120, true},  {11, 1, false, 100, true},
        {12, 2, true, 360, true}, {17, 1, false, 150, true}, {18, 3, true, 840, true}, {18, 1, false, 230, true},
    };
    for (const auto& c : cases) {
        TripInput in = trip(0, 0);
        in.hours = c.hours;
        in.days = c.days;
        in.mealBound = c.upper ? MealBound::Upper : MealBound::Lower;
        const TripResult r = computeTrip(in, kDiesel, fixtureRates(), std::nullopt);
        EXPECT_DOUBLE_EQ(r.meals, c.meals) << c.hours;
        EXPECT_DOUBLE_EQ(r.total, c.meals) << c.hours;
        EXPECT_EQ(r.mealsApply, c.applies) << c.hours;
        EXPECT_EQ(hasLine(summaryLines(r), "Stravné: "), c.applies) << c.hours;
    }
    TripInput four = trip(0, 0);
    four.hours = 4;
    four.days = 2;
    EXPECT_TRUE(hasLine(summaryLines(computeTrip(four, kDiesel, fixtureRates(), std::nullopt)), "Stravné: 0,00 Kč"));
}

TEST(TravelTrip, VatOnlyForAPayerAndItsLinesOnlyWithVatOnTravel) {
    struct Case {
        bool payer;
        double km;
        std::int64_t halfHours;
        double vatTravel, vatTime, total;
        bool lines;
    } cases[] = {
        // 100 km: flat 500 + fuel 240 = 740 at 12 % = 88,80; 2 half-hours 200 at 21 % = 42
        {true, 100, 2, 88.8, 42, 740 + 200 + 88.8 + 42, true},
        // no distance: no VAT on travel, so no VAT lines, yet the VAT on time is in the total
        {true, 0, 2, 0, 42, 242, false},
        // not a payer: no VAT whatever the rate fields hold
        {false, 100, 2, 0, 0, 940, false},
    };
    for (const auto& c : cases) {
        TripInput in = trip(c.km, c.halfHours);
        in.vatPayer = c.payer;
        in.standardVat = 21;
        in.reducedVat = 12;
        const TripResult r = computeTrip(in, kDiesel, fixtureRates(), std::nullopt);
        EXPECT_NEAR(r.vatTravel, c.vatTravel, 1e-9) << c.km << c.payer;
        EXPECT_NEAR(r.vatTime, c.vatTime, 1e-9) << c.km << c.payer;
        EXPECT_NEAR(r.total, c.total, 1e-9) << c.km << c.payer;
        const auto lines = summaryLines(r);
        EXPECT_EQ(hasLine(lines, "DPH 12%: "), c.lines);
        EXPECT_EQ(hasLine(lines, "DPH 21%: "), c.lines);
        EXPECT_EQ(hasLine(lines, "DPH celkem: "), c.lines);
    }
}

TEST(TravelTrip, SummaryTextOfAVatPayersTrip) {
    TripInput in = trip(100, 2);
    in.vatPayer = true;
    in.standardVat = 21;
    in.reducedVat = 12;
    in.parking = 50;
    in.accommodation = -10;  // not printed, but in the total
    in.hours = 6;
    in.priceSource = PriceSource::Own;
    const TripResult r = computeTrip(in, kDiesel, fixtureRates(), 41.5);
    const std::vector<std::string> expected = {
        "Cestovní náhrada, náhrada promeškaného času a další účelně vynaložené náklady",
        std::string(59, '-'),
        "Cesta dne 15.6.2020, soudní jednání",
        "",
        "Vzdálenost: 100km, zameškaných půlhodin: 2 půlhodin",
        "Vozidlo: Octavia, spotřeba 6 l/100km",
        "Cena za 1 litr paliva (dle aktuálních cen): 41,50 Kč",
        "Paušální náhrada za 1 km: 5,00 Kč",
        std::string(16, '-'),
        "Paušální náhrada za ujetou vzdálenost činí: 500,00 Kč",
        "Náhrada za spotřebované pohonné hmoty činí: 249,00 Kč",
        "Celkem náhrada činí: 749,00 Kč",
        "DPH 12%: 89,88 Kč",
        "",
        "Náhrada za promeškaný čas činí: 200,00 Kč",
        "DPH 21%: 42,00 Kč",
        "",
        "DPH celkem: 131,88 Kč",
        "",
        "Parkovné : 50,00 Kč",
        "Stravné: 120,00 Kč",
        std::string(16, '='),
        // 200 + 500 + 249 + 50 − 10 + 120 + 89,88 + 42
        "Celkem: 1.240,88 Kč",
        "",
    };
    EXPECT_EQ(summaryLines(r), expected);
}

// Whole trips with the shipped rates, worked by hand from the decrees.
TEST(TravelTrip, WholeTripsWithTheShippedRates) {
    struct Case {
        const char* day;
        Car car;
        double km;
        std::int64_t halfHours, hours, days;
        bool upper, vat;
        double flat, fuel, time, meals, total;
    } cases[] = {
        {"15.6.2010", {"", 7, kNafta}, 100, 2, 8, 1, true, false, 780, 380.8, 400, 73, 1633.8},
        {"15.6.2010", {"", 7, kNatural95}, 100, 2, 8, 1, true, false, 780, 401.8, 400, 73, 1654.8},
        {"1.7.2022", {"", 6, kNatural95}, 50, 3, 13, 1, false, false, 470, 267, 600, 151, 1488},
        {"10.12.2026", {"", 5.5, kNafta}, 120, 5, 19, 2, true, false, 1416, 450.12, 1500, 884, 4250.12},
        // as a VAT payer at 21 % / 12 %: (1 416 + 450,12) × 12 % = 223,9344; 1 500 × 21 % = 315
        {"10.12.2026", {"", 5.5, kNafta}, 120, 5, 19, 2, true, true, 1416, 450.12, 1500, 884, 4789.0544},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.day);
        TripInput in = trip(c.km, c.halfHours);
        in.date = parseDate(c.day);
        in.roundTrip = true;
        in.hours = c.hours;
        in.days = c.days;
        in.mealBound = c.upper ? MealBound::Upper : MealBound::Lower;
        if (c.vat) {
            const auto vat = vatRatesOn(test::shippedDir() / "dph.ini", in.date);
            EXPECT_EQ(vat.standard, "21");
            EXPECT_EQ(vat.reduced, "12");
            in.vatPayer = true;
            in.standardVat = 21;
            in.reducedVat = 12;
        }
        const auto rates = rateVersionOn(test::shippedDir() / kRatesFile, in.date);
        const TripResult r = computeTrip(in, c.car, rates, std::nullopt);
        EXPECT_NEAR(r.flat, c.flat, 1e-9);
        EXPECT_NEAR(r.fuel, c.fuel, 1e-9);
        EXPECT_NEAR(r.timeLoss, c.time, 1e-9);
        EXPECT_NEAR(r.meals, c.meals, 1e-9);
        EXPECT_NEAR(r.total, c.total, 1e-9);
    }
}

TEST(TravelTrip, VatRatesOfTheDay) {
    struct Case {
        const char* day;
        const char* standard;
        const char* reduced;
    } cases[] = {{"31.12.2009", "19", "9"}, {"1.1.2010", "20", "10"}, {"15.6.2020", "21", "15"},
                 {"1.1.2024", "21", "12"}};
    for (const auto& c : cases) {
        const auto v = vatRatesOn(test::shippedDir() / "dph.ini", parseDate(c.day));
        EXPECT_EQ(v.standard, c.standard) << c.day;
        EXPECT_EQ(v.reduced, c.reduced) << c.day;
    }
}

// The OK button's whole action on files, as the page runs it.
class TravelForm : public ::testing::Test {
protected:
    void SetUp() override {
        test::writeCp1250(dir / "cestovne.ini",
                          "[novelizace]\n1=1.1.2011\n2=1.1.2012\n"
                          "[1.1.2011]\nbenzin-automobilovy-91-oktanu=31,40\nmotorova-nafta=30,80\ndvoustopa=3,70\n"
                          "pulhodina=100\n"
                          "[1.1.2012]\nmotorova-nafta=34,70\ndvoustopa=3,70\npulhodina=100\n");
        files = {dir / "auta.ini", dir / "cestovne_vlastni.ini", dir / "cestovne.ini"};
        addCar(files.cars, "Fabia", "5,5", kNormal91);
        form.date = parseDate("15.6.2012");
        form.carNumber = 1;
        form.distance = "100";
    }
    test::TempDir dir;
    TripFiles files;
    TripForm form;
};

TEST_F(TravelForm, StopsWithAClearMessage) {
    auto message = [&](const TripForm& f) -> std::string {
        try {
            calculateTrip(f, files);
        } catch (const Error& e) {
            return e.what();
        }
        return "(computed)";
    };
    TripForm noCar = form;
    noCar.carNumber.reset();
    EXPECT_EQ(message(noCar), kNoCarMessage);
    TripForm unknownCar = form;
    unknownCar.carNumber = 4;  // no such section: no fuel kind
    EXPECT_EQ(message(unknownCar), kNoFuelKindMessage);
    // Petrol 91 has no decree price since 2012: the fuel is not computed with 0 Kč.
    EXPECT_NE(message(form).find("neobsahují vyhláškovou cenu paliva „Normal 91“"), std::string::npos) << message(form);
    TripForm before = form;
    before.date = parseDate("31.12.2010");
    EXPECT_NE(message(before).find("až od 1.1.2011"), std::string::npos);
    TripForm badParking = form;
    badParking.parking = "1.234";
    EXPECT_THROW(calculateTrip(badParking, files), ConversionError);
    TripForm badHalfHours = form;
    badHalfHours.date = parseDate("15.6.2011");
    badHalfHours.halfHours = "1,5";
    EXPECT_THROW(calculateTrip(badHalfHours, files), ConversionError);
}

TEST_F(TravelForm, OwnPricesAcceptADecimalPoint) {
    test::writeBytes(files.ownPrices, "[palivo]\nbenzin-automobilovy-91-oktanu=36.9\n");
    form.priceSource = PriceSource::Own;
    const TripResult r = calculateTrip(form, files);
    EXPECT_DOUBLE_EQ(r.fuelPrice, 36.9);
    EXPECT_DOUBLE_EQ(r.fuel, 100 * 5.5 * 36.9 / 100);
    EXPECT_TRUE(summaryLines(r)[6].find("dle aktuálních cen): 36,90 Kč") != std::string::npos);
    // The decree price of the 2011 version, when there still was one.
    form.priceSource = PriceSource::Decree;
    form.date = parseDate("15.6.2011");
    EXPECT_DOUBLE_EQ(calculateTrip(form, files).fuelPrice, 31.4);
}

}  // namespace
}  // namespace verdika::travel
