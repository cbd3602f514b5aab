#include "app/startup.h"

#include <gtest/gtest.h>

#include "app/data_module.h"
#include "common/errors.h"
#include "test_support.h"

namespace verdika {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::TempDir;
using test::writeBytes;

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
