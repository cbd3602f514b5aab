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

// A key with the value a read gives when the file, the section or the key is
// missing. Every key is declared once, below, with its default; read it with
// Settings::get so no caller can disagree about the default.
struct TextSetting : SettingKey {
    std::string_view def;
};
struct BoolSetting : SettingKey {
    bool def;
};
struct IntSetting : SettingKey {
    std::int64_t def;
};

inline constexpr std::string_view kDefaultServiceHost = "https://www.verdika.cz";
inline constexpr std::string_view kDefaultLawTextHost = "https://www.verdika.cz";
inline constexpr std::string_view kDefaultLawPortalHost = "https://portal.gov.cz";
inline constexpr std::string_view kDefaultLawWebHost = "https://www.zakonyprolidi.cz";
inline constexpr std::string_view kDefaultMapServiceHost = "https://maps.google.com";
inline constexpr int kDefaultDaysAhead = 3;

namespace setting {
inline constexpr TextSetting UserName{{"uzivatel", "jmeno"}, ""};
inline constexpr TextSetting UserNameGenitive{{"uzivatel", "jmeno2"}, ""};
inline constexpr TextSetting UserStreet{{"uzivatel", "ulice"}, ""};
inline constexpr TextSetting UserPostCode{{"uzivatel", "psc"}, ""};
inline constexpr TextSetting UserTown{{"uzivatel", "mesto"}, ""};
inline constexpr TextSetting UserAccount{{"uzivatel", "ucet"}, ""};
inline constexpr BoolSetting VatPayer{{"odmena", "dph"}, false};
inline constexpr TextSetting DaysAhead{{"Lhuty", "Dni_predem"}, "3"};  // a text: kept as the user typed it
inline constexpr BoolSetting DeadlineWarning{{"Lhuty", "Upozorneni"}, true};
inline constexpr BoolSetting CheckAfterStart{{"verdika", "kontrolovat_po_startu"}, true};
inline constexpr TextSetting CostsPetition1{{"vzor", "petit"}, ""};
inline constexpr TextSetting CostsPetition2{{"vzor", "petit2"}, ""};
inline constexpr TextSetting CostsPetition3{{"vzor", "petit3"}, ""};
inline constexpr TextSetting TariffPetition1{{"vzor_tarif", "petit"}, ""};
inline constexpr TextSetting TariffPetition2{{"vzor_tarif", "petit2"}, ""};
inline constexpr TextSetting TariffPetition3{{"vzor_tarif", "petit3"}, ""};
inline constexpr IntSetting CourtPrintFormat{{"soud", "format"}, 0};
// Addresses of the network services (hosts are ours to choose; tests point
// them at a local server). An empty value counts as the default too.
inline constexpr TextSetting ServiceHost{{"sluzby", "verdika"}, kDefaultServiceHost};  // release stamp, news, downloads
inline constexpr TextSetting LawTextHost{{"sluzby", "zakony"}, kDefaultLawTextHost};    // law texts by number (page "Zákony")
inline constexpr TextSetting LawPortalHost{{"sluzby", "portal"}, kDefaultLawPortalHost};  // the public portal's law downloads
inline constexpr TextSetting LawWebHost{{"sluzby", "predpisy"}, kDefaultLawWebHost};      // law texts on the web (administrative fees)
inline constexpr TextSetting MapServiceHost{{"sluzby", "mapy"}, kDefaultMapServiceHost};  // map links of the institutions' page
}  // namespace setting

class Settings {
public:
    explicit Settings(std::filesystem::path file) : file_(std::move(file)) {}
    const std::filesystem::path& file() const { return file_; }

    IniFile snapshot() const { return IniFile::load(file_); }

    // A key's value, or its declared default.
    std::string get(const TextSetting& k) const;
    bool get(const BoolSetting& k) const;
    std::int64_t get(const IntSetting& k) const;

    // Reads with a default of the caller's; prefer get.
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
    std::string lawTextHost() const;
    std::string lawPortalHost() const;
    std::string lawWebHost() const;
    std::string mapServiceHost() const;

private:
    std::string host(const TextSetting& k) const;
    std::filesystem::path file_;
};

// The days text as the task list uses it: a whole number, else the default.
int daysAheadFromText(std::string_view text);

}  // namespace verdika
