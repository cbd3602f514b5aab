#pragma once
// Preparing the data directory at start-up: the folder tree, the files
// copied from the program directory, the release refresh and the databases.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "app/paths.h"

namespace verdika {

// Folders the program writes into, created at every start.
inline constexpr std::array<std::string_view, 5> kDataSubfolders = {"Excel-export", "Uroky-sestavy", "PR", "Vzor",
                                                                    "PDF"};

// Files refreshed from the program directory when a new release is
// installed, in this order; the stamp comes after the data files, so an
// interrupted refresh repeats at the next start. User files are never listed:
// the spouses' settlement workbook is one (the page provides it when missing).
inline constexpr std::array<std::string_view, 14> kRefreshedFiles = {
    "177_1996_1.1.2012.vrd", "177_1996_1.1.2011.vrd", "484_2000_1.3.2012.vrd", "484_2000_1.9.2006.vrd",
    "484_2000_29.12.2000.vrd", "uroky.vrd", "o_soudech.vrd", "zakonik_prace.vrd", "urok_nalez.vrd",
    "urok_z_prodleni.vrd", "notar_tarif.vrd", "notar.vrd", "exekutor.vrd", "verdika.txt"};

inline constexpr std::string_view kStampFile = "verdika.txt";
inline constexpr std::string_view kSettingsFile = "nastaveni.ini";
inline constexpr std::string_view kNewsFile = "verdika_novinky.txt";
inline constexpr std::string_view kTasksDatabase = "lhuty.db";
inline constexpr std::string_view kTasksSeed = "lhuty.sql";
inline constexpr std::string_view kInstitutionsDatabase = "databaze.db";
inline constexpr std::string_view kInstitutionsSeed = "databaze.sql";

struct StartupReport {
    bool releaseWasNew = false;
    std::vector<std::string> copied;            // names copied into the data directory
    std::vector<std::string> missingInProgram;  // listed files the program directory lacks
    std::vector<std::string> databasesCreated;
};

// Creates the data directory and its folders (throws IoError naming the
// folder that cannot be created), then copies what is missing or outdated.
StartupReport prepareDataDirectory(const AppPaths& paths);

}  // namespace verdika
