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

TEST(LawExport, TwoJustifiedGaramondColumnsSectionsKeptWithTheirText) {
    const docx::Document doc = exportDocument("ČÁST PRVNÍ\n\n§ 1\n\nText  prvního\nparagrafu.\n", "Předpis č. 89/2012 Sb.");
    ASSERT_EQ(doc.paragraphs.size(), 3u);
    const auto& section = doc.paragraphs[1].format;
    EXPECT_TRUE(section.keepWithNext);
    EXPECT_EQ(section.spaceBeforePt, 18);
    EXPECT_FALSE(doc.paragraphs[2].format.keepWithNext);
    EXPECT_EQ(doc.paragraphs[2].format.spaceBeforePt, 0);

    const std::string xml = doc.documentXml();
    EXPECT_NE(xml.find("<w:keepNext/><w:spacing w:before=\"360\" w:after=\"120\"/><w:jc w:val=\"both\"/>"),
              std::string::npos);
    EXPECT_NE(xml.find("<w:pgMar w:top=\"720\" w:right=\"720\" w:bottom=\"720\" w:left=\"720\""), std::string::npos);
    EXPECT_NE(xml.find("<w:cols w:num=\"2\""), std::string::npos);
    EXPECT_NE(xml.find("Text prvního paragrafu."), std::string::npos);
    // Two columns of 255 pt fill the text width of A4 between 36 pt margins.
    EXPECT_NEAR(doc.section.pageWidthPt - 72 - doc.section.columnSpacingPt, 510, 0.01);

    TempDir dir;
    doc.save(dir / "z.docx");
    const std::string fonts = zipMember(dir / "z.docx", "word/fontTable.xml");
    EXPECT_NE(fonts.find("<w:font w:name=\"Garamond\"><w:altName w:val=\"Times New Roman\"/>"), std::string::npos);
}

TEST(LawExport, AnEarlierExportIsNeverOverwritten) {
    TempDir dir;
    const LawId id = parseLawId("89/2012");
    EXPECT_EQ(exportPath(dir.path(), id), dir / "zakon_89_2012.docx");
    writeBytes(dir / "zakon_89_2012.docx", "open in Word");
    writeBytes(dir / "zakon_89_2012 (2).docx", "edited");
    EXPECT_EQ(exportPath(dir.path(), id), dir / "zakon_89_2012 (3).docx");
}
