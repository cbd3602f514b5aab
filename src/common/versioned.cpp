#include "common/versioned.h"

#include "common/errors.h"
#include "common/files.h"

namespace verdika {

std::vector<std::string> amendmentDates(const IniFile& table) {
    std::vector<std::string> dates;
    for (auto& [key, value] : table.sectionValues("novelizace")) dates.push_back(value);
    return dates;
}

std::string Platna_Novelizace(const IniFile& table, int item, Date date) {
    const auto lines = table.sectionValues("novelizace");
    const std::string name = pathText(table.path().filename());
    if (!table.exists())
        throw DataError("Tabulka " + name + " chybí; výpočet nelze provést.");
    if (lines.empty())
        throw DataError("Tabulka " + name + " nemá žádné datum v oddílu [novelizace]; výpočet nelze provést.");

    std::string result = lines.front().second;
    const std::string itemSection = std::to_string(item);
    for (size_t i = 1; i < lines.size(); ++i) {
        auto d = tryParseDate(lines[i].second);
        if (!d)
            throw DataError("Tabulka " + name + " má v oddílu [novelizace] neplatné datum „" + lines[i].second + "“.");
        if (*d > date) break;
        if (item == 0 || !table.readString(itemSection, formatDate(*d)).empty()) result = lines[i].second;
    }
    return result;
}

std::string Platna_Novelizace(const std::filesystem::path& table, int item, Date date) {
    return Platna_Novelizace(IniFile::load(table), item, date);
}

}  // namespace verdika
