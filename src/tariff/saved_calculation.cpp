#include "tariff/saved_calculation.h"

#include <algorithm>

#include "common/ini.h"
#include "tariff/lists.h"

namespace verdika::tariff {
namespace {

constexpr const char* kSettings = "nastaveni";

// Item numbers of the option groups in the file.
int scalingItem(Scaling s) {
    switch (s) {
    case Scaling::Triple: return 0;
    case Scaling::Halve: return 1;
    case Scaling::None: break;
    }
    return -1;
}

Scaling scalingOfItem(std::int64_t item) {
    return item == 0 ? Scaling::Triple : item == 1 ? Scaling::Halve : Scaling::None;
}

int appointmentItem(Appointment a) {
    switch (a) {
    case Appointment::ExOfficioDefence: return 0;
    case Appointment::Representative: return 1;
    case Appointment::ChildsGuardian: return 2;
    case Appointment::None: break;
    }
    return -1;
}

Appointment appointmentOfItem(std::int64_t item) {
    switch (item) {
    case 0: return Appointment::ExOfficioDefence;
    case 1: return Appointment::Representative;
    case 2: return Appointment::ChildsGuardian;
    default: return Appointment::None;
    }
}

}  // namespace

void saveCalculation(const std::filesystem::path& file, const TariffForm& form) {
    IniFile ini = IniFile::load(file);
    ini.writeInteger(kSettings, "druh_rizeni", form.kind.value_or(-1));
    ini.writeString(kSettings, "tarifni_hodnota", form.tariffValue);
    ini.writeBool(kSettings, "dph", form.vatPayer);
    ini.writeBool(kSettings, "zvyseni_procento_bool", form.adjustment == FeeAdjustment::Raise);
    ini.writeBool(kSettings, "snizeni_procento_bool", form.adjustment == FeeAdjustment::Lower);
    ini.writeString(kSettings, "zvyseni_procento_edit", form.raiseText);
    ini.writeString(kSettings, "snizeni_procento_edit", form.lowerText);
    ini.writeInteger(kSettings, "specialni_rizeni", appointmentItem(form.appointment));
    ini.writeInteger(kSettings, "mimoradne_zvyseni", scalingItem(form.scaling));
    ini.writeBool(kSettings, "formularova_zaloba", form.par14b);
    // Numbered by count, not by grid row: a gap would make loading stop short and lose the acts after it.
    int count = 0;
    for (const ActRow& a : form.acts) {
        if (a.date.empty()) continue;
        const std::string section = "ukon" + std::to_string(++count);
        ini.writeString(section, "datum", a.date);
        ini.writeString(section, "popis", a.description);
        ini.writeString(section, "pu_pul", a.kind);
    }
    ini.writeInteger("ukony", "pocet", count);
    ini.saveAs(file);
}

TariffForm loadCalculation(const std::filesystem::path& file) { return calculationFromIni(IniFile::load(file)); }

TariffForm calculationFromIni(const IniFile& ini) {
    TariffForm form;
    const std::int64_t kind = ini.readInteger(kSettings, "druh_rizeni", 0);
    form.kind = kind >= 0 && kind < kKindCount ? std::optional<int>(static_cast<int>(kind)) : std::nullopt;
    form.tariffValue = ini.readString(kSettings, "tarifni_hodnota");
    form.vatPayer = ini.readBool(kSettings, "dph", false);
    if (ini.readBool(kSettings, "snizeni_procento_bool", false)) form.adjustment = FeeAdjustment::Lower;
    else if (ini.readBool(kSettings, "zvyseni_procento_bool", false)) form.adjustment = FeeAdjustment::Raise;
    form.raiseText = ini.readString(kSettings, "zvyseni_procento_edit");
    form.lowerText = ini.readString(kSettings, "snizeni_procento_edit");
    form.appointment = appointmentOfItem(ini.readInteger(kSettings, "specialni_rizeni", -1));
    form.scaling = scalingOfItem(ini.readInteger(kSettings, "mimoradne_zvyseni", -1));
    form.par14b = ini.readBool(kSettings, "formularova_zaloba", false);
    // § 14b and the appointed lawyer exclude each other; the page sets § 14b last, which clears the other.
    if (form.par14b) form.appointment = Appointment::None;
    // A garbled count never makes the list longer than the file's sections.
    const auto n = std::min<std::int64_t>(ini.readInteger("ukony", "pocet", 0),
                                          static_cast<std::int64_t>(ini.sectionNames().size()));
    for (std::int64_t k = 1; k <= n; ++k) {
        const std::string section = "ukon" + std::to_string(k);
        form.acts.push_back({ini.readString(section, "datum"), ini.readString(section, "popis"),
                             ini.readString(section, "pu_pul")});
    }
    return form;
}

}  // namespace verdika::tariff
