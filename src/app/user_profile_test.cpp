#include "app/user_profile.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace verdika {
namespace {

TEST(UserProfile, OfficeAddressAndProfileShareTheKeys) {
    test::TempDir dir;
    test::writeCp1250(dir / "nastaveni.ini", "[uzivatel]\njmeno=JUDr. Jana Nováková\nucet=123/0100\n[soud]\nformat=2\n");
    Settings settings(dir / "nastaveni.ini");
    writeOfficeAddress(settings, "Husova 11", "Praha 1");
    UserProfile p = readUserProfile(settings);
    EXPECT_EQ(p.jmeno, "JUDr. Jana Nováková");
    EXPECT_EQ(p.ucet, "123/0100");
    EXPECT_EQ(p.ulice, "Husova 11");
    EXPECT_EQ(p.mesto, "Praha 1");
    EXPECT_EQ(settings.getInt(setting::CourtPrintFormat, 0), 2);

    p.psc = "110 00";
    p.jmeno2 = "JUDr. Jany Novákové";
    writeUserProfile(settings, p);
    const UserProfile back = readUserProfile(settings);
    EXPECT_EQ(back.psc, "110 00");
    EXPECT_EQ(back.jmeno2, "JUDr. Jany Novákové");
    EXPECT_EQ(back.ulice, "Husova 11");
    EXPECT_EQ(readUserProfile(Settings(dir / "chybi.ini")).jmeno, "");
}

}  // namespace
}  // namespace verdika
