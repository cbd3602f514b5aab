#include "calculators/settlement_workbook.h"

#include <gtest/gtest.h>

#include <regex>

#include "test_support.h"

namespace verdika {
namespace {

namespace fs = std::filesystem;

// The XML of one cell (<c r="B26" …>…</c>), empty when the sheet has none.
std::string cellXml(const std::string& sheet, const std::string& ref) {
    const auto start = sheet.find("<c r=\"" + ref + "\"");
    if (start == std::string::npos) return {};
    const auto selfClosed = sheet.find("/>", start), open = sheet.find('>', start);
    if (selfClosed != std::string::npos && selfClosed < open) return sheet.substr(start, selfClosed + 2 - start);
    return sheet.substr(start, sheet.find("</c>", start) + 4 - start);
}

std::string formulaOf(const std::string& sheet, const std::string& ref) {
    const std::string c = cellXml(sheet, ref);
    const auto b = c.find("<f>"), e = c.find("</f>");
    return b == std::string::npos ? std::string() : c.substr(b + 3, e - b - 3);
}

// Whether the cell's style leaves it open on a protected sheet.
bool unlocked(const std::string& styles, const std::string& cell) {
    std::smatch m;
    int index = 0;
    if (std::regex_search(cell, m, std::regex(" s=\"([0-9]+)\""))) index = std::stoi(m[1]);
    const std::string xfs = styles.substr(styles.find("<cellXfs"));
    size_t pos = 0;
    for (int i = 0; i <= index; ++i) pos = xfs.find("<xf ", pos + 1);
    const std::string xf = xfs.substr(pos, std::min(xfs.find("<xf ", pos + 1), xfs.find("</cellXfs>")) - pos);
    return xf.find("<protection locked=\"0\"/>") != std::string::npos;
}

struct Written {
    test::TempDir dir;
    fs::path file = dir / "sjm_vypocet.xlsx";
    Written() { writeSettlementWorkbook(file); }
    std::string sheet(int n) const { return test::zipMember(file, ("xl/worksheets/sheet" + std::to_string(n) + ".xml").c_str()); }
};

TEST(SettlementWorkbook, SheetsInTheirOrderAllProtectedWithoutPassword) {
    Written w;
    const std::string book = test::zipMember(w.file, "xl/workbook.xml");
    size_t at = 0;
    for (const char* name : {"Návod", "Majetek", "Dluhy", "Vnosy", "Výsledek"}) {
        const auto found = book.find("name=\"" + std::string(name) + "\"", at);
        ASSERT_NE(found, std::string::npos) << name << "\n" << book;
        at = found;
    }
    for (int n = 1; n <= 5; ++n) {
        const std::string sheet = w.sheet(n);
        const auto p = sheet.find("<sheetProtection");
        ASSERT_NE(p, std::string::npos) << n;
        EXPECT_EQ(sheet.substr(p, sheet.find("/>", p) - p).find("password"), std::string::npos) << n;
    }
    EXPECT_NE(test::zipMember(w.file, "docProps/core.xml").find("Vypořádání společného jmění manželů"),
              std::string::npos);
}

TEST(SettlementWorkbook, PaymentFollowsFromTheAssetsEnteredThroughOneFormulaChain) {
    Written w;
    const std::string assets = w.sheet(2), payments = w.sheet(4), result = w.sheet(5);
    const std::string styles = test::zipMember(w.file, "xl/styles.xml");
    // The amount paid, from the settlement share of spouse 1 …
    EXPECT_EQ(formulaOf(result, "B31"), "IF(OR(ROUND('Majetek'!C59,2)&lt;&gt;0,ROUND('Dluhy'!C59,2)&lt;&gt;0),0,ABS(ROUND(B26,2)))");
    EXPECT_EQ(formulaOf(result, "B26"), "B19-B24");
    // … their claim less what they take over …
    EXPECT_EQ(formulaOf(result, "B19"), "SUM(B16:B18)");
    EXPECT_EQ(formulaOf(result, "B16"), "$B$13*B5");
    EXPECT_EQ(formulaOf(result, "B13"), "B10-B11+B12");
    EXPECT_EQ(formulaOf(result, "B10"), "B8-B9");
    EXPECT_EQ(formulaOf(result, "B8"), "'Majetek'!C56");
    EXPECT_EQ(formulaOf(result, "B17"), "'Vnosy'!C26");
    EXPECT_EQ(formulaOf(payments, "C26"), "SUM(C6:C25)");
    EXPECT_EQ(formulaOf(result, "B24"), "B22+B23");
    EXPECT_EQ(formulaOf(result, "B22"), "'Majetek'!C57");
    // … down to the rows the user fills in, which stay open while the totals are locked.
    EXPECT_EQ(formulaOf(assets, "C56"), "SUM(C5:C54)");
    EXPECT_EQ(formulaOf(assets, "C57"), "SUMIF(D5:D54,1,C5:C54)");
    for (const char* input : {"B5", "C5", "D5", "C54", "D54"}) EXPECT_TRUE(unlocked(styles, cellXml(assets, input))) << input;
    for (const char* input : {"B4", "B5"}) EXPECT_TRUE(unlocked(styles, cellXml(result, input))) << input;
    for (const char* locked : {"C56", "C57", "A5"}) EXPECT_FALSE(unlocked(styles, cellXml(assets, locked))) << locked;
    EXPECT_FALSE(unlocked(styles, cellXml(result, "C5")));
    // A program that does not recalculate on opening shows the empty case right.
    EXPECT_NE(cellXml(result, "C5").find("<v>0.5</v>"), std::string::npos) << cellXml(result, "C5");
    EXPECT_NE(cellXml(result, "B15").find("Manžel 1"), std::string::npos) << cellXml(result, "B15");
    // The spouse column takes 1 or 2 only.
    EXPECT_NE(assets.find("<dataValidation type=\"list\""), std::string::npos);
    EXPECT_NE(assets.find("sqref=\"D5:D54\""), std::string::npos);
}

TEST(SettlementWorkbook, DataDirectoryCopyIsProvidedOnceAndNeverReplaced) {
    test::TempDir dir;
    const fs::path program = dir / "program", data = dir / "data";
    fs::create_directories(program);
    fs::create_directories(data);
    test::writeBytes(program / "sjm_vypocet.xlsx", "shipped");

    const fs::path copy = provideSettlementWorkbook(program, data);
    EXPECT_EQ(copy, data / "sjm_vypocet.xlsx");
    EXPECT_EQ(test::readBytes(copy), "shipped");
    EXPECT_EQ(fs::status(copy).permissions() & fs::perms::owner_write, fs::perms::none);  // opened as a template

    fs::permissions(copy, fs::perms::owner_write, fs::perm_options::add);
    test::writeBytes(copy, "the user's own");
    test::writeBytes(program / "sjm_vypocet.xlsx", "a new release");
    provideSettlementWorkbook(program, data);
    EXPECT_EQ(test::readBytes(copy), "the user's own");

    // An installation without the workbook: it is written from the code.
    fs::remove(copy);
    fs::remove(program / "sjm_vypocet.xlsx");
    provideSettlementWorkbook(program, data);
    EXPECT_NE(test::zipMember(copy, "xl/workbook.xml").find("Výsledek"), std::string::npos);
}

TEST(SettlementWorkbook, BuildShipsTheWorkbookAndItsPicture) {
    for (auto name : {kSettlementWorkbook, kSettlementPicture})
        EXPECT_TRUE(fs::exists(test::shippedDir() / name)) << name;
    EXPECT_NE(test::zipMember(test::shippedDir() / kSettlementWorkbook, "xl/workbook.xml").find("Vnosy"),
              std::string::npos);
}

}  // namespace
}  // namespace verdika
