#include "app/startup.h"

#include <gtest/gtest.h>

#include "app/data_module.h"
#include "common/errors.h"
#include "common/files.h"
#include "test_support.h"

namespace verdika {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::TempDir;
using test::writeBytes;
using test::writeCp1250;

// A small program directory: the stamp, two of the refreshed files and both seeds.
struct Install {
    TempDir dir;
    AppPaths paths{dir / "program", dir / "data"};
    Install() {
        writeBytes(paths.programDir / "verdika.txt", "1.0.0\nVerdika 1.0.0\n");
        writeBytes(paths.programDir / "uroky.vrd", "shipped rates");
        writeBytes(paths.programDir / "notar.vrd", "shipped notary text");
        writeBytes(paths.programDir / "lhuty.sql", "CREATE TABLE lhuty (ID INTEGER PRIMARY KEY, Datum TEXT, Nazev TEXT,"
                                                   " Poznamka TEXT, Splneno INTEGER NOT NULL DEFAULT 0);");
        writeBytes(paths.programDir / "databaze.sql", "CREATE TABLE soudy (id INTEGER PRIMARY KEY, nazev TEXT);"
                                                      "INSERT INTO soudy VALUES (1, 'Ústavní soud');");
    }
    fs::path data(std::string_view n) const { return paths.dataDir / n; }
};

TEST(Startup, FirstStartCreatesTheTreeAndProvisionsOnce) {
    Install in;
    auto first = prepareDataDirectory(in.paths);
    for (auto sub : kDataSubfolders) EXPECT_TRUE(fs::is_directory(in.data(sub))) << sub;
    EXPECT_TRUE(first.releaseWasNew);
    EXPECT_EQ(readBytes(in.data("uroky.vrd")), "shipped rates");
    EXPECT_EQ(readBytes(in.data("verdika.txt")), "1.0.0\nVerdika 1.0.0\n");
    EXPECT_TRUE(fs::exists(in.data("lhuty.db")));
    EXPECT_TRUE(fs::exists(in.data("databaze.db")));
    EXPECT_FALSE(fs::exists(in.data("nastaveni.ini")));  // missing in both places: nothing to copy

    auto second = prepareDataDirectory(in.paths);
    EXPECT_FALSE(second.releaseWasNew);
    EXPECT_TRUE(second.copied.empty());
    EXPECT_TRUE(second.databasesCreated.empty());
}

TEST(Startup, NewReleaseRefreshesListedFilesOnly) {
    Install in;
    prepareDataDirectory(in.paths);
    {
        DataModule dm(in.paths);
        dm.tasks().insert(Task{0, DateTime{parseDate("1.1.2027"), 0}, "úkol", "", false, 0});
        dm.settings().setString(setting::UserName, "JUDr. Nováková");
    }
    writeBytes(in.data("uroky.vrd"), "edited by the user");
    writeBytes(in.data("Uroky-sestavy/moje.urk"), "user report");
    writeBytes(in.paths.programDir / "verdika.txt", "1.1.0\nVerdika 1.1.0\n");
    writeBytes(in.paths.programDir / "uroky.vrd", "new shipped rates");
    writeBytes(in.paths.programDir / "nastaveni.ini", "[uzivatel]\njmeno=shipped\n");

    auto r = prepareDataDirectory(in.paths);
    EXPECT_TRUE(r.releaseWasNew);
    EXPECT_EQ(readBytes(in.data("uroky.vrd")), "new shipped rates");
    EXPECT_EQ(readBytes(in.data("verdika.txt")), "1.1.0\nVerdika 1.1.0\n");
    EXPECT_EQ(readBytes(in.data("Uroky-sestavy/moje.urk")), "user report");
    DataModule dm(in.paths);
    EXPECT_EQ(dm.settings().getString(setting::UserName), "JUDr. Nováková");
    EXPECT_EQ(dm.tasks().all().size(), 1u);
    // Files the program directory lacks are reported, not invented.
    EXPECT_NE(std::find(r.missingInProgram.begin(), r.missingInProgram.end(), "o_soudech.vrd"),
              r.missingInProgram.end());
}

TEST(Startup, UnreadableOrDifferentStampsCountAsANewRelease) {
    Install in;
    prepareDataDirectory(in.paths);
    writeBytes(in.data("verdika.txt"), "");  // empty: the first lines differ
    writeBytes(in.data("uroky.vrd"), "old");
    EXPECT_TRUE(prepareDataDirectory(in.paths).releaseWasNew);
    EXPECT_EQ(readBytes(in.data("uroky.vrd")), "shipped rates");

    fs::remove(in.paths.programDir / "verdika.txt");  // no program stamp: a refresh at every start
    EXPECT_TRUE(prepareDataDirectory(in.paths).releaseWasNew);
    EXPECT_TRUE(prepareDataDirectory(in.paths).releaseWasNew);
}

TEST(Startup, SettingsFileIsCopiedOnlyWhenMissing) {
    Install in;
    writeBytes(in.paths.programDir / "nastaveni.ini", "[Lhuty]\nDni_predem=5\n");
    prepareDataDirectory(in.paths);
    EXPECT_EQ(readBytes(in.data("nastaveni.ini")), "[Lhuty]\nDni_predem=5\n");
    writeBytes(in.data("nastaveni.ini"), "[Lhuty]\nDni_predem=9\n");
    writeBytes(in.paths.programDir / "verdika.txt", "2.0.0\n");
    prepareDataDirectory(in.paths);
    EXPECT_EQ(readBytes(in.data("nastaveni.ini")), "[Lhuty]\nDni_predem=9\n");
}

TEST(Startup, DataDirectoryThatCannotBeCreatedNamesTheFolder) {
    Install in;
    writeBytes(in.dir / "blocker", "a file where a folder should be");
    AppPaths p{in.paths.programDir, in.dir / "blocker" / "Verdika"};
    try {
        prepareDataDirectory(p);
        FAIL();
    } catch (const IoError& e) {
        EXPECT_NE(std::string(e.what()).find("blocker"), std::string::npos) << e.what();
    }
}

TEST(Startup, PortableModeUsesTheProgramDirectoryInPlace) {
    Install in;
    AppPaths p{in.paths.programDir, in.paths.programDir};
    auto r = prepareDataDirectory(p);
    EXPECT_TRUE(r.copied.empty());
    EXPECT_TRUE(fs::is_directory(in.paths.programDir / "PDF"));
    EXPECT_TRUE(fs::exists(in.paths.programDir / "lhuty.db"));
    EXPECT_EQ(readBytes(in.paths.programDir / "uroky.vrd"), "shipped rates");
}

// A refresh cut short (here a folder in the way of one file, as a full disk
// would stop it) leaves the stamp old, so the next start tries again, and
// names the file that failed.
TEST(Startup, StampIsWrittenOnlyAfterEveryFileWasCopied) {
    Install in;
    prepareDataDirectory(in.paths);
    writeBytes(in.paths.programDir / "verdika.txt", "1.1.0\nVerdika 1.1.0\n");
    writeBytes(in.paths.programDir / "notar.vrd", "new notary text");
    fs::remove(in.data("notar.vrd"));
    fs::create_directories(in.data("notar.vrd") / "blocker");

    auto r = prepareDataDirectory(in.paths);
    EXPECT_FALSE(r.stampWritten);
    EXPECT_EQ(readBytes(in.data("verdika.txt")), "1.0.0\nVerdika 1.0.0\n");
    ASSERT_EQ(r.failed.size(), 1u);
    EXPECT_NE(r.failed[0].find("notar.vrd"), std::string::npos) << r.failed[0];
    const auto messages = r.messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_NE(messages[1].find("zopakuje při příštím spuštění"), std::string::npos);

    fs::remove_all(in.data("notar.vrd"));
    r = prepareDataDirectory(in.paths);
    EXPECT_TRUE(r.releaseWasNew);
    EXPECT_TRUE(r.stampWritten);
    EXPECT_TRUE(r.messages().empty());
    EXPECT_EQ(readBytes(in.data("notar.vrd")), "new notary text");
    EXPECT_EQ(readBytes(in.data("verdika.txt")), "1.1.0\nVerdika 1.1.0\n");
}

TEST(Startup, RefreshKeepsTheUsersLaterRateBoundaries) {
    Install in;
    writeCp1250(in.paths.programDir / "uroky.vrd", "1.1.2024;6,75\r\n1.7.2024;4,75\r\n");
    prepareDataDirectory(in.paths);
    // The user added two boundaries in the editor, one the new release now ships too, and garbled one.
    const std::string users = "1.1.2024;6,75\r\n1.7.2024;4,75\r\n1.1.2025;4\r\n1.7.2025;3,5\r\n1.1.2026;x\r\n";
    writeCp1250(in.data("uroky.vrd"), users);
    writeBytes(in.paths.programDir / "verdika.txt", "1.1.0\n");
    writeCp1250(in.paths.programDir / "uroky.vrd", "1.1.2024;6,75\r\n1.7.2024;4,75\r\n1.1.2025;4,00\r\n");

    const auto r = prepareDataDirectory(in.paths);
    EXPECT_EQ(readBytes(in.data("uroky.vrd")), "1.1.2024;6,75\r\n1.7.2024;4,75\r\n1.1.2025;4,00\r\n1.7.2025;3,5\r\n");
    EXPECT_EQ(readBytes(in.data("uroky.vrd.bak")), users);
    EXPECT_EQ(r.keptRateLines, 1u);
    EXPECT_EQ(r.messages(), (std::vector<std::string>{
        "Tabulka úrokových sazeb byla nahrazena novou z této verze programu; vaše hranice pozdější než její poslední "
        "řádek v ní zůstaly (počet: 1). Původní tabulka je uložena jako uroky.vrd.bak."}));

    // A table the user never changed is replaced without a backup or a word.
    fs::remove(in.data("uroky.vrd.bak"));
    writeBytes(in.paths.programDir / "verdika.txt", "1.2.0\n");
    writeCp1250(in.data("uroky.vrd"), "1.1.2024;6,75\r\n1.7.2024;4,75\r\n1.1.2025;4,00\r\n");
    EXPECT_TRUE(prepareDataDirectory(in.paths).messages().empty());
    EXPECT_FALSE(fs::exists(in.data("uroky.vrd.bak")));
}

TEST(Startup, StaleTemporaryFilesOfOurOwnWritesAreRemoved) {
    Install in;
    prepareDataDirectory(in.paths);
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(2);
    for (const char* name : {"nastaveni.ini.tmp123456", "lhuty.db.tmp42", "lhuty.db.tmp42-journal", "PDF/x.pdf.tmp7"}) {
        writeBytes(in.data(name), "half-written");
        fs::last_write_time(in.data(name), old);
    }
    writeBytes(in.data("uroky.vrd.tmp999"), "a write going on right now");  // too young to be stale
    for (const char* name : {"moje.tmp", "zaloha.tmp1234567", "Uroky-sestavy/spor.tmpx"}) {
        writeBytes(in.data(name), "the user's own file");
        fs::last_write_time(in.data(name), old);
    }
    const auto r = prepareDataDirectory(in.paths);
    EXPECT_EQ(r.removedTemporary.size(), 4u);
    for (const char* gone : {"nastaveni.ini.tmp123456", "lhuty.db.tmp42", "lhuty.db.tmp42-journal", "PDF/x.pdf.tmp7"})
        EXPECT_FALSE(fs::exists(in.data(gone))) << gone;
    for (const char* kept : {"uroky.vrd.tmp999", "moje.tmp", "zaloha.tmp1234567", "Uroky-sestavy/spor.tmpx"})
        EXPECT_TRUE(fs::exists(in.data(kept))) << kept;
}

// Root may write into a folder whatever its mode says; the immutable flag
// stops root too. Without either the test cannot make a read-only folder.
bool makeReadOnly(const fs::path& folder) {
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    const auto writable = [&] {
        std::error_code ec;
        writeBytes(folder / "probe", "");
        const bool ok = fs::exists(folder / "probe");
        fs::remove(folder / "probe", ec);
        return ok;
    };
    if (!writable()) return true;
    test::runCommand("chattr +i '" + folder.string() + "' 2>/dev/null");
    return !writable();
}

void makeWritable(const fs::path& folder) {
    test::runCommand("chattr -i '" + folder.string() + "' 2>/dev/null");
    fs::permissions(folder, fs::perms::owner_all);
}

TEST(Startup, AWriteIntoAReadOnlyFolderFailsAndKeepsTheOldFile) {
    test::TempDir dir;
    const fs::path folder = dir / "data";
    fs::create_directories(folder);
    writeBytes(folder / "nastaveni.ini", "old");
    if (!makeReadOnly(folder)) {
        makeWritable(folder);
        GTEST_SKIP() << "no way to make a read-only folder here";
    }
    EXPECT_THROW(writeFileAtomic(folder / "nastaveni.ini", "new"), IoError);
    makeWritable(folder);
    EXPECT_EQ(readBytes(folder / "nastaveni.ini"), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST(Startup, ShippedNewsAreCopiedOnlyWhenTheUserHasNone) {
    Install in;
    writeBytes(in.paths.programDir / "verdika_novinky.txt", "shipped news");
    prepareDataDirectory(in.paths);
    EXPECT_EQ(readBytes(in.data("verdika_novinky.txt")), "shipped news");
    writeBytes(in.data("verdika_novinky.txt"), "downloaded news");
    writeBytes(in.paths.programDir / "verdika.txt", "2.0.0\n");
    prepareDataDirectory(in.paths);
    EXPECT_EQ(readBytes(in.data("verdika_novinky.txt")), "downloaded news");
}

}  // namespace
}  // namespace verdika
