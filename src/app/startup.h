#pragma once
// Preparing the data directory at start-up: the folder tree, the files
// copied from the program directory, the release refresh and the databases.
#include <array>
#include <cstddef>
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
inline constexpr std::string_view kRateTableFile = "uroky.vrd";
inline constexpr std::string_view kRateTableBackup = "uroky.vrd.bak";
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
    std::vector<std::string> failed;            // listed files that could not be copied (with the reason)
    std::vector<std::string> databasesCreated;
    std::vector<std::string> removedTemporary;  // stale temporary files removed
    // The user's rate boundaries kept through a refresh of "uroky.vrd".
    std::size_t keptRateLines = 0;
    bool rateTableBackedUp = false;             // the replaced table is "uroky.vrd.bak"
    bool stampWritten = false;

    // What the user is told after the window appears, one sentence each:
    // files that failed to copy (with the consequence), the kept boundaries.
    std::vector<std::string> messages() const;
};

// Creates the data directory and its folders (throws IoError naming the
// folder that cannot be created), removes stale temporary files, then
// copies what is missing or outdated.
//
// A new release refreshes every listed file; the stamp "verdika.txt" is
// written last and only when every listed file the program directory has
// was copied, so a refresh cut short (a full disk) repeats at the next start
// and is reported. The user's "uroky.vrd" is replaced by the shipped one with
// the user's boundaries dated after the shipped table's last line carried
// over; the replaced file stays as "uroky.vrd.bak".
StartupReport prepareDataDirectory(const AppPaths& paths);

// A temporary file of the program's own writes ("NAME.tmpNNNNNN", a
// database's "-journal" beside it) that a killed write left behind.
bool isTemporaryFileName(std::string_view fileName);
// Removes such files older than an hour from the data directory and its
// folders (a younger one may belong to a write of a running program).
std::vector<std::string> removeStaleTemporaryFiles(const AppPaths& paths);

// The shipped rate table's text with the user's later boundaries appended:
// lines of userText that read as "date;rate" with a date after the last
// dated line of shippedText. Sets `kept` to their number.
std::string mergeRateTables(std::string_view shippedText, std::string_view userText, std::size_t& kept);

}  // namespace verdika
