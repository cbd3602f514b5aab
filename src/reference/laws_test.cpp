#include "reference/laws.h"

#include <gtest/gtest.h>

#include "common/errors.h"
#include "test_support.h"

using namespace verdika;
using namespace verdika::laws;
using namespace verdika::test;

TEST(LawId, NumberBeforeTheSlashYearTheFourCharactersAfterIt) {
    struct Case {
        const char* entered;
        const char* url;
    } cases[] = {
        {"89/2012", "http://h/zakon-txt.php?law=89/2012"},
        {" 262/2006 ", "http://h/zakon-txt.php?law=262/2006"},
        {"89/2012 Sb.", "http://h/zakon-txt.php?law=89/2012"},
        {"6/20021", "http://h/zakon-txt.php?law=6/2002"},
    };
    for (const auto& c : cases) EXPECT_EQ(lawTextUrl("http://h", parseLawId(c.entered)), c.url) << c.entered;
}

TEST(LawId, TextThatNamesNoLawIsRefused) {
    for (const char* bad : {"", "2012", "/2012", "89/", "89/12", "a9/2012", "89/20x2", "89&x=1/2012"})
        EXPECT_THROW(parseLawId(bad), ConversionError) << bad;
}

TEST(LawHistory, NewestFirstDuplicatesKeptOldestDropsAtTheLimit) {
    std::vector<std::string> h;
    h = withLookup(h, "89/2012");
    h = withLookup(h, " 89/2012");
    EXPECT_EQ(h, (std::vector<std::string>{"89/2012", "89/2012"}));
    for (int i = 0; i < 49; ++i) h = withLookup(h, std::to_string(i) + "/2000");
    ASSERT_EQ(h.size(), kHistoryLimit);
    EXPECT_EQ(h.front(), "48/2000");
    EXPECT_EQ(h.back(), "89/2012");  // the 51st look-up pushed the oldest out
}

TEST(LawHistory, SavedAndLoadedInTheCodePageCappedAtTheLimit) {
    TempDir dir;
    saveHistory(dir / "h.vrd", {"99/1963", "Zákoník", "89/2012"});
    EXPECT_EQ(readBytes(dir / "h.vrd"), "99/1963\r\nZ\xe1kon\xedk\r\n89/2012\r\n");
    EXPECT_EQ(loadHistory(dir / "h.vrd"), (std::vector<std::string>{"99/1963", "Zákoník", "89/2012"}));

    std::string many = "\n\n";
    for (int i = 0; i < 80; ++i) many += std::to_string(i) + "/2000\n";
    writeBytes(dir / "many.vrd", many);
    auto loaded = loadHistory(dir / "many.vrd");
    ASSERT_EQ(loaded.size(), kHistoryLimit);
    EXPECT_EQ(loaded.front(), "0/2000");
    EXPECT_TRUE(loadHistory(dir / "missing.vrd").empty());
}

TEST(LawExport, BlanksCollapsedBrokenLinesJoinedBlankLinesEndParagraphs) {
    const std::string text =
        "  ZÁKON   ze dne 3. února 2012\r\n"
        "\r\n"
        "§ 1\r\n"
        "\r\n\r\n"
        "(1) Ustanovení právního řádu upravující\r\n"
        "   vzájemná práva a povinnosti osob  \r\n"
        "vytvářejí ve svém souhrnu soukromé právo.\r\n"
        "   \r\n"
        "\tKonec";
    const std::vector<std::string> expected = {
        "ZÁKON ze dne 3. února 2012",
        "§ 1",
        "(1) Ustanovení právního řádu upravující vzájemná práva a povinnosti osob vytvářejí ve svém souhrnu "
        "soukromé právo.",
        "Konec",
    };
    EXPECT_EQ(exportParagraphs(text), expected);
    EXPECT_TRUE(isSectionHeading(expected[1]));
    EXPECT_FALSE(isSectionHeading(expected[0]));
    EXPECT_TRUE(exportParagraphs("\n \n").empty());
}
