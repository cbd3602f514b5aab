#pragma once
// The settings file "nastaveni.ini" in the data directory. Every read takes a
// default, so a missing or garbled file never stops the program; every write
// goes to disk at once, through a temporary file, and throws IoError (with the
// old file intact) when it cannot be written.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "common/ini.h"

namespace verdika {

struct SettingKey {
    std::string_view section;
    std::string_view key;
};

namespace setting {
inline constexpr SettingKey UserName{"uzivatel", "jmeno"};
inline constexpr SettingKey UserNameGenitive{"uzivatel", "jmeno2"};
inline constexpr SettingKey UserStreet{"uzivatel", "ulice"};
inline constexpr SettingKey UserPostCode{"uzivatel", "psc"};
inline constexpr SettingKey UserTown{"uzivatel", "mesto"};
inline constexpr SettingKey UserAccount{"uzivatel", "ucet"};
inline constexpr SettingKey VatPayer{"odmena", "dph"};                      // default false
inline constexpr SettingKey DaysAhead{"Lhuty", "Dni_predem"};               // default "3"
inline constexpr SettingKey DeadlineWarning{"Lhuty", "Upozorneni"};         // default true
inline constexpr SettingKey CheckAfterStart{"verdika", "kontrolovat_po_startu"};  // default true
inline constexpr SettingKey CostsPetition1{"vzor", "petit"};
inline constexpr SettingKey CostsPetition2{"vzor", "petit2"};
inline constexpr SettingKey CostsPetition3{"vzor", "petit3"};
inline constexpr SettingKey TariffPetition1{"vzor_tarif", "petit"};
inline constexpr SettingKey TariffPetition2{"vzor_tarif", "petit2"};
inline constexpr SettingKey TariffPetition3{"vzor_tarif", "petit3"};
inline constexpr SettingKey CourtPrintFormat{"soud", "format"};             // default 0
// Addresses of the network services (hosts are ours to choose; tests point
// them at a local server).
inline constexpr SettingKey ServiceHost{"sluzby", "verdika"};
inline constexpr SettingKey LawPortalHost{"sluzby", "zakony"};
inline constexpr SettingKey MapServiceHost{"sluzby", "mapy"};  // map links of the institutions' page
}  // namespace setting

inline constexpr std::string_view kDefaultServiceHost = "https://www.verdika.cz";
inline constexpr std::string_view kDefaultLawPortalHost = "https://portal.gov.cz";
inline constexpr std::string_view kDefaultMapServiceHost = "https://maps.google.com";
inline constexpr int kDefaultDaysAhead = 3;

class Settings {
public:
    explicit Settings(std::filesystem::path file) : file_(std::move(file)) {}
    const std::filesystem::path& file() const { return file_; }

    IniFile snapshot() const { return IniFile::load(file_); }

    std::string getString(SettingKey k, std::string_view def = {}) const;
    bool getBool(SettingKey k, bool def) const;
    std::int64_t getInt(SettingKey k, std::int64_t def) const;

    void setString(SettingKey k, std::string_view value);
    void setBool(SettingKey k, bool value);
    void setInt(SettingKey k, std::int64_t value);
    // Several keys in one write.
    void update(const std::function<void(IniFile&)>& change);

    // [Lhuty] Dni_predem as the number of days; a value that is not a whole
    // number counts as the default 3 (it is never pasted into SQL).
    int daysAhead() const;
    std::string serviceHost() const;
    std::string lawPortalHost() const;
    std::string mapServiceHost() const;

private:
    std::filesystem::path file_;
};

// The days text as the task list uses it: a whole number, else the default.
int daysAheadFromText(std::string_view text);

}  // namespace verdika
