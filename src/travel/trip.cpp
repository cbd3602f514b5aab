#include "travel/trip.h"

#include "common/numbers.h"
#include "common/text.h"
#include "common/versioned.h"
#include "travel/user_files.h"

namespace verdika::travel {

double decreeFuelPrice(const RateVersion& rates, int fuelKind) {
    if (fuelKind < 0 || fuelKind >= kFuelKinds) throw TripError(kNoFuelKindMessage);
    const auto& price = rates.fuelPrice[static_cast<size_t>(fuelKind)];
    if (!price)
        throw TripError("Sazby platné od " + rates.name + " neobsahují vyhláškovou cenu paliva „" +
                        std::string(fuelName(fuelKind)) +
                        "“. Uložte si vlastní cenu paliva v záložce Nastavení a zvolte „Vlastní ceny paliv“.");
    return *price;
}

TripResult computeTrip(const TripInput& in, const Car& car, const RateVersion& rates,
                       std::optional<double> ownFuelPrice) {
    if (car.fuelKind < 0 || car.fuelKind >= kFuelKinds) throw TripError(kNoFuelKindMessage);
    TripResult r;
    r.date = in.date;
    r.reason = in.reason;
    r.carName = car.name;
    r.consumption = car.consumption;
    r.ownPrices = in.priceSource == PriceSource::Own;
    r.parking = in.parking;
    r.accommodation = in.accommodation;
    r.standardVat = in.standardVat;
    r.reducedVat = in.reducedVat;
    r.rateVersion = rates.name;
    r.fuelPrice = r.ownPrices ? ownFuelPrice.value_or(0) : decreeFuelPrice(rates, car.fuelKind);
    r.perKm = rates.perKm;
    r.perHalfHour = rates.perHalfHour;
    r.distance = in.roundTrip ? in.distance * 2 : in.distance;
    r.halfHours = in.roundTrip ? in.halfHours * 2 : in.halfHours;

    r.timeLoss = static_cast<double>(r.halfHours) * r.perHalfHour;
    r.flat = r.perKm * r.distance;
    r.fuel = r.distance * (r.consumption * r.fuelPrice / 100);

    if (in.hours > 0) {
        r.mealsApply = true;
        const auto band = mealBand(in.hours);
        const double daily = band ? rates.meal(*band, in.mealBound == MealBound::Upper) : 0;
        r.meals = daily * static_cast<double>(in.days);
    }
    if (in.vatPayer) {
        // Travel at the reduced rate, the lost time at the standard rate.
        r.vatTravel = (r.flat + r.fuel) * r.reducedVat / 100;
        r.vatTime = r.standardVat * r.timeLoss / 100;
    }
    r.total = r.timeLoss + r.flat + r.fuel + r.parking + r.accommodation + r.meals + r.vatTravel + r.vatTime;
    return r;
}

std::vector<std::string> summaryLines(const TripResult& r) {
    std::vector<std::string> out;
    out.push_back("Cestovní náhrada, náhrada promeškaného času a další účelně vynaložené náklady");
    out.push_back(std::string(59, '-'));
    out.push_back("Cesta dne " + formatDate(r.date) + ", " + r.reason);
    out.push_back("");
    out.push_back("Vzdálenost: " + Format_Cislo(r.distance) + "km, zameškaných půlhodin: " +
                  std::to_string(r.halfHours) + " půlhodin");
    out.push_back("Vozidlo: " + r.carName + ", spotřeba " + Format_Cislo(r.consumption) + " l/100km");
    out.push_back(std::string(r.ownPrices ? "Cena za 1 litr paliva (dle aktuálních cen): "
                                          : "Cena za 1 litr paliva (dle vyhlášky): ") +
                  Format_Castky(r.fuelPrice));
    out.push_back("Paušální náhrada za 1 km: " + Format_Castky(r.perKm));
    out.push_back(std::string(16, '-'));
    out.push_back("Paušální náhrada za ujetou vzdálenost činí: " + Format_Castky(r.flat));
    out.push_back("Náhrada za spotřebované pohonné hmoty činí: " + Format_Castky(r.fuel));
    out.push_back("Celkem náhrada činí: " + Format_Castky(r.flat + r.fuel));
    const bool vatLines = r.vatTravel > 0;
    if (vatLines) out.push_back("DPH " + Format_Cislo(r.reducedVat) + "%: " + Format_Castky(r.vatTravel));
    out.push_back("");
    out.push_back("Náhrada za promeškaný čas činí: " + Format_Castky(r.timeLoss));
    if (vatLines) {
        out.push_back("DPH " + Format_Cislo(r.standardVat) + "%: " + Format_Castky(r.vatTime));
        out.push_back("");
        out.push_back("DPH celkem: " + Format_Castky(r.vatTotal()));
    }
    out.push_back("");
    if (r.parking > 0) out.push_back("Parkovné : " + Format_Castky(r.parking));
    if (r.accommodation > 0) out.push_back("Ubytovné: " + Format_Castky(r.accommodation));
    if (r.mealsApply) out.push_back("Stravné: " + Format_Castky(r.meals));
    out.push_back(std::string(16, '='));
    out.push_back("Celkem: " + Format_Castky(r.total));
    out.push_back("");
    return out;
}

void resetTrip(TripForm& form) {
    form.distance = "0";
    form.halfHours = "0";
    form.roundTrip = false;
    form.reason = std::string(kTripReasons.front());
    form.parking = "0";
    form.accommodation = "0";
    form.hours = "0";
    form.days = "0";
}

namespace {

// Everything but the distance and the half-hours, which the OK button reads
// only after the rate version and the fuel price.
TripInput readTripFields(const TripForm& form) {
    TripInput in;
    in.date = form.date;
    in.reason = form.reason;
    in.roundTrip = form.roundTrip;
    in.vatPayer = form.vatPayer;
    in.mealBound = form.mealBound;
    in.priceSource = form.priceSource;
    in.parking = parseDecimal(form.parking);
    in.accommodation = parseDecimal(form.accommodation);
    in.hours = parseInteger(form.hours);
    in.days = parseInteger(form.days);
    in.standardVat = parseDecimal(form.standardVat);
    in.reducedVat = parseDecimal(form.reducedVat);
    return in;
}

void readTripDistance(const TripForm& form, TripInput& in) {
    in.distance = parseDecimal(form.distance);
    in.halfHours = parseInteger(form.halfHours);
}

}  // namespace

TripInput readTripInput(const TripForm& form) {
    TripInput in = readTripFields(form);
    readTripDistance(form, in);
    return in;
}

TripResult calculateTrip(const TripForm& form, const TripFiles& files) {
    if (!form.carNumber) throw TripError(kNoCarMessage);
    const Car car = readCar(files.cars, *form.carNumber);
    TripInput in = readTripFields(form);

    const RateVersion rates = rateVersionOn(files.rates, form.date);
    if (car.fuelKind < 0 || car.fuelKind >= kFuelKinds) throw TripError(kNoFuelKindMessage);
    std::optional<double> own;
    if (in.priceSource == PriceSource::Own) own = ownFuelPrice(files.ownPrices, car.fuelKind);
    else decreeFuelPrice(rates, car.fuelKind);  // stops before the remaining fields are read

    readTripDistance(form, in);
    return computeTrip(in, car, rates, own);
}

VatRateTexts vatRatesOn(const std::filesystem::path& vatTable, Date day) {
    const IniFile ini = IniFile::load(vatTable);
    const std::string version = Platna_Novelizace(ini, 0, day);
    VatRateTexts v;
    v.standard = trimmed(ini.readString(version, "zvysena", "0"));
    v.reduced = trimmed(ini.readString(version, "snizena", "0"));
    return v;
}

}  // namespace verdika::travel
