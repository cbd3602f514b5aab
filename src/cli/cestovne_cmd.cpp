// verdika-cli cestovne: the cost of one business trip by car, with the
// rates in force on the day of the trip, printed as the page's summary.
#include <ostream>

#include "cli/cli.h"
#include "common/errors.h"
#include "common/numbers.h"
#include "travel/trip.h"

namespace verdika::cli {
namespace {

std::string fuelList() {
    std::string text = "druh paliva; cenu bere ze sazeb platných v den cesty:";
    for (int f = 0; f < travel::kFuelKinds; ++f) text += "\n  " + std::to_string(f) + " – " + std::string(travel::fuelName(f));
    return text;
}

class Cestovne final : public Subcommand {
    std::optional<Date> date;
    std::optional<double> distance, consumption, ownPrice, parking, accommodation;
    std::optional<std::int64_t> halfHours, hours, days, fuel;
    std::optional<std::string> mealBound, car, reason;
    bool roundTrip = false, vat = false, json = false;

    void define(Options& o) override {
        o.date("--datum", date, "den cesty (určuje sazby)").required();
        o.number("--km", distance, "KM", "vzdálenost v km (tam, s --tam-i-zpet se zdvojí)").required();
        o.flag("--tam-i-zpet", roundTrip, "cesta tam i zpět: zdvojí km a půlhodiny");
        o.integer("--pulhodin", halfHours, "N", "započaté půlhodiny promeškaného času (tam)", 0, 1000000);
        o.number("--spotreba", consumption, "L", "spotřeba vozidla v l/100 km (z technického průkazu)").required();
        o.integer("--palivo", fuel, "0-3", fuelList(), 0, travel::kFuelKinds - 1).required();
        o.amount("--vlastni-cena", ownPrice, "vlastní cena paliva v Kč za litr (místo vyhláškové)");
        o.amount("--parkovne", parking, "parkovné v Kč");
        o.amount("--ubytovne", accommodation, "ubytování v Kč");
        o.integer("--hodin", hours, "H", "délka cesty v hodinách (určuje pásmo stravného)", 0, 1000000);
        o.integer("--dnu", days, "N", "počet dnů, kterými se stravné násobí (výchozí 1)", 0, 100000);
        o.choice("--stravne", mealBound, "MEZ", "sazba stravného (výchozí max):",
                 {{"min", "dolní hranice rozpětí"}, {"max", "horní hranice rozpětí"}});
        o.flag("--dph", vat, "plátce DPH: připočte DPH platné v den cesty");
        o.text("--vozidlo", car, "NÁZEV", "název vozidla do shrnutí (výchozí osobní automobil)");
        o.text("--duvod", reason, "TEXT", "účel cesty do shrnutí (výchozí soudní jednání)");
        o.json(json);
    }

    // The same form the page fills: the numbers in their plain form, as if typed.
    travel::TripForm form(const Context& c) const {
        travel::TripForm f;
        f.date = *date;
        f.reason = reason.value_or(std::string(travel::kTripReasons.front()));
        f.distance = Format_Cislo(*distance);
        f.halfHours = std::to_string(halfHours.value_or(0));
        f.roundTrip = roundTrip;
        f.priceSource = ownPrice ? travel::PriceSource::Own : travel::PriceSource::Decree;
        f.parking = Format_Cislo(parking.value_or(0));
        f.accommodation = Format_Cislo(accommodation.value_or(0));
        f.hours = std::to_string(hours.value_or(0));
        f.days = std::to_string(days.value_or(1));
        f.mealBound = mealBound.value_or("max") == "max" ? travel::MealBound::Upper : travel::MealBound::Lower;
        if (vat) {
            f.vatPayer = true;
            const auto rates = travel::vatRatesOn(c.paths.programDir / "dph.ini", f.date);
            f.standardVat = rates.standard;
            f.reducedVat = rates.reduced;
        }
        return f;
    }

    int run(Context& c) override {
        travel::Car vehicle;
        vehicle.name = car.value_or("osobní automobil");
        vehicle.consumption = *consumption;
        vehicle.fuelKind = static_cast<int>(*fuel);

        travel::TripResult r;
        try {
            const travel::TripInput in = travel::readTripInput(form(c));
            const auto rates = travel::rateVersionOn(c.paths.programDir / travel::kRatesFile, in.date);
            if (!ownPrice && !rates.fuelPrice[static_cast<size_t>(vehicle.fuelKind)])
                throw UsageError("Sazby platné od " + rates.name + " neobsahují vyhláškovou cenu paliva „" +
                                 std::string(travel::fuelName(vehicle.fuelKind)) + "“; zadejte --vlastni-cena.");
            r = travel::computeTrip(in, vehicle, rates, ownPrice);
        } catch (const travel::TripError& e) {
            throw UsageError(e.what());  // the date or the fuel does not fit the tables: a bad argument
        }

        const auto lines = travel::summaryLines(r);
        if (!json) {
            for (const auto& l : lines) c.out << l << "\n";
            return 0;
        }
        printJson(c.out, Json{{"datum", jsonDate(r.date)},
                              {"sazby", r.rateVersion},
                              {"vzdalenost", r.distance},
                              {"pulhodin", r.halfHours},
                              {"cena_paliva", money(r.fuelPrice)},
                              {"vlastni_cena", r.ownPrices},
                              {"nahrada_za_km", money(r.perKm)},
                              {"nahrada_za_pulhodinu", money(r.perHalfHour)},
                              {"pausalni_nahrada", money(r.flat)},
                              {"nahrada_pohonne_hmoty", money(r.fuel)},
                              {"promeskany_cas", money(r.timeLoss)},
                              {"parkovne", money(r.parking)},
                              {"ubytovne", money(r.accommodation)},
                              {"stravne", money(r.meals)},
                              {"dph_cestovne", money(r.vatTravel)},
                              {"dph_cas", money(r.vatTime)},
                              {"celkem", money(r.total)},
                              {"radky", lines}});
        return 0;
    }
};

const Register<Cestovne> reg(
    {"cestovne", "cestovní náhrady a náhrada za promeškaný čas jedné cesty autem", 30,
     "verdika-cli cestovne --datum 15.6.2025 --km 120 --tam-i-zpet --pulhodin 4 --spotreba 6,5 --palivo 1",
     "shrnutí cesty jako na stránce Cestovné: sazby, náhrady, stravné, DPH a „Celkem: ČÁSTKA“.\n"
     "--json: datum, sazby, vzdalenost, pulhodin, cena_paliva, vlastni_cena, nahrada_za_km,\n"
     "nahrada_za_pulhodinu, pausalni_nahrada, nahrada_pohonne_hmoty, promeskany_cas, parkovne,\n"
     "ubytovne, stravne, dph_cestovne, dph_cas, celkem, radky (řádky shrnutí)"});

}  // namespace
}  // namespace verdika::cli
