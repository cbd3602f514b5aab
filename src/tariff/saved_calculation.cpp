#include "tariff/saved_calculation.h"

#include <algorithm>

#include "common/ini.h"

namespace verdika::tariff {
namespace {
constexpr const char* kSettings = "nastaveni";
}

void saveCalculation(const std::filesystem::path& file, const SavedCalculation& s) {
    IniFile ini = IniFile::load(file);
    ini.writeInteger(kSettings, "druh_rizeni", s.kind);
    ini.writeString(kSettings, "tarifni_hodnota", s.tariffValue);
    ini.writeBool(kSettings, "dph", s.vatPayer);
    ini.writeBool(kSettings, "zvyseni_procento_bool", s.raiseOn);
    ini.writeBool(kSettings, "snizeni_procento_bool", s.lowerOn);
    ini.writeString(kSettings, "zvyseni_procento_edit", s.raiseText);
    ini.writeString(kSettings, "snizeni_procento_edit", s.lowerText);
    ini.writeInteger(kSettings, "specialni_rizeni", s.special);
    ini.writeInteger(kSettings, "mimoradne_zvyseni", s.extraordinary);
    ini.writeBool(kSettings, "formularova_zaloba", s.par14b);
    // Numbered by count, not by grid row: a gap would make loading stop short and lose the acts after it.
    int count = 0;
    for (const ActRow& a : s.acts) {
        if (a.date.empty()) continue;
        const std::string section = "ukon" + std::to_string(++count);
        ini.writeString(section, "datum", a.date);
        ini.writeString(section, "popis", a.description);
        ini.writeString(section, "pu_pul", a.kind);
    }
    ini.writeInteger("ukony", "pocet", count);
    ini.saveAs(file);
}

SavedCalculation loadCalculation(const std::filesystem::path& file) { return calculationFromIni(IniFile::load(file)); }

SavedCalculation calculationFromIni(const IniFile& ini) {
    SavedCalculation s;
    auto integer = [&](const char* key, int def) {
        const auto v = ini.readInteger(kSettings, key, def);
        return v < -1000000 || v > 1000000 ? def : static_cast<int>(v);
    };
    s.kind = integer("druh_rizeni", 0);
    s.tariffValue = ini.readString(kSettings, "tarifni_hodnota");
    s.vatPayer = ini.readBool(kSettings, "dph", false);
    s.raiseOn = ini.readBool(kSettings, "zvyseni_procento_bool", false);
    s.lowerOn = ini.readBool(kSettings, "snizeni_procento_bool", false);
    s.raiseText = ini.readString(kSettings, "zvyseni_procento_edit");
    s.lowerText = ini.readString(kSettings, "snizeni_procento_edit");
    s.special = integer("specialni_rizeni", -1);
    s.extraordinary = integer("mimoradne_zvyseni", -1);
    s.par14b = ini.readBool(kSettings, "formularova_zaloba", false);
    // A garbled count never makes the list longer than the file's sections.
    const auto n = std::min<std::int64_t>(ini.readInteger("ukony", "pocet", 0),
                                          static_cast<std::int64_t>(ini.sectionNames().size()));
    for (std::int64_t k = 1; k <= n; ++k) {
        const std::string section = "ukon" + std::to_string(k);
        s.acts.push_back({ini.readString(section, "datum"), ini.readString(section, "popis"),
                          ini.readString(section, "pu_pul")});
    }
    return s;
}

}  // namespace verdika::tariff
