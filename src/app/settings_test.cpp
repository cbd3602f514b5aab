#include "app/settings.h"

#include <gtest/gtest.h>

#include "common/errors.h"
#include "test_support.h"

namespace verdika {
namespace {

TEST(Settings, MissingOrGarbledFileGivesTheDefaults) {
    test::TempDir dir;
    Settings missing(dir / "nastaveni.ini");
    EXPECT_EQ(missing.daysAhead(), 3);
    EXPECT_TRUE(missing.getBool(setting::DeadlineWarning, true));
    EXPECT_FALSE(missing.getBool(setting::VatPayer, false));
    EXPECT_EQ(missing.serviceHost(), kDefaultServiceHost);

    test::writeBytes(dir / "garbled.ini", std::string("\x00\xFF[[[=\n\x01\x02garbage\n[Lhuty\n", 24));
    Settings garbled(dir / "garbled.ini");
    EXPECT_EQ(garbled.daysAhead(), 3);
    EXPECT_TRUE(garbled.getBool(setting::CheckAfterStart, true));
}

TEST(Settings, EachKeyReadsAsItsDeclaredDefaultUntilWritten) {
    test::TempDir dir;
    Settings s(dir / "nastaveni.ini");
    EXPECT_FALSE(s.get(setting::VatPayer));
    EXPECT_TRUE(s.get(setting::DeadlineWarning));
    EXPECT_TRUE(s.get(setting::CheckAfterStart));
    EXPECT_EQ(s.get(setting::DaysAhead), "3");
    EXPECT_EQ(s.get(setting::CourtPrintFormat), 0);
    EXPECT_EQ(s.get(setting::UserAccount), "");
    EXPECT_EQ(s.get(setting::ServiceHost), kDefaultServiceHost);

    s.setBool(setting::DeadlineWarning, false);
    s.setInt(setting::CourtPrintFormat, 2);
    EXPECT_FALSE(s.get(setting::DeadlineWarning));
    EXPECT_EQ(s.get(setting::CourtPrintFormat), 2);
    EXPECT_TRUE(s.get(setting::CheckAfterStart));  // other keys keep their defaults
}

TEST(Settings, DaysAheadIsANumberOrTheDefault) {
    struct Case {
        const char* text;
        int days;
    } cases[] = {{"10", 10}, {" 7 ", 7}, {"0", 0}, {"3); DROP TABLE lhuty; --", 3}, {"", 3}, {"2,5", 3}};
    for (const auto& c : cases) EXPECT_EQ(daysAheadFromText(c.text), c.days) << c.text;

    test::TempDir dir;
    Settings s(dir / "nastaveni.ini");
    s.setString(setting::DaysAhead, "14");
    EXPECT_EQ(s.daysAhead(), 14);
}

TEST(Settings, WritesKeepOtherKeysAndHostsDropTrailingSlash) {
    test::TempDir dir;
    test::writeCp1250(dir / "nastaveni.ini", "[uzivatel]\njmeno=Mgr. Dvořák\n[sluzby]\nverdika=http://127.0.0.1:8080/\n");
    Settings s(dir / "nastaveni.ini");
    s.setBool(setting::VatPayer, true);
    EXPECT_EQ(s.getString(setting::UserName), "Mgr. Dvořák");
    EXPECT_TRUE(s.getBool(setting::VatPayer, false));
    EXPECT_EQ(s.serviceHost(), "http://127.0.0.1:8080");
}

}  // namespace
}  // namespace verdika
