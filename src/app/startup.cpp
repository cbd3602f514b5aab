#include "app/startup.h"

#include <filesystem>

#include "common/errors.h"
#include "common/files.h"
#include "companion/copy_file.h"
#include "companion/release_stamp.h"
#include "common/sqlite_db.h"

namespace verdika {
namespace fs = std::filesystem;

namespace {

void ensureFolder(const fs::path& dir) {
    std::error_code ec;
    if (fs::is_directory(dir, ec)) return;
    fs::create_directories(dir, ec);
    if (ec || !fs::is_directory(dir))
        throw IoError("Složku " + pathText(dir) + " nelze vytvořit" + (ec ? ": " + ec.message() : std::string()) + ".");
}

bool fileExists(const fs::path& p) {
    std::error_code ec;
    return fs::exists(p, ec);
}

void createDatabaseIfMissing(const AppPaths& paths, std::string_view dbName, std::string_view seedName,
                             StartupReport& report) {
    const fs::path db = paths.dataDir / dbName;
    if (fileExists(db)) return;
    auto seed = readFileBytes(paths.programDir / seedName);
    if (!seed) {
        report.missingInProgram.emplace_back(seedName);
        return;
    }
    Database::createFromSql(db, *seed);
    report.databasesCreated.emplace_back(dbName);
}

}  // namespace

StartupReport prepareDataDirectory(const AppPaths& paths) {
    StartupReport report;
    ensureFolder(paths.dataDir);
    for (auto sub : kDataSubfolders) ensureFolder(paths.dataDir / sub);

    // Files that belong to the user once they exist: created only when missing.
    createDatabaseIfMissing(paths, kTasksDatabase, kTasksSeed, report);
    createDatabaseIfMissing(paths, kInstitutionsDatabase, kInstitutionsSeed, report);
    const fs::path settings = paths.dataDir / kSettingsFile;
    if (!fileExists(settings) && fileExists(paths.programDir / kSettingsFile))
        if (PridatDokument(settings, paths.programDir / kSettingsFile)) report.copied.emplace_back(kSettingsFile);
    // The release's news, shown by "Novinky" until it downloads newer ones.
    const fs::path news = paths.dataDir / kNewsFile;
    if (!fileExists(news) && fileExists(paths.programDir / kNewsFile))
        if (PridatDokument(news, paths.programDir / kNewsFile)) report.copied.emplace_back(kNewsFile);

    if (isNewRelease(paths.programDir / kStampFile, paths.dataDir / kStampFile)) {
        report.releaseWasNew = true;
        std::error_code ec;
        const bool samePlace = fs::equivalent(paths.programDir, paths.dataDir, ec);
        for (auto name : kRefreshedFiles) {
            const fs::path source = paths.programDir / name;
            if (!fileExists(source)) {
                report.missingInProgram.emplace_back(name);
                continue;
            }
            if (samePlace) continue;  // portable mode: the shipped files are already where they are read
            if (PridatDokument(paths.dataDir / name, source)) report.copied.emplace_back(name);
        }
    }
    return report;
}

}  // namespace verdika
