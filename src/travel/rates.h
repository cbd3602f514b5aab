#pragma once
// The travel rate file "cestovne.ini" (program directory): one section per
// version of the Labour Code's implementing decrees, named by the version's
// first day and listed in "novelizace" in ascending order. A version applies
// from its own day.
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "common/dates.h"
#include "common/errors.h"
#include "common/ini.h"

namespace verdika::travel {

// A trip that cannot be computed as entered (no car, no fuel price, a day
// before the first rate version); the message tells the user what to do.
class TripError : public Error {
public:
    using Error::Error;
};

inline constexpr std::string_view kRatesFile = "cestovne.ini";

// Fuel kind = the item index of the car's fuel list.
enum FuelKind : int { kNatural95 = 0, kNafta = 1, kNormal91 = 2, kSuperPlus98 = 3 };
inline constexpr int kFuelKinds = 4;

// The key of the fuel price in the rate file and in "cestovne_vlastni.ini";
// empty for a kind outside 0–3.
std::string_view fuelKey(int fuelKind);
// "Natural 95", "Nafta", "Normal 91", "Super Plus 98" (the add-car list).
std::string_view fuelName(int fuelKind);
// "natural 95", "nafta", "natural 91", "natural 98" (the car grid); a kind
// the program never writes shows as "neznámé palivo".
std::string_view fuelGridText(int fuelKind);

// Meal-allowance bands: 5 to under 12 hours, 12 to under 18, 18 and more.
enum MealBand : int { kBand5to12 = 0, kBand12to18 = 1, kBand18 = 2 };
// The band of a trip's duration, none under 5 hours.
std::optional<MealBand> mealBand(long long hours);
// "stravne_5-12_max" …
std::string mealKey(MealBand band, bool upperBound);

struct RateVersion {
    std::string name;  // the section, e.g. "1.1.2022"
    Date from{};
    std::array<std::optional<double>, kFuelKinds> fuelPrice{};  // empty: the decree gives no price
    double perKm = 0;        // "dvoustopa"
    double perHalfHour = 0;  // "pulhodina"
    std::array<std::array<double, 2>, 3> meals{};  // [band][0 = min, 1 = max]
    double meal(MealBand band, bool upperBound) const { return meals[band][upperBound ? 1 : 0]; }
};

// The version in force on the day: the last "novelizace" line whose date is
// not later than the day. A day before the first version is a TripError
// naming the first day; a file without versions (or missing) and a date that
// does not parse are DataErrors; a key that is missing reads as 0, a value that is not
// a number is a DataError naming it.
RateVersion rateVersionOn(const IniFile& table, Date day);
RateVersion rateVersionOn(const std::filesystem::path& table, Date day);

}  // namespace verdika::travel
