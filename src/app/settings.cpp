#include "app/settings.h"

#include "common/numbers.h"
#include "common/text.h"

namespace verdika {

std::string Settings::get(const TextSetting& k) const { return getString(k, k.def); }
bool Settings::get(const BoolSetting& k) const { return getBool(k, k.def); }
std::int64_t Settings::get(const IntSetting& k) const { return getInt(k, k.def); }

std::string Settings::getString(SettingKey k, std::string_view def) const {
    return snapshot().readString(k.section, k.key, def);
}

bool Settings::getBool(SettingKey k, bool def) const { return snapshot().readBool(k.section, k.key, def); }

std::int64_t Settings::getInt(SettingKey k, std::int64_t def) const {
    return snapshot().readInteger(k.section, k.key, def);
}

void Settings::setString(SettingKey k, std::string_view value) {
    update([&](IniFile& ini) { ini.writeString(k.section, k.key, value); });
}

void Settings::setBool(SettingKey k, bool value) {
    update([&](IniFile& ini) { ini.writeBool(k.section, k.key, value); });
}

void Settings::setInt(SettingKey k, std::int64_t value) {
    update([&](IniFile& ini) { ini.writeInteger(k.section, k.key, value); });
}

void Settings::update(const std::function<void(IniFile&)>& change) { IniFile::update(file_, change); }

int daysAheadFromText(std::string_view text) {
    auto n = tryParseInteger(text);
    if (!n || *n < -100000 || *n > 100000) return kDefaultDaysAhead;
    return static_cast<int>(*n);
}

int Settings::daysAhead() const { return daysAheadFromText(get(setting::DaysAhead)); }

namespace {
std::string hostOrDefault(std::string value, std::string_view def) {
    std::string t = trimmed(value);
    if (t.empty()) t = def;
    while (!t.empty() && t.back() == '/') t.pop_back();
    return t;
}
}  // namespace

// An empty or missing host is the key's default; a trailing "/" is dropped.
std::string Settings::host(const TextSetting& k) const { return hostOrDefault(get(k), k.def); }

std::string Settings::serviceHost() const { return host(setting::ServiceHost); }
std::string Settings::lawTextHost() const { return host(setting::LawTextHost); }
std::string Settings::lawPortalHost() const { return host(setting::LawPortalHost); }
std::string Settings::lawWebHost() const { return host(setting::LawWebHost); }
std::string Settings::mapServiceHost() const { return host(setting::MapServiceHost); }

}  // namespace verdika
