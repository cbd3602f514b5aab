#include "app/user_profile.h"

namespace verdika {

namespace {
void put(IniFile& ini, SettingKey k, const std::string& value) { ini.writeString(k.section, k.key, value); }
}  // namespace

UserProfile readUserProfile(const Settings& settings) {
    const IniFile ini = settings.snapshot();
    auto get = [&](SettingKey k) { return ini.readString(k.section, k.key); };
    return UserProfile{get(setting::UserName),   get(setting::UserNameGenitive), get(setting::UserStreet),
                       get(setting::UserPostCode), get(setting::UserTown),       get(setting::UserAccount)};
}

void writeUserProfile(Settings& settings, const UserProfile& p) {
    settings.update([&](IniFile& ini) {
        put(ini, setting::UserName, p.jmeno);
        put(ini, setting::UserNameGenitive, p.jmeno2);
        put(ini, setting::UserStreet, p.ulice);
        put(ini, setting::UserPostCode, p.psc);
        put(ini, setting::UserTown, p.mesto);
        put(ini, setting::UserAccount, p.ucet);
    });
}

void writeOfficeAddress(Settings& settings, const std::string& ulice, const std::string& mesto) {
    settings.update([&](IniFile& ini) {
        put(ini, setting::UserStreet, ulice);
        put(ini, setting::UserTown, mesto);
    });
}

}  // namespace verdika
