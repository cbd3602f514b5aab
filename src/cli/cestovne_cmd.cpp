// verdika-cli cestovne: the cost of one business trip by car, with the
// rates in force on the day of the trip, printed as the page's summary.
#include <ostream>

#include "cli/cli.h"
#include "common/errors.h"
#include "common/json.h"
#include "common/numbers.h"
#include "travel/trip.h"

namespace verdika::cli {
namespace {

int run(Context& c) {
    const Args a(c.args, {"tam-i-zpet", "dph", "json"},
                 {"datum", "km", "pulhodin", "spotreba", "palivo", "vlastni-cena", "parkovne", "ubytovne", "hodin",
                  "dnu", "stravne", "vozidlo", "duvod"});
    if (!a.positional().empty()) throw UsageError("Nečekaný argument „" + a.positional().front() + "“.");
    auto required = [&](const char* name, const char* what) {
        if (!a.value(name)) throw UsageError(std::string("Chybí ") + what + " (--" + name + ").");
    };
    required("datum", "datum cesty");
    required("km", "vzdálenost v km");
    required("spotreba", "spotřeba vozidla v l/100 km");
    required("palivo", "druh paliva 0–3");

    travel::TripInput in;
    in.date = *a.date("datum");
    in.reason = a.value("duvod").value_or("soudní jednání");
    in.distance = a.decimal("km", 0);
    in.halfHours = a.integer("pulhodin", 0);
    in.roundTrip = a.flag("tam-i-zpet");
    in.parking = a.decimal("parkovne", 0);
    in.accommodation = a.decimal("ubytovne", 0);
    in.hours = a.integer("hodin", 0);
    in.days = a.integer("dnu", 1);
    const std::string bound = a.value("stravne").value_or("max");
    if (bound != "min" && bound != "max") throw UsageError("--stravne je „min“ nebo „max“, ne „" + bound + "“.");
    in.upperMealBound = bound == "max";

    travel::Car car;
    car.name = a.value("vozidlo").value_or("osobní automobil");
    car.consumption = a.decimal("spotreba", 0);
    const std::int64_t fuel = a.integer("palivo", -1);
    if (fuel < 0 || fuel >= travel::kFuelKinds)
        throw UsageError("--palivo je 0 (Natural 95), 1 (Nafta), 2 (Normal 91) nebo 3 (Super Plus 98).");
    car.fuelKind = static_cast<int>(fuel);

    std::optional<double> own;
    if (a.value("vlastni-cena")) {
        in.ownPrices = true;
        own = a.decimal("vlastni-cena", 0);
    }

    travel::TripResult r;
    try {
        if (a.flag("dph")) {
            in.vatPayer = true;
            const auto vat = travel::vatRatesOn(c.paths.programDir / "dph.ini", in.date);
            in.standardVat = parseDecimal(vat.standard);
            in.reducedVat = parseDecimal(vat.reduced);
        }
        const auto rates = travel::rateVersionOn(c.paths.programDir / travel::kRatesFile, in.date);
        if (!own && !rates.fuelPrice[static_cast<size_t>(car.fuelKind)])
            throw UsageError("Sazby platné od " + rates.name + " neobsahují vyhláškovou cenu paliva „" +
                             std::string(travel::fuelName(car.fuelKind)) + "“; zadejte --vlastni-cena.");
        r = travel::computeTrip(in, car, rates, own);
    } catch (const travel::TripError& e) {
        throw UsageError(e.what());  // the date or the fuel does not fit the tables: a bad argument
    }

    const auto lines = travel::summaryLines(r);
    if (!a.flag("json")) {
        for (const auto& l : lines) c.out << l << "\n";
        return 0;
    }
    JsonWriter j;
    j.beginObject()
        .field("datum", formatDate(r.date))
        .field("sazby", r.rateVersion)
        .field("vzdalenost", r.distance)
        .field("pulhodin", static_cast<std::int64_t>(r.halfHours))
        .field("cena_paliva", r.fuelPrice)
        .field("vlastni_cena", r.ownPrices)
        .field("nahrada_za_km", r.perKm)
        .field("nahrada_za_pulhodinu", r.perHalfHour)
        .field("pausalni_nahrada", r.flat)
        .field("nahrada_pohonne_hmoty", r.fuel)
        .field("promeskany_cas", r.timeLoss)
        .field("parkovne", r.parking)
        .field("ubytovne", r.accommodation)
        .field("stravne", r.meals)
        .field("dph_cestovne", r.vatTravel)
        .field("dph_cas", r.vatTime)
        .field("celkem", r.total)
        .key("radky")
        .beginArray();
    for (const auto& l : lines) j.value(l);
    j.endArray().endObject();
    c.out << j.str() << "\n";
    return 0;
}

const CommandRegistration cmd({"cestovne", "cestovní náhrady a náhrada za promeškaný čas jedné cesty autem",
                               "--datum D --km X [--tam-i-zpet] [--pulhodin N] --spotreba L --palivo 0..3 "
                               "[--vlastni-cena P] [--parkovne X] [--ubytovne X] [--hodin H] [--dnu N] "
                               "[--stravne min|max] [--dph] [--vozidlo NÁZEV] [--duvod TEXT] [--json]",
                               run, 30});

}  // namespace
}  // namespace verdika::cli
