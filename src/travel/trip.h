#pragma once
// The cost of one business trip by car: flat compensation per km, fuel,
// lost time (per started half-hour), parking, accommodation, meal allowance
// and VAT, with the rates in force on the day of the trip.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "common/dates.h"
#include "common/errors.h"
#include "travel/rates.h"

namespace verdika::travel {

inline constexpr const char* kNoCarMessage =
    "Neexistuje takové vozidlo. Prosím přidejte si ho napravo v kolonce nastavení.";
inline constexpr const char* kNoFuelKindMessage =
    "Zřejmě nemáte zadán žádný automobil. Přidejte si jej v pravé záložce Nastavení.";

struct Car {
    std::string name;
    double consumption = 0;  // litres per 100 km
    int fuelKind = -1;
};

// The trip as entered, already parsed.
struct TripInput {
    Date date{};
    std::string reason;
    double distance = 0;         // km, one way when roundTrip
    std::int64_t halfHours = 0;  // started half-hours, one way when roundTrip
    bool roundTrip = false;
    bool vatPayer = false;
    double standardVat = 0;  // %
    double reducedVat = 0;   // %
    bool ownPrices = false;
    double parking = 0;
    double accommodation = 0;
    std::int64_t hours = 0;  // duration, selects the meal-allowance band
    std::int64_t days = 1;   // multiplies the meal allowance
    bool upperMealBound = true;
};

struct TripResult {
    Date date{};
    std::string reason;
    std::string carName;
    double consumption = 0;
    double fuelPrice = 0;  // Kč per litre
    bool ownPrices = false;
    std::string rateVersion;  // section of the rate file used
    double perKm = 0;
    double distance = 0;         // after doubling
    std::int64_t halfHours = 0;  // after doubling
    double perHalfHour = 0;
    double timeLoss = 0;
    double flat = 0;
    double fuel = 0;
    double parking = 0;
    double accommodation = 0;
    double meals = 0;
    bool mealsApply = false;
    double standardVat = 0;
    double reducedVat = 0;
    double vatTravel = 0;
    double vatTime = 0;
    double total = 0;
    double vatTotal() const { return vatTravel + vatTime; }
};

// The fuel price for the trip: the own price when given, otherwise the
// decree's. A decree that gives no price for the car's fuel (petrol 91 since
// 2012) stops with a TripError instead of computing the fuel with 0 Kč.
double decreeFuelPrice(const RateVersion& rates, int fuelKind);

// The computation proper. ownFuelPrice is used when input.ownPrices.
TripResult computeTrip(const TripInput& input, const Car& car, const RateVersion& rates,
                       std::optional<double> ownFuelPrice);

// The summary text of the sub-page "Sumarizace", line by line.
std::vector<std::string> summaryLines(const TripResult& r);

// The texts of the page's controls, read in the order the page reads them.
struct TripForm {
    Date date{};
    std::string reason;
    int carIndex = -1;  // item index of the car box, -1 when nothing is chosen
    std::string distance = "0";
    std::string halfHours = "0";
    bool roundTrip = false;
    bool vatPayer = false;
    std::string standardVat = "0";
    std::string reducedVat = "0";
    bool ownPrices = false;
    std::string parking = "0";
    std::string accommodation = "0";
    std::string hours = "0";
    std::string days = "1";
    bool upperMealBound = true;
};

struct TripFiles {
    std::filesystem::path cars;       // data directory + "auta.ini"
    std::filesystem::path ownPrices;  // data directory + "cestovne_vlastni.ini"
    std::filesystem::path rates;      // program directory + "cestovne.ini"
};

// The whole action of the OK button: car, inputs, rate version, fuel price,
// computation. Throws TripError (no car, no fuel kind, no decree price),
// ConversionError (a field that is not a number) or DataError (rate file).
TripResult calculateTrip(const TripForm& form, const TripFiles& files);

// The VAT rates in force on a day from the VAT table "dph.ini" as texts for
// the two rate fields: "zvysena" (standard) and "snizena" (reduced), "0"
// when the version lacks one.
struct VatRateTexts {
    std::string standard = "0";
    std::string reduced = "0";
};
VatRateTexts vatRatesOn(const std::filesystem::path& vatTable, Date day);

}  // namespace verdika::travel
