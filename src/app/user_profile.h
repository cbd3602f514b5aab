#pragma once
// The attorney's own details in "nastaveni.ini" [uzivatel]: the profile of
// the About window and the office address of the institutions' page read and
// write the same keys through these functions.
#include <string>

#include "app/settings.h"

namespace verdika {

struct UserProfile {
    std::string jmeno;   // "Titul Jméno Příjmení"
    std::string jmeno2;  // the same name in the genitive
    std::string ulice;
    std::string psc;
    std::string mesto;
    std::string ucet;    // bank account for the petitions
};

// Missing keys read as empty texts.
UserProfile readUserProfile(const Settings& settings);
// All six keys in one write; throws IoError with the file intact.
void writeUserProfile(Settings& settings, const UserProfile& profile);
// Only "ulice" and "mesto" (the office address the route starts from).
void writeOfficeAddress(Settings& settings, const std::string& ulice, const std::string& mesto);

}  // namespace verdika
