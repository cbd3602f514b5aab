#include "app/paths.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace verdika {
namespace {

TEST(DataDirectory, WindowsDerivationFromTheRoamingFolder) {
    struct Case {
        const char* roaming;
        const char* dataDir;
    } cases[] = {
        {"C:\\Users\\Novak\\AppData\\Roaming", "C:\\Users\\Novak\\AppData\\Local\\Verdika\\"},
        {"D:\\Profiles\\Roaming\\x\\Roaming", "D:\\Profiles\\Local\\Verdika\\"},  // the first "Roaming" counts
        {"C:\\Users\\Novak\\AppData", "C:\\Program Files\\Verdika\\"},           // no "Roaming": program directory
        {"", "C:\\Program Files\\Verdika\\"},
        {"Roaming", "C:\\Program Files\\Verdika\\"},  // nothing kept before it
        {"C:\\Users\\Novak\\AppData\\roaming", "C:\\Program Files\\Verdika\\"},  // case-sensitive
    };
    for (const auto& c : cases)
        EXPECT_EQ(deriveWindowsDataDir(c.roaming, "C:\\Program Files\\Verdika\\").dataDir, c.dataDir) << c.roaming;

    auto w = deriveWindowsDataDir("C:\\Users\\N\\AppData\\Roaming", "C:\\P\\");
    ASSERT_EQ(w.legacyFolders.size(), 2u);
    EXPECT_EQ(w.legacyFolders[0], "C:\\Users\\N\\AppData\\Local\\VirtualStore\\Program Files (x86)\\Verdika");
    EXPECT_EQ(w.legacyFolders[1], "C:\\Users\\N\\AppData\\Local\\VirtualStore\\Program Files\\Verdika");
}

TEST(DataDirectory, PortableOnlyAsTheExactFirstArgument) {
    EXPECT_TRUE(isPortableArgument({"portable"}));
    EXPECT_TRUE(isPortableArgument({"portable", "x"}));
    EXPECT_FALSE(isPortableArgument({"Portable"}));
    EXPECT_FALSE(isPortableArgument({"x", "portable"}));
    EXPECT_FALSE(isPortableArgument({}));
}

// The three places a program can run from: its build tree or a portable copy
// (stamp beside the executable), an installed tree (bin/ and share/verdika/),
// and a bare executable with neither.
TEST(ProgramDirectory, FollowsTheStampOrTheInstalledLayout) {
    test::TempDir root;
    const auto portable = root / "kopie";
    const auto prefix = root / "usr";
    const auto bare = root / "jen-program";
    for (const auto& dir : {portable, prefix / "bin", prefix / "share" / "verdika", bare})
        std::filesystem::create_directories(dir);
    test::writeBytes(portable / "verdika.txt", "0.1.0\n");
    test::writeBytes(prefix / "share" / "verdika" / "verdika.txt", "0.1.0\n");

    auto p = locateProgramDir(portable);
    EXPECT_EQ(p.dir, portable);
    EXPECT_FALSE(p.installed);

    p = locateProgramDir(prefix / "bin");
    EXPECT_EQ(p.dir, prefix / "share" / "verdika");
    EXPECT_TRUE(p.installed);

    // A stamp beside the executable wins over an installed tree next to it.
    test::writeBytes(prefix / "bin" / "verdika.txt", "0.1.0\n");
    EXPECT_EQ(locateProgramDir(prefix / "bin").dir, prefix / "bin");

    p = locateProgramDir(bare);
    EXPECT_EQ(p.dir, bare);
    EXPECT_FALSE(p.installed);
}

TEST(ProgramDirectory, PortableNeedsAWritableCopy) {
    test::TempDir root;
    std::filesystem::create_directories(root / "usr" / "bin");
    std::filesystem::create_directories(root / "usr" / "share" / "verdika");
    std::filesystem::create_directories(root / "kopie");
    test::writeBytes(root / "kopie" / "verdika.txt", "0.1.0\n");

    auto installed = resolvePaths({"portable"}, root / "usr" / "bin" / "verdika");
    EXPECT_EQ(installed.programDir, root / "usr" / "share" / "verdika");
    EXPECT_NE(installed.dataDir, installed.programDir);
    EXPECT_EQ(installed.notice, kPortableNeedsCopy);
    EXPECT_TRUE(resolvePaths({}, root / "usr" / "bin" / "verdika").notice.empty());

    auto copy = resolvePaths({"portable"}, root / "kopie" / "verdika");
    EXPECT_EQ(copy.dataDir, root / "kopie");
    EXPECT_TRUE(copy.notice.empty());
}

}  // namespace
}  // namespace verdika
