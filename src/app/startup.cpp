#include "app/startup.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <optional>

#include "common/cp1250.h"
#include "common/dates.h"
#include "common/errors.h"
#include "common/files.h"
#include "common/sqlite_db.h"
#include "common/text.h"
#include "companion/copy_file.h"
#include "companion/release_stamp.h"
#include "interest/rate_table.h"

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

std::optional<Date> rateLineDate(std::string_view line) {
    if (line.find(';') == std::string_view::npos) return std::nullopt;
    return tryParseDate(interest::splitRateLine(line).date);
}

// The shipped rate table, merged with the user's later boundaries; the
// user's file is kept as a backup when it differs from what replaces it.
void refreshRateTable(const AppPaths& paths, const std::string& shipped, StartupReport& report) {
    const fs::path target = paths.dataDir / kRateTableFile;
    const auto userBytes = readFileBytes(target);
    std::string bytes = shipped;
    if (userBytes && *userBytes != shipped) {
        std::size_t kept = 0;
        const std::string merged = mergeRateTables(decodeText(shipped), decodeText(*userBytes), kept);
        if (kept > 0) bytes = encodeText(merged);
        writeFileAtomic(paths.dataDir / kRateTableBackup, *userBytes);
        report.rateTableBackedUp = true;
        report.keptRateLines = kept;
    }
    writeFileAtomic(target, bytes);
}

}  // namespace

bool isTemporaryFileName(std::string_view name) {
    for (std::string_view suffix : {"-journal", "-wal", "-shm"})
        if (name.size() > suffix.size() && name.substr(name.size() - suffix.size()) == suffix) {
            name.remove_suffix(suffix.size());
            break;
        }
    const auto at = name.rfind(".tmp");
    if (at == std::string_view::npos || at == 0) return false;
    const std::string_view digits = name.substr(at + 4);
    return !digits.empty() && digits.size() <= 6 &&
           std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::vector<std::string> removeStaleTemporaryFiles(const AppPaths& paths) {
    std::vector<std::string> removed;
    const auto limit = fs::file_time_type::clock::now() - std::chrono::hours(1);
    std::vector<fs::path> folders{paths.dataDir};
    for (auto sub : kDataSubfolders) folders.push_back(paths.dataDir / sub);
    for (const fs::path& folder : folders) {
        std::error_code ec;
        for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
            std::error_code fe;
            if (!it->is_regular_file(fe) || !isTemporaryFileName(it->path().filename().string())) continue;
            const auto written = fs::last_write_time(it->path(), fe);
            if (fe || written > limit) continue;
            if (fs::remove(it->path(), fe)) removed.push_back(pathText(it->path().filename()));
        }
    }
    return removed;
}

std::string mergeRateTables(std::string_view shippedText, std::string_view userText, std::size_t& kept) {
    kept = 0;
    std::optional<Date> last;
    for (const std::string& l : splitLines(shippedText))
        if (auto d = rateLineDate(l); d && (!last || *d > *last)) last = d;
    std::vector<std::pair<Date, std::string>> later;
    for (const std::string& l : splitLines(userText)) {
        const auto d = rateLineDate(l);
        if (!d || (last && *d <= *last)) continue;
        // Only lines the table reader takes: a broken line stays in the backup.
        try {
            interest::RateTable::fromText(l);
        } catch (const Error&) {
            continue;
        }
        if (std::none_of(later.begin(), later.end(), [&](const auto& x) { return x.first == *d; }))
            later.emplace_back(*d, trimmed(l));
    }
    std::stable_sort(later.begin(), later.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::string out(shippedText);
    if (!later.empty() && !out.empty() && out.back() != '\n') out += "\r\n";
    for (const auto& [d, l] : later) out += l + "\r\n";
    kept = later.size();
    return out;
}

std::vector<std::string> StartupReport::messages() const {
    std::vector<std::string> out;
    for (const std::string& f : failed) out.push_back(f);
    if (!failed.empty())
        out.push_back("Aktualizace souborů nové verze programu nebyla dokončena; program ji zopakuje při příštím "
                      "spuštění. Uvolněte místo na disku nebo zkontrolujte oprávnění ke složce dat.");
    if (rateTableBackedUp)
        out.push_back("Tabulka úrokových sazeb byla nahrazena novou z této verze programu" +
                      (keptRateLines ? "; vaše hranice pozdější než její poslední řádek v ní zůstaly (počet: " +
                                           std::to_string(keptRateLines) + ")"
                                     : std::string()) +
                      ". Původní tabulka je uložena jako " + std::string(kRateTableBackup) + ".");
    return out;
}

StartupReport prepareDataDirectory(const AppPaths& paths) {
    StartupReport report;
    ensureFolder(paths.dataDir);
    for (auto sub : kDataSubfolders) ensureFolder(paths.dataDir / sub);
    report.removedTemporary = removeStaleTemporaryFiles(paths);

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

    if (!isNewRelease(paths.programDir / kStampFile, paths.dataDir / kStampFile)) return report;
    report.releaseWasNew = true;
    std::error_code ec;
    if (fs::equivalent(paths.programDir, paths.dataDir, ec)) {
        // Portable mode: the shipped files are already where they are read.
        for (auto name : kRefreshedFiles)
            if (!fileExists(paths.programDir / name)) report.missingInProgram.emplace_back(name);
        return report;
    }
    for (auto name : kRefreshedFiles) {
        if (name == kStampFile) continue;  // written last, below
        const auto bytes = readFileBytes(paths.programDir / name);
        if (!bytes) {
            report.missingInProgram.emplace_back(name);
            continue;
        }
        try {
            if (name == kRateTableFile)
                refreshRateTable(paths, *bytes, report);
            else
                writeFileAtomic(paths.dataDir / name, *bytes);
            report.copied.emplace_back(name);
        } catch (const IoError& e) {
            report.failed.emplace_back(e.what());
        }
    }
    // Without every file in place the stamp stays old, so the next start
    // tries again instead of leaving the failed files old for good.
    if (report.failed.empty()) {
        const auto stamp = readFileBytes(paths.programDir / kStampFile);
        if (!stamp) {
            report.missingInProgram.emplace_back(kStampFile);
        } else {
            try {
                writeFileAtomic(paths.dataDir / kStampFile, *stamp);
                report.copied.emplace_back(kStampFile);
                report.stampWritten = true;
            } catch (const IoError& e) {
                report.failed.emplace_back(e.what());
            }
        }
    }
    return report;
}

}  // namespace verdika
