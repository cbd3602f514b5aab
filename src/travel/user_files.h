#pragma once
// The user's travel files in the data directory: the car list "auta.ini",
// the own fuel prices "cestovne_vlastni.ini" and the favourite trips
// "oblibene_cesty.ini". Lists keep "pocet" in [settings] and one numbered
// section per entry, 1 … n without gaps.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/ini.h"
#include "travel/trip.h"

namespace verdika::travel {

inline constexpr std::string_view kCarsFile = "auta.ini";
inline constexpr std::string_view kOwnPricesFile = "cestovne_vlastni.ini";
inline constexpr std::string_view kFavouritesFile = "oblibene_cesty.ini";

// Removes entry k of a numbered list: every later entry moves one section up
// (its keys replace the section's keys wholly, so nothing of the removed
// entry is left behind), the last section goes and "pocet" drops by one.
// Nothing happens for k outside 1 … pocet.
void removeListEntry(IniFile& ini, std::int64_t k);
std::int64_t listCount(const IniFile& ini);

// --- Cars ---

struct CarEntry {
    std::string name;
    std::string consumptionText;  // as stored; empty when the consumption was not a number
    int fuelKind = 0;
};
std::vector<CarEntry> loadCars(const std::filesystem::path& file);
// Car number n (1-based) as the trip uses it: name (default empty),
// consumption (default 0), fuel kind (default -1).
Car readCar(const std::filesystem::path& file, std::int64_t number);
// Adds a car at the end. A consumption that is not a number is left out
// (the car then computes with 0 l/100 km) and the returned text is the
// message for the user; otherwise nothing is returned. Throws IoError.
std::optional<std::string> addCar(const std::filesystem::path& file, std::string_view name,
                                  std::string_view consumptionText, int fuelKind);
// Throws IoError; nothing happens for a number outside the list.
void removeCar(const std::filesystem::path& file, std::int64_t number);

// --- Own fuel prices ---

// The four texts of section "palivo" as typed (default "0").
struct OwnPrices {
    std::string petrol91 = "0";
    std::string petrol95 = "0";
    std::string petrol98 = "0";
    std::string diesel = "0";
};
OwnPrices loadOwnPrices(const std::filesystem::path& file);
void saveOwnPrices(const std::filesystem::path& file, const OwnPrices& prices);  // unchanged texts
// The own price of a fuel, with "." read as the decimal comma; a text that is
// not a number is a ConversionError.
double ownFuelPrice(const std::filesystem::path& file, int fuelKind);

// --- Favourite trips ---

struct FavouriteTrip {
    std::string name;
    std::string distanceText;   // as stored
    std::string halfHoursText;  // as stored
};
std::vector<FavouriteTrip> loadFavourites(const std::filesystem::path& file);
// Adds a trip after checking both numbers; on a distance that is not a
// number or half-hours that are not a whole number a ConversionError with a
// clear message is thrown and nothing is written. Throws IoError.
void addFavourite(const std::filesystem::path& file, std::string_view name, std::string_view distanceText,
                  std::string_view halfHoursText);
void removeFavourite(const std::filesystem::path& file, std::int64_t number);
// Entry n for the travel page; a number outside the list is a DataError
// ("Došlo k chybě při čtení vstupního souboru.").
FavouriteTrip readFavourite(const std::filesystem::path& file, std::int64_t number);

}  // namespace verdika::travel
