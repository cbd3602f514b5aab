#include "travel/distances.h"

#include "common/errors.h"
#include "common/files.h"
#include "common/numbers.h"

namespace verdika::travel {

const std::array<std::string_view, 47> kTowns = {
    "Aš",        "Blansko",          "Brno",         "Bruntál",          "Břeclav",
    "Česká Lípa", "České Budějovice", "Děčín",        "Domažlice",        "Havlíčkův Brod",
    "Hodonín",   "Hradec Králové",   "Cheb",         "Chomutov",         "Jeseník",
    "Jihlava",   "Jindřichův Hradec", "Karlovy Vary", "Kladno",           "Klatovy",
    "Kolín",     "Liberec",          "Mariánské Lázně", "Mladá Boleslav", "Nový Jičín",
    "Olomouc",   "Opava",            "Ostrava",      "Pardubice",        "Pelhřimov",
    "Písek",     "Plzeň",            "Praha",        "Přerov",           "Příbram",
    "Rakovník",  "Strakonice",       "Svitavy",      "Šumperk",          "Tábor",
    "Teplice",   "Trutnov",          "Uherské Hradiště", "Ústí nad Labem", "Vsetín",
    "Zlín",      "Znojmo"};

std::filesystem::path distanceTableFile(const AppPaths& paths) {
    const auto own = paths.dataDir / kDistanceFile;
    std::error_code ec;
    if (std::filesystem::is_regular_file(own, ec)) return own;
    return paths.programDir / kDistanceFile;
}

namespace {
void checkSelection(std::string_view from, std::string_view to) {
    if (from.empty() || to.empty()) throw DataError("Vyberte výchozí i cílové místo.");
    if (from == to) throw DataError("Výchozí a cílové místo je stejné; vyberte dvě různá místa.");
}
}  // namespace

int findDistance(const std::vector<std::string>& lines, std::string_view from, std::string_view to) {
    checkSelection(from, to);
    for (const std::string& line : lines) {
        if (line.find(from) == std::string::npos || line.find(to) == std::string::npos) continue;
        const auto first = line.find(';');
        const auto second = first == std::string::npos ? first : line.find(';', first + 1);
        const std::string digits = second == std::string::npos ? std::string() : line.substr(second + 1, 3);
        if (const auto km = tryParseInteger(digits); km && *km >= 0) return static_cast<int>(*km);
        throw DataError("V tabulce vzdáleností je u dvojice " + std::string(from) + " – " + std::string(to) +
                        " neplatný údaj: „" + line + "“.");
    }
    throw DataError("Vzdálenost mezi místy " + std::string(from) + " a " + std::string(to) +
                    " v tabulce vzdáleností není; zadejte ji ručně.");
}

int lookupDistance(const std::filesystem::path& table, std::string_view from, std::string_view to) {
    checkSelection(from, to);
    const auto text = readTextFile(table);
    if (!text) throw DataError("Tabulka vzdáleností " + pathText(table) + " nebyla nalezena.");
    return findDistance(splitLines(*text), from, to);
}

}  // namespace verdika::travel
