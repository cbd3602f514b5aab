#include "travel/rates.h"

#include "common/errors.h"
#include "common/files.h"
#include "common/text.h"

namespace verdika::travel {

std::string_view fuelKey(int fuelKind) {
    switch (fuelKind) {
        case kNatural95: return "benzin-automobilovy-95-oktanu";
        case kNafta: return "motorova-nafta";
        case kNormal91: return "benzin-automobilovy-91-oktanu";
        case kSuperPlus98: return "benzin-automobilovy-98-oktanu";
        default: return {};
    }
}

std::string_view fuelName(int fuelKind) {
    switch (fuelKind) {
        case kNatural95: return "Natural 95";
        case kNafta: return "Nafta";
        case kNormal91: return "Normal 91";
        case kSuperPlus98: return "Super Plus 98";
        default: return {};
    }
}

std::string_view fuelGridText(int fuelKind) {
    switch (fuelKind) {
        case kNatural95: return "natural 95";
        case kNafta: return "nafta";
        case kNormal91: return "natural 91";
        case kSuperPlus98: return "natural 98";
        default: return "neznámé palivo";
    }
}

std::optional<MealBand> mealBand(long long hours) {
    if (hours >= 18) return kBand18;
    if (hours >= 12) return kBand12to18;
    if (hours >= 5) return kBand5to12;
    return std::nullopt;
}

std::string mealKey(MealBand band, bool upperBound) {
    static constexpr std::array<std::string_view, 3> prefix = {"stravne_5-12_", "stravne_12-18_", "stravne_18_"};
    return std::string(prefix[band]) + (upperBound ? "max" : "min");
}

RateVersion rateVersionOn(const IniFile& table, Date day) {
    const std::string file = pathText(table.path().filename().empty() ? std::filesystem::path(kRatesFile)
                                                                      : table.path().filename());
    if (!table.exists())
        throw DataError("Chybí soubor sazeb cestovních náhrad " + pathText(table.path()) +
                        "; bez něj nelze cestovné spočítat.");
    const auto lines = table.sectionValues("novelizace");
    if (lines.empty())
        throw DataError("V souboru " + file + " chybí oddíl [novelizace] se seznamem platných sazeb.");

    std::optional<std::string> chosen;
    Date chosenFrom{};
    std::string first;
    for (const auto& [key, value] : lines) {
        const std::string name = trimmed(value);
        const auto from = tryParseDate(name);
        if (!from)
            throw DataError("V souboru " + file + " je v oddílu [novelizace] neplatné datum „" + value + "“.");
        if (first.empty()) first = name;
        if (*from > day) break;
        chosen = name;
        chosenFrom = *from;
    }
    if (!chosen)
        throw TripError("Sazby cestovních náhrad jsou k dispozici až od " + first + "; cestu ze dne " +
                        formatDate(day) + " nelze spočítat.");

    RateVersion v;
    v.name = *chosen;
    v.from = chosenFrom;
    for (int k = 0; k < kFuelKinds; ++k) {
        const std::string_view key = fuelKey(k);
        if (auto text = table.value(v.name, key); text && !trimBlanks(*text).empty())
            v.fuelPrice[static_cast<size_t>(k)] = table.readDecimal(v.name, key, 0);
    }
    v.perKm = table.readDecimal(v.name, "dvoustopa", 0);
    v.perHalfHour = table.readDecimal(v.name, "pulhodina", 0);
    for (int b = 0; b < 3; ++b)
        for (int u = 0; u < 2; ++u)
            v.meals[static_cast<size_t>(b)][static_cast<size_t>(u)] =
                table.readDecimal(v.name, mealKey(static_cast<MealBand>(b), u == 1), 0);
    return v;
}

RateVersion rateVersionOn(const std::filesystem::path& table, Date day) {
    IniFile ini = IniFile::load(table);
    return rateVersionOn(ini, day);
}

}  // namespace verdika::travel
