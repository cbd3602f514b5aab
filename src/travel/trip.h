#pragma once
// The cost of one business trip by car: flat compensation per km, fuel,
// lost time (per started half-hour), parking, accommodation, meal allowance
// and VAT, with the rates in force on the day of the trip.
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
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
    int fuelKind = -1;       // as stored in "auta.ini"; outside 0–3 the car cannot be computed
};

// "Cena paliva": the decree's fuel prices or the user's own.
enum class PriceSource { Decree, Own };
// "Stravné": the lower or the upper end of the meal allowance's range.
enum class MealBound { Lower, Upper };

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
    PriceSource priceSource = PriceSource::Decree;
    double parking = 0;
    double accommodation = 0;
    std::int64_t hours = 0;  // duration, selects the meal-allowance band
    std::int64_t days = 1;   // multiplies the meal allowance
    MealBound mealBound = MealBound::Upper;
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

// The computation proper. ownFuelPrice is used with PriceSource::Own.
TripResult computeTrip(const TripInput& input, const Car& car, const RateVersion& rates,
                       std::optional<double> ownFuelPrice);

// The summary text of the sub-page "Sumarizace", line by line.
std::vector<std::string> summaryLines(const TripResult& r);

// The trip as the page, a row of the trip list and the command line fill it:
// the numbers as typed (they are read when the trip is computed, so a text
// that is not a number stops the computation with its own message), the
// choices as types.
struct TripForm {
    Date date{};
    std::string reason;
    std::optional<std::int64_t> carNumber;  // in the car list (the car box's item + 1); none chosen
    std::string distance = "0";
    std::string halfHours = "0";
    bool roundTrip = false;
    bool vatPayer = false;
    std::string standardVat = "0";
    std::string reducedVat = "0";
    PriceSource priceSource = PriceSource::Decree;
    std::string parking = "0";
    std::string accommodation = "0";
    std::string hours = "0";
    std::string days = "1";
    MealBound mealBound = MealBound::Upper;
};

// The reasons the reason box offers; the first is the default.
inline constexpr std::array<std::string_view, 4> kTripReasons = {"soudní jednání", "místní šetření",
                                                                 "návštěva ve věznici", "výslech svědka"};

// "Vynulovat": distance, half-hours, parking, accommodation and duration
// go back to 0 (the days too, not to their starting 1), the round trip is
// unticked and the reason is the first suggestion; the date, car, VAT,
// price source and meal bound stay.
void resetTrip(TripForm& form);

// Every text of the form read as a number, in the page's order. Throws
// ConversionError naming the text that is not a number.
TripInput readTripInput(const TripForm& form);

struct TripFiles {
    std::filesystem::path cars;       // data directory + "auta.ini"
    std::filesystem::path ownPrices;  // data directory + "cestovne_vlastni.ini"
    std::filesystem::path rates;      // program directory + "cestovne.ini"
};

// The whole action of the OK button: the car of the form's car number,
// the inputs, the rate version, the fuel price, the computation. Throws
// TripError (no car, no fuel kind, no decree price), ConversionError (a
// field that is not a number) or DataError (rate file).
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
