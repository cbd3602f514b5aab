#include "companion/docx.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <functional>
#include <utility>

#include "common/errors.h"
#include "test_support.h"

namespace verdika::docx {
namespace {

using Parts = std::vector<std::pair<std::string, std::string>>;

// A package as a word processor might have written it, from hand-made parts.
void writeZip(const fs::path& file, const Parts& parts) {
    int err = 0;
    zip_t* z = zip_open(file.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &err);
    ASSERT_NE(z, nullptr);
    for (const auto& [name, data] : parts) {
        zip_source_t* s = zip_source_buffer(z, data.data(), data.size(), 0);
        ASSERT_GE(zip_file_add(z, name.c_str(), s, 0), 0) << name;
    }
    ASSERT_EQ(zip_close(z), 0);
}

std::string wordPart(const std::string& root, const std::string& body, const std::string& ns = "xmlns:w") {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<" + root + " " + ns +
           "=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">" + body + "</" + root + ">";
}

bool contains(const std::string& hay, const std::string& needle) { return hay.find(needle) != std::string::npos; }

size_t filesIn(const fs::path& dir) {
    return static_cast<size_t>(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}

TEST(Docx, WrittenDocumentHoldsTextFormattingAndSection) {
    test::TempDir dir;
    Document d;
    d.font = "Garamond";
    d.fallbackFont = "EB Garamond";
    d.fontSizePt = 11;
    d.title = "Zákon č. 99/1963 Sb. & novely";
    d.author = "JUDr. Novák";
    d.section.marginTopPt = d.section.marginBottomPt = d.section.marginLeftPt = d.section.marginRightPt = 36;
    d.section.columns = 2;
    d.section.columnSpacingPt = 13.3;
    ParagraphFormat para;
    para.align = Align::Justified;
    para.spaceBeforePt = 18;
    para.spaceAfterPt = 6;
    para.keepWithNext = true;
    para.firstLineIndentPt = 12;
    d.addParagraph("§ 1", para, {.bold = true});
    d.addParagraph({.align = Align::Center})
        .add("Příliš žluťoučký ", {.italic = true, .underline = true, .font = "Arial", .sizePt = 14})
        .add("kůň\núpěl\tódy");
    d.addParagraph("Nová strana", {.align = Align::Right, .pageBreakBefore = true});
    d.addParagraph({.firstLineIndentPt = -10}).add("před\fpo");
    const auto file = dir / "zakon.docx";
    d.save(file);

    for (const char* part : {"[Content_Types].xml", "_rels/.rels", "word/_rels/document.xml.rels", "word/styles.xml",
                             "word/settings.xml", "word/fontTable.xml", "docProps/core.xml", "docProps/app.xml"})
        EXPECT_FALSE(test::zipMember(file, part).empty()) << part;

    const std::string xml = partXml(file);
    for (const char* want :
         {"<w:pPr><w:keepNext/><w:spacing w:before=\"360\" w:after=\"120\"/><w:ind w:firstLine=\"240\"/>"
          "<w:jc w:val=\"both\"/></w:pPr><w:r><w:rPr><w:b/><w:bCs/></w:rPr><w:t>§ 1</w:t>",
          "<w:rFonts w:ascii=\"Arial\" w:hAnsi=\"Arial\" w:eastAsia=\"Arial\" w:cs=\"Arial\"/><w:i/><w:iCs/>"
          "<w:sz w:val=\"28\"/><w:szCs w:val=\"28\"/><w:u w:val=\"single\"/>",
          "<w:t xml:space=\"preserve\">Příliš žluťoučký </w:t>",
          "<w:t>kůň</w:t><w:br/><w:t>úpěl</w:t><w:tab/><w:t>ódy</w:t>",
          "<w:pageBreakBefore/>", "<w:jc w:val=\"right\"/>", "<w:ind w:left=\"200\" w:hanging=\"200\"/>",
          "<w:t>před</w:t><w:br w:type=\"page\"/><w:t>po</w:t>",
          "<w:pgSz w:w=\"11906\" w:h=\"16838\"/>",
          "<w:pgMar w:top=\"720\" w:right=\"720\" w:bottom=\"720\" w:left=\"720\"",
          "<w:cols w:num=\"2\" w:space=\"266\" w:equalWidth=\"1\"/>"})
        EXPECT_TRUE(contains(xml, want)) << want << "\n" << xml;

    EXPECT_TRUE(contains(partXml(file, "word/fontTable.xml"),
                         "<w:font w:name=\"Garamond\"><w:altName w:val=\"EB Garamond\"/>"));
    const std::string styles = partXml(file, "word/styles.xml");
    EXPECT_TRUE(contains(styles, "w:ascii=\"Garamond\"") && contains(styles, "<w:sz w:val=\"22\"/>")) << styles;
    const std::string core = partXml(file, "docProps/core.xml");
    EXPECT_TRUE(contains(core, "<dc:title>Zákon č. 99/1963 Sb. &amp; novely</dc:title>")) << core;
    EXPECT_TRUE(contains(core, "<dc:creator>JUDr. Novák</dc:creator>")) << core;

    EXPECT_EQ(paragraphTexts(file),
              (std::vector<std::string>{"§ 1", "Příliš žluťoučký kůň\núpěl\tódy", "Nová strana", "před\npo"}));
}

TEST(Docx, TextThatXmlCannotHoldDoesNotBreakTheFile) {
    test::TempDir dir;
    Document d;
    d.addParagraph(" a < b & \"c\" > d\x01\x0B\r\nkonec  \xC3");
    const auto file = dir / "zvlastni.docx";
    d.save(file);
    const std::string xml = partXml(file);
    EXPECT_TRUE(contains(xml, "<w:t xml:space=\"preserve\"> a &lt; b &amp; \"c\" &gt; d</w:t><w:br/>")) << xml;
    EXPECT_FALSE(contains(xml, "\x01"));
    // Read back through our own parser: the part is well-formed.
    EXPECT_EQ(paragraphTexts(file), std::vector<std::string>{" a < b & \"c\" > d\nkonec  \xEF\xBF\xBD"});
}

// The writer puts each run into a run of its own, so a placeholder spread over
// several runs is what a word processor leaves after editing.
TEST(Docx, FillReplacesPlaceholdersInsideAndAcrossRuns) {
    struct Case {
        const char* name;
        std::vector<std::string> runs;
        std::vector<Replacement> reps;
        std::string expected;
        size_t count;
    };
    const std::vector<Case> cases = {
        {"split over three runs", {"Částka: ca", "st", "ka Kč."}, {{"castka", "1.234,00"}}, "Částka: 1.234,00 Kč.", 1},
        {"several and repeated",
         {"castka + naklady_rizeni = castka", "castka"},
         {{"castka", "100"}, {"naklady_rizeni", "20"}},
         "100 + 20 = 100100",
         4},
        {"longest placeholder wins", {"_odmena_RP / _odmena"}, {{"_odmena", "A"}, {"_odmena_RP", "B"}}, "B / A", 2},
        {"values are not searched again", {"_a _b"}, {{"_a", "_b"}, {"_b", "X"}}, "_b X", 2},
        {"XML characters in values", {"Žalobce: _zalobce"}, {{"_zalobce", "Novák & syn <s.r.o.> \"A\""}},
         "Žalobce: Novák & syn <s.r.o.> \"A\"", 1},
        {"line breaks in values", {"Petit: _petit."}, {{"_petit", "řádek 1\r\nřádek 2\nřádek 3"}},
         "Petit: řádek 1\nřádek 2\nřádek 3.", 1},
        {"empty placeholder and value", {"ab_x"}, {{"", "nic"}, {"_x", ""}}, "ab", 1},
        {"no placeholder found", {"bez proměnných"}, {{"castka", "1"}}, "bez proměnných", 0},
    };
    test::TempDir dir;
    for (const Case& c : cases) {
        Document d;
        Paragraph& p = d.addParagraph();
        for (size_t i = 0; i < c.runs.size(); ++i) p.add(c.runs[i], {.bold = i == 1});
        const auto templ = dir / "vzor.docx", out = dir / "vyplneno.docx";
        d.save(templ);
        const std::string before = test::readBytes(templ);
        EXPECT_EQ(fillTemplate(templ, out, c.reps), c.count) << c.name;
        EXPECT_EQ(paragraphTexts(out), std::vector<std::string>{c.expected}) << c.name;
        EXPECT_EQ(test::readBytes(templ), before) << c.name;
    }
}

TEST(Docx, FilledValueKeepsTheFormattingWhereTheMatchStarts) {
    test::TempDir dir;
    Document d;
    d.addParagraph().add("Celkem ca", {.italic = true}).add("stk", {.bold = true}).add("a.");
    const auto templ = dir / "vzor.docx", out = dir / "pr.docx";
    d.save(templ);
    Word_Replace_NewDOC(templ, out, {"castka"}, {"5 000 Kč\nsplatné"});
    const std::string xml = partXml(out);
    EXPECT_TRUE(contains(xml, "<w:rPr><w:i/><w:iCs/></w:rPr><w:t>Celkem 5 000 Kč</w:t>"
                              "<w:br/><w:t>splatné</w:t></w:r>"))
        << xml;
    EXPECT_TRUE(contains(xml, "<w:rPr><w:b/><w:bCs/></w:rPr><w:t/></w:r><w:r><w:t>.</w:t>")) << xml;
}

TEST(Docx, FillReachesHeadersFootersAndNotesAndCopiesTheRest) {
    test::TempDir dir;
    const std::string image("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16);
    const std::string styles = wordPart("w:styles", "<w:style w:styleId=\"castka\"/>");
    // Split the way a word processor splits: proofing marks between runs, a tab
    // stop in the paragraph properties, the main namespace under other prefixes.
    const Parts parts = {
        {"[Content_Types].xml", "<Types/>"},
        {"word/document.xml",
         wordPart("w:document",
                  "<w:body><w:p><w:pPr><w:tabs><w:tab w:val=\"left\" w:pos=\"720\"/></w:tabs></w:pPr>"
                  "<w:r><w:t>Dlužník zaplatí ca</w:t></w:r><w:proofErr w:type=\"spellStart\"/>"
                  "<w:r><w:rPr><w:b/></w:rPr><w:t>st</w:t></w:r><w:proofErr w:type=\"spellEnd\"/>"
                  "<w:r><w:t xml:space=\"preserve\">ka </w:t></w:r><w:r><w:tab/><w:t>a naklady_rizeni</w:t></w:r>"
                  "</w:p><w:sectPr/></w:body>")},
        {"word/header1.xml", wordPart("ns0:hdr", "<ns0:p><ns0:r><ns0:t>Věc: castka</ns0:t></ns0:r></ns0:p>", "xmlns:ns0")},
        {"word/footer2.xml", wordPart("w:ftr", "<w:p><w:r><w:t><![CDATA[cas]]>tka</w:t></w:r></w:p>")},
        {"word/footnotes.xml", wordPart("footnotes", "<footnote><p><r><t>Pozn. castka</t></r></p></footnote>", "xmlns")},
        {"word/styles.xml", styles},
        {"word/media/image1.png", image},
    };
    const auto templ = dir / "vzor.docx", out = dir / "novy_pr.docx";
    writeZip(templ, parts);
    const std::string before = test::readBytes(templ);

    EXPECT_EQ(Word_Replace_NewDOC(templ, out, {"castka", "naklady_rizeni"}, {"10 Kč", "Petit"}), 5u);
    EXPECT_EQ(paragraphTexts(out), std::vector<std::string>{"Dlužník zaplatí 10 Kč \ta Petit"});
    EXPECT_TRUE(contains(partXml(out, "word/header1.xml"), "<ns0:t>Věc: 10 Kč</ns0:t>"));
    EXPECT_TRUE(contains(partXml(out, "word/footer2.xml"), "<w:t>10 Kč</w:t>"));
    EXPECT_TRUE(contains(partXml(out, "word/footnotes.xml"), "<t>Pozn. 10 Kč</t>"));
    EXPECT_EQ(partXml(out, "word/styles.xml"), styles);
    EXPECT_EQ(test::zipMember(out, "word/media/image1.png"), image);
    EXPECT_EQ(test::readBytes(templ), before);
}

// libzip 1.7 freed the read template twice when it rewrote a package whose
// last entry alone changed (found by fuzzing): the body is last here.
TEST(Docx, FillOfAPackageWhoseBodyIsTheLastEntry) {
    test::TempDir dir;
    const auto templ = dir / "vzor.docx", out = dir / "vyplneny.docx";
    writeZip(templ, {{"[Content_Types].xml", "<Types/>"},
                     {"_rels/.rels", "<Relationships/>"},
                     {"word/document.xml",
                      wordPart("w:document", "<w:body><w:p><w:r><w:t>Odměna _od</w:t></w:r><w:r><w:t>mena a "
                                             "_jmeno</w:t></w:r></w:p><w:sectPr/></w:body>")}});
    const std::string before = test::readBytes(templ);
    EXPECT_EQ(fillTemplate(templ, out, {{"_odmena", "1 234,50 Kč"}, {"_jmeno", "JUDr. Nováková"}}), 2u);
    EXPECT_EQ(paragraphTexts(out), std::vector<std::string>{"Odměna 1 234,50 Kč a JUDr. Nováková"});
    EXPECT_EQ(test::zipMember(out, "_rels/.rels"), "<Relationships/>");
    EXPECT_EQ(test::readBytes(templ), before);
}

TEST(Docx, UnreadableTemplatesAreRefusedAndNothingIsWritten) {
    test::TempDir dir;
    const std::string body = "<w:body><w:p><w:r><w:t>castka</w:t></w:r></w:p></w:body>";
    struct Case {
        const char* name;
        std::function<void(const fs::path&)> make;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"not a zip", [](const fs::path& f) { test::writeBytes(f, "{\\rtf1 castka}"); }, "není dokument Wordu"},
        {"empty file", [](const fs::path& f) { test::writeBytes(f, ""); }, "není dokument Wordu"},
        {"no document part", [](const fs::path& f) { writeZip(f, {{"content.xml", "<a/>"}}); }, "chybí v něm text"},
        {"unclosed element",
         [&](const fs::path& f) { writeZip(f, {{"word/document.xml", wordPart("w:document", "<w:body><w:p>")}}); },
         "není platné XML"},
        {"mismatched end tag",
         [&](const fs::path& f) {
             writeZip(f, {{"word/document.xml", wordPart("w:document", "<w:body></w:p></w:body>")}});
         },
         "není platné XML"},
        {"bad entity",
         [&](const fs::path& f) {
             writeZip(f, {{"word/document.xml", wordPart("w:document", "<w:body><w:t>a &nbsp; b</w:t></w:body>")}});
         },
         "není platné XML"},
        // XML cannot hold a control character; dropping it on the way out would join
        // "_o" and "dmena" into a placeholder left unfilled.
        {"control character in the text",
         [&](const fs::path& f) {
             writeZip(f, {{"word/document.xml", wordPart("w:document", "<w:body><w:t>cas\x14tka</w:t></w:body>")}});
         },
         "není platné XML"},
        {"U+FFFF in the text",
         [&](const fs::path& f) {
             writeZip(f, {{"word/document.xml", wordPart("w:document", "<w:body><w:t>cas\xEF\xBF\xBFtka</w:t></w:body>")}});
         },
         "není platné XML"},
        {"document type with entities",
         [&](const fs::path& f) {
             writeZip(f, {{"word/document.xml", "<!DOCTYPE d [<!ENTITY a \"aaaa\">]>" + wordPart("w:document", body)}});
         },
         "není platné XML"},
        {"broken header",
         [&](const fs::path& f) {
             writeZip(f, {{"word/document.xml", wordPart("w:document", body)}, {"word/header1.xml", "<w:hdr"}});
         },
         "header1.xml není platné XML"},
        {"document part of 40 MB",
         [&](const fs::path& f) {
             writeZip(f, {{"word/document.xml", wordPart("w:document", std::string(40u << 20, ' '))}});
         },
         "příliš velký"},
    };
    for (const Case& c : cases) {
        const auto templ = dir / "vzor.docx", out = dir / "out.docx";
        c.make(templ);
        try {
            fillTemplate(templ, out, {{"castka", "1"}});
            ADD_FAILURE() << c.name << ": accepted";
        } catch (const DataError& e) {
            EXPECT_TRUE(contains(e.what(), c.message)) << c.name << ": " << e.what();
        }
        EXPECT_FALSE(fs::exists(out)) << c.name;
        EXPECT_EQ(filesIn(dir.path()), 1u) << c.name;
        fs::remove(templ);
    }
}

TEST(Docx, TemplateIsNeverItsOwnOutput) {
    test::TempDir dir;
    Document d;
    d.addParagraph("castka");
    const auto templ = dir / "vzor.docx";
    d.save(templ);
    const std::string before = test::readBytes(templ);
    for (const fs::path& out : {templ, dir.path() / "." / "vzor.docx"})
        EXPECT_THROW(fillTemplate(templ, out, {{"castka", "1"}}), DataError) << out;
    EXPECT_EQ(test::readBytes(templ), before);
    EXPECT_THROW(fillTemplate(dir / "chybi.docx", dir / "out.docx", {}), IoError);
    EXPECT_FALSE(fs::exists(dir / "out.docx"));
}

}  // namespace
}  // namespace verdika::docx
