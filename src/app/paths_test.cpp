#include "app/paths.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace verdika
