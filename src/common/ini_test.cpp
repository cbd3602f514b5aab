#include "common/ini.h"

#include <gtest/gtest.h>

#include "common/errors.h"
#include "test_support.h"

namespace verdika {
namespace {

using test::TempDir;

TEST(IniFile, KeepsFileOrderAndLooksUpCaseInsensitively) {
    auto ini = IniFile::parse("[novelizace]\n3=1.1.2013\n1=1.7.1996\n2=1.9.2006\n[Uzivatel]\nJmeno = JUDr. Novák \n");
    auto values = ini.sectionValues("NOVELIZACE");
    ASSERT_EQ(values.size(), 3u);
    EXPECT_EQ(values[0].second, "1.1.2013");
    EXPECT_EQ(values[2].second, "1.9.2006");
    EXPECT_EQ(ini.readString("uzivatel", "jmeno"), "JUDr. Novák");
    EXPECT_EQ(ini.readString("uzivatel", "ulice", "default"), "default");
    EXPECT_EQ(ini.sectionKeys("novelizace"), (std::vector<std::string>{"3", "1", "2"}));
}

TEST(IniFile, TypedReadsFallBackToTheDefault) {
    auto ini = IniFile::parse("[s]\nn=12\nbad=12x\nt=1\nf=0\nword=ano\nd=0,2\np=0.25\nempty=\n");
    EXPECT_EQ(ini.readInteger("s", "n", 0), 12);
    EXPECT_EQ(ini.readInteger("s", "bad", 7), 7);
    EXPECT_EQ(ini.readInteger("s", "missing", 3), 3);
    EXPECT_TRUE(ini.readBool("s", "t", false));
    EXPECT_FALSE(ini.readBool("s", "f", true));
    EXPECT_TRUE(ini.readBool("s", "word", true));
    EXPECT_DOUBLE_EQ(ini.readDecimal("s", "d", 0), 0.2);
    EXPECT_DOUBLE_EQ(ini.readDecimal("s", "p", 0), 0.25);
    EXPECT_DOUBLE_EQ(ini.readDecimal("s", "empty", 9), 9);
    try {
        ini.readDecimal("s", "bad", 0);
        FAIL();
    } catch (const DataError& e) {
        EXPECT_NE(std::string(e.what()).find("„bad“"), std::string::npos);
        EXPECT_NE(std::string(e.what()).find("[s]"), std::string::npos);
    }
}

TEST(IniFile, Windows1250OnDiskRoundTrip) {
    TempDir dir;
    const auto file = dir / "nastaveni.ini";
    IniFile ini = IniFile::load(file);
    EXPECT_FALSE(ini.exists());
    ini.writeString("vzor", "petit", "Příliš žluťoučký kůň");
    ini.save();
    const std::string bytes = test::readBytes(file);
    EXPECT_NE(bytes.find("P\xF8\xED" "li\x9A \x9Elu\x9Dou\xE8" "k\xFD k\xF9\xF2"), std::string::npos);
    EXPECT_EQ(IniFile::load(file).readString("VZOR", "Petit"), "Příliš žluťoučký kůň");
}

TEST(IniFile, UpdateInPlaceKeepsEverythingElse) {
    TempDir dir;
    const auto file = dir / "t.ini";
    test::writeCp1250(file, "; poznámka\n[a]\nx=1\n; uvnitř\ny=2\n\n[b]\nz=3\n");
    IniFile::update(file, [](IniFile& ini) {
        ini.writeString("A", "Y", "20");
        ini.writeString("a", "new", "n");
        ini.writeString("c", "k", "víc\nřádků");
    });
    auto text = IniFile::load(file).toText();
    EXPECT_EQ(text,
              "; poznámka\r\n[a]\r\nx=1\r\n; uvnitř\r\ny=20\r\nnew=n\r\n\r\n[b]\r\nz=3\r\n[c]\r\nk=víc řádků\r\n");
    IniFile::update(file, [](IniFile& ini) {
        ini.deleteKey("a", "x");
        ini.eraseSection("B");
    });
    auto after = IniFile::load(file);
    EXPECT_FALSE(after.hasKey("a", "x"));
    EXPECT_FALSE(after.hasSection("b"));
    EXPECT_EQ(after.readString("c", "k"), "víc řádků");
}

TEST(IniFile, FailedWriteLeavesTheOldFile) {
    TempDir dir;
    // A name so long that no temporary name beside it is possible: the write
    // fails before anything is renamed, whatever rights the test runs with.
    const auto file = dir / (std::string(250, 'n') + ".ini");
    test::writeCp1250(file, "[odmena]\ndph=1\n");
    EXPECT_THROW(IniFile::update(file, [](IniFile& ini) { ini.writeBool("odmena", "dph", false); }), IoError);
    EXPECT_EQ(test::readBytes(file), "[odmena]\ndph=1\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);  // no temporary left behind
}

}  // namespace
}  // namespace verdika
