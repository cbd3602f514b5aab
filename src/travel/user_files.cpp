#include "travel/user_files.h"

#include <algorithm>

#include "common/errors.h"
#include "common/numbers.h"
#include "common/text.h"

namespace verdika::travel {

namespace {

std::string sectionOf(std::int64_t n) { return std::to_string(n); }

// The entries a list can really hold: "pocet" as stored, but never more than
// the file has sections (a garbled count must not make a list of millions).
std::int64_t usableCount(const IniFile& ini) {
    const std::int64_t n = listCount(ini);
    return std::min<std::int64_t>(n, static_cast<std::int64_t>(ini.sectionNames().size()));
}

void replaceSection(IniFile& ini, const std::string& target, const std::string& source) {
    for (const std::string& key : ini.sectionKeys(target)) ini.deleteKey(target, key);
    for (const auto& [key, value] : ini.sectionValues(source)) ini.writeString(target, key, value);
}

}  // namespace

std::int64_t listCount(const IniFile& ini) { return std::max<std::int64_t>(0, ini.readInteger("settings", "pocet", 0)); }

void removeListEntry(IniFile& ini, std::int64_t k) {
    const std::int64_t n = usableCount(ini);  // a garbled count must not make the moves run for ever
    if (k < 1 || k > n) return;
    for (std::int64_t s = k; s < n; ++s) replaceSection(ini, sectionOf(s), sectionOf(s + 1));
    ini.eraseSection(sectionOf(n));
    ini.writeInteger("settings", "pocet", n - 1);
}

// --- Cars ---

std::vector<CarEntry> loadCars(const std::filesystem::path& file) {
    const IniFile ini = IniFile::load(file);
    std::vector<CarEntry> cars;
    const std::int64_t n = usableCount(ini);
    for (std::int64_t i = 1; i <= n; ++i) {
        const std::string s = sectionOf(i);
        CarEntry c;
        c.name = ini.readString(s, "nazev");
        c.consumptionText = ini.readString(s, "spotreba");
        c.fuelKind = static_cast<int>(ini.readInteger(s, "palivo", 0));
        cars.push_back(std::move(c));
    }
    return cars;
}

Car readCar(const std::filesystem::path& file, std::int64_t number) {
    const IniFile ini = IniFile::load(file);
    const std::string s = sectionOf(number);
    Car car;
    car.name = ini.readString(s, "nazev");
    car.consumption = ini.readDecimal(s, "spotreba", 0);
    const std::int64_t kind = ini.readInteger(s, "palivo", -1);
    car.fuelKind = kind >= 0 && kind < kFuelKinds ? static_cast<int>(kind) : -1;
    return car;
}

std::optional<std::string> addCar(const std::filesystem::path& file, std::string_view name,
                                  std::string_view consumptionText, int fuelKind) {
    const auto consumption = tryParseDecimal(consumptionText);
    IniFile::update(file, [&](IniFile& ini) {
        const std::int64_t m = usableCount(ini) + 1;  // after the entries the file really has
        const std::string s = sectionOf(m);
        ini.eraseSection(s);  // a left-over section must not lend its keys to the new car
        ini.writeInteger("settings", "pocet", m);
        ini.writeString(s, "nazev", name);
        if (consumption) ini.writeString(s, "spotreba", Format_Cislo(*consumption));
        ini.writeInteger(s, "palivo", fuelKind);
    });
    if (consumption) return std::nullopt;
    return "Při zadávání spotřeby došlo k chybě.\r\n" + std::string(consumptionText);
}

void removeCar(const std::filesystem::path& file, std::int64_t number) {
    IniFile::update(file, [&](IniFile& ini) { removeListEntry(ini, number); });
}

// --- Own fuel prices ---

OwnPrices loadOwnPrices(const std::filesystem::path& file) {
    const IniFile ini = IniFile::load(file);
    OwnPrices p;
    p.petrol91 = ini.readString("palivo", fuelKey(kNormal91), "0");
    p.petrol95 = ini.readString("palivo", fuelKey(kNatural95), "0");
    p.petrol98 = ini.readString("palivo", fuelKey(kSuperPlus98), "0");
    p.diesel = ini.readString("palivo", fuelKey(kNafta), "0");
    return p;
}

void saveOwnPrices(const std::filesystem::path& file, const OwnPrices& p) {
    IniFile::update(file, [&](IniFile& ini) {
        ini.writeString("palivo", fuelKey(kNormal91), p.petrol91);
        ini.writeString("palivo", fuelKey(kNatural95), p.petrol95);
        ini.writeString("palivo", fuelKey(kSuperPlus98), p.petrol98);
        ini.writeString("palivo", fuelKey(kNafta), p.diesel);
    });
}

double ownFuelPrice(const std::filesystem::path& file, int fuelKind) {
    const IniFile ini = IniFile::load(file);
    return parseDecimal(Nahrad_Vse(ini.readString("palivo", fuelKey(fuelKind), "0"), ".", ","));
}

// --- Favourite trips ---

std::vector<FavouriteTrip> loadFavourites(const std::filesystem::path& file) {
    const IniFile ini = IniFile::load(file);
    std::vector<FavouriteTrip> trips;
    const std::int64_t n = usableCount(ini);
    for (std::int64_t i = 1; i <= n; ++i) {
        const std::string s = sectionOf(i);
        trips.push_back({ini.readString(s, "popis"), ini.readString(s, "vzdalenost"), ini.readString(s, "pulhodin")});
    }
    return trips;
}

void addFavourite(const std::filesystem::path& file, std::string_view name, std::string_view distanceText,
                  std::string_view halfHoursText) {
    const auto distance = tryParseDecimal(distanceText);
    if (!distance) throw ConversionError("Vzdálenost musí být číslo (zadáno „" + trimmed(distanceText) + "“).");
    const auto halfHours = tryParseInteger(halfHoursText);
    if (!halfHours)
        throw ConversionError("Počet půlhodin musí být celé číslo (zadáno „" + trimmed(halfHoursText) + "“).");
    IniFile::update(file, [&](IniFile& ini) {
        const std::int64_t m = usableCount(ini) + 1;  // after the entries the file really has
        const std::string s = sectionOf(m);
        ini.eraseSection(s);
        ini.writeInteger("settings", "pocet", m);
        ini.writeString(s, "popis", name);
        ini.writeString(s, "vzdalenost", Format_Cislo(*distance));
        ini.writeInteger(s, "pulhodin", *halfHours);
    });
}

void removeFavourite(const std::filesystem::path& file, std::int64_t number) {
    IniFile::update(file, [&](IniFile& ini) { removeListEntry(ini, number); });
}

FavouriteTrip readFavourite(const std::filesystem::path& file, std::int64_t number) {
    const IniFile ini = IniFile::load(file);
    const std::string s = sectionOf(number);
    if (number < 1 || number > listCount(ini) || !ini.hasSection(s))
        throw DataError("Došlo k chybě při čtení vstupního souboru.");
    return {ini.readString(s, "popis"), ini.readString(s, "vzdalenost"), ini.readString(s, "pulhodin")};
}

}  // namespace verdika::travel
