#include "travel/user_files.h"

#include <gtest/gtest.h>

#include "common/errors.h"
#include "test_support.h"

namespace verdika::travel {
namespace {

TEST(TravelCars, AddAndReadBack) {
    test::TempDir dir;
    const auto file = dir / "auta.ini";
    EXPECT_TRUE(loadCars(file).empty());  // a missing file is an empty list
    EXPECT_EQ(addCar(file, "Octavia", "6,5", kNafta), std::nullopt);
    // A consumption that is not a number: the car is still added, without it.
    EXPECT_EQ(addCar(file, "Fabia", "5.5", kNatural95), std::string("Při zadávání spotřeby došlo k chybě.\r\n5.5"));
    const auto cars = loadCars(file);
    ASSERT_EQ(cars.size(), 2u);
    EXPECT_EQ(cars[0].name, "Octavia");
    EXPECT_EQ(cars[0].consumptionText, "6,5");
    EXPECT_EQ(cars[0].fuelKind, kNafta);
    EXPECT_EQ(cars[1].consumptionText, "");
    const Car fabia = readCar(file, 2);
    EXPECT_EQ(fabia.name, "Fabia");
    EXPECT_DOUBLE_EQ(fabia.consumption, 0);
    EXPECT_EQ(fabia.fuelKind, kNatural95);
    EXPECT_EQ(readCar(file, 3).fuelKind, -1);  // no such car
    EXPECT_EQ(fuelGridText(kNormal91), "natural 91");
    EXPECT_EQ(fuelGridText(7), "neznámé palivo");
}

TEST(TravelCars, RemovalShiftsTheLaterCarsWhole) {
    test::TempDir dir;
    const auto file = dir / "auta.ini";
    addCar(file, "První", "5", kNatural95);
    addCar(file, "Druhé", "x", kNafta);  // no consumption stored
    addCar(file, "Třetí", "7,2", kSuperPlus98);
    addCar(file, "Čtvrté", "8", kNormal91);

    removeCar(file, 2);
    auto cars = loadCars(file);
    ASSERT_EQ(cars.size(), 3u);
    EXPECT_EQ(cars[0].name, "První");
    EXPECT_EQ(cars[1].name, "Třetí");
    // The third car's consumption moved with it, although the removed car had none.
    EXPECT_EQ(cars[1].consumptionText, "7,2");
    EXPECT_EQ(cars[1].fuelKind, kSuperPlus98);
    EXPECT_EQ(cars[2].name, "Čtvrté");
    const IniFile ini = IniFile::load(file);
    EXPECT_FALSE(ini.hasSection("4"));
    EXPECT_EQ(ini.readInteger("settings", "pocet", 0), 3);

    removeCar(file, 1);
    removeCar(file, 9);  // outside the list: nothing happens
    cars = loadCars(file);
    ASSERT_EQ(cars.size(), 2u);
    EXPECT_EQ(cars[0].name, "Třetí");
    removeCar(file, 2);
    removeCar(file, 1);
    EXPECT_TRUE(loadCars(file).empty());
    // A car added now does not inherit keys of an old section of the same number.
    test::writeBytes(file, "[settings]\npocet=0\n[1]\nnazev=Staré\nspotreba=9\npalivo=1\n");
    addCar(file, "Nové", "?", kNatural95);
    EXPECT_EQ(loadCars(file)[0].consumptionText, "");
}

TEST(TravelCars, GarbledCountListsOnlyWhatTheFileHolds) {
    test::TempDir dir;
    test::writeBytes(dir / "auta.ini", "[settings]\npocet=2000000000\n[1]\nnazev=A\n");
    EXPECT_LE(loadCars(dir / "auta.ini").size(), 2u);
    // Removing and adding stay within the file too (the moves once ran to the garbled count).
    test::writeBytes(dir / "auta.ini", "[settings]\npocet=9223372036854775807\n[1]\nnazev=A\n[2]\nnazev=B\n");
    removeCar(dir / "auta.ini", 1);
    addCar(dir / "auta.ini", "C", "6", kNatural95);
    const auto cars = loadCars(dir / "auta.ini");
    ASSERT_GE(cars.size(), 2u);
    EXPECT_EQ(cars[0].name, "B");
    EXPECT_EQ(cars.back().name, "C");
}

TEST(TravelOwnPrices, SavedAsTypedAndReadWithADecimalPoint) {
    test::TempDir dir;
    const auto file = dir / "cestovne_vlastni.ini";
    EXPECT_EQ(loadOwnPrices(file).diesel, "0");
    saveOwnPrices(file, {"31", "38.9", "41,20", "abc"});
    const OwnPrices p = loadOwnPrices(file);
    EXPECT_EQ(p.petrol95, "38.9");
    EXPECT_DOUBLE_EQ(ownFuelPrice(file, kNatural95), 38.9);
    EXPECT_DOUBLE_EQ(ownFuelPrice(file, kSuperPlus98), 41.2);
    EXPECT_DOUBLE_EQ(ownFuelPrice(file, kNormal91), 31);
    EXPECT_THROW(ownFuelPrice(file, kNafta), ConversionError);
}

TEST(TravelFavourites, AddCheckRemoveAndRead) {
    test::TempDir dir;
    const auto file = dir / "oblibene_cesty.ini";
    addFavourite(file, "Krajský soud Brno", "121,5", "3");
    addFavourite(file, "Věznice Valdice", "88", "2");
    // Bad numbers: a clear message and nothing written.
    const std::string before = test::readBytes(file);
    try {
        addFavourite(file, "Chyba", "sto", "1");
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_NE(std::string(e.what()).find("Vzdálenost musí být číslo"), std::string::npos);
    }
    EXPECT_THROW(addFavourite(file, "Chyba", "10", "1,5"), ConversionError);
    EXPECT_EQ(test::readBytes(file), before);

    auto trips = loadFavourites(file);
    ASSERT_EQ(trips.size(), 2u);
    EXPECT_EQ(trips[0].distanceText, "121,5");  // with its decimal comma, for the distance field
    EXPECT_EQ(trips[0].halfHoursText, "3");
    EXPECT_EQ(readFavourite(file, 2).name, "Věznice Valdice");
    EXPECT_THROW(readFavourite(file, 3), DataError);
    EXPECT_THROW(readFavourite(file, 0), DataError);

    removeFavourite(file, 1);
    trips = loadFavourites(file);
    ASSERT_EQ(trips.size(), 1u);
    EXPECT_EQ(trips[0].name, "Věznice Valdice");
}

}  // namespace
}  // namespace verdika::travel
