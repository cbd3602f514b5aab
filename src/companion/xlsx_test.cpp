#include "companion/xlsx.h"

#include <gtest/gtest.h>

#include "common/errors.h"
#include "test_support.h"

namespace verdika::xlsx {
namespace {


TEST(Xlsx, RangesInA1Notation) {
    Range r = Range::parse("E5:I9");
    EXPECT_EQ(std::tie(r.firstRow, r.firstCol, r.lastRow, r.lastCol), std::make_tuple(4, 4, 8, 8));
    Range cols = Range::parse("A:I");
    EXPECT_EQ(cols.lastCol, 8);
    EXPECT_EQ(cols.lastRow, Sheet::kAllRows);
    EXPECT_EQ(columnName(0), "A");
    EXPECT_EQ(columnName(26), "AA");
    // "stSplll" overflowed the column number before it was checked.
    for (const char* bad : {"", "1A", "A0", "A1:B", ":", "stSplll", "XFE1", "A1048577", "A1:B2:C3", "A-1", " A1"})
        EXPECT_THROW(Range::parse(bad), DataError) << bad;
    Range last = Range::parse("XFD1048576");
    EXPECT_EQ(std::tie(last.lastRow, last.lastCol), std::make_tuple(Sheet::kAllRows, 16383));
}

TEST(Xlsx, ValuesAsASpreadsheetTakesThem) {
    Sheet s;
    s.setValue(0, 0, "=SUM(B1:B3)");
    s.setValue(0, 1, "1234.5");
    s.setValue(0, 2, "1234,5");  // a decimal comma stays text, as the exports expect
    s.setValue(0, 3, "Jistina 1");
    EXPECT_EQ(s.find(0, 0)->kind, Sheet::Cell::Kind::Formula);
    EXPECT_EQ(s.find(0, 1)->kind, Sheet::Cell::Kind::Number);
    EXPECT_DOUBLE_EQ(s.find(0, 1)->number, 1234.5);
    EXPECT_EQ(s.find(0, 2)->kind, Sheet::Cell::Kind::Text);
    EXPECT_EQ(s.find(0, 3)->kind, Sheet::Cell::Kind::Text);
}

TEST(Xlsx, SavesARealWorkbookWithFormatsAndFormulas) {
    test::TempDir dir;
    Workbook wb;
    Sheet& s = wb.addSheet("Úroky");
    s.setText(0, 0, "Označení jistiny");
    s.setText(0, 1, "Prodlení od");
    s.format("A1:B1", [](Format& f) {
        f.bold = true;
        f.wrap = true;
        f.hAlign = HAlign::Center;
        f.vAlign = VAlign::Center;
        f.bottom = Line::Double;
        f.borderColor = kThemeAccent1;
    });
    s.setRowHeight(0, 50);
    s.setColumnWidth(0, 8, 16);
    s.setNumber(1, 1, 1000);
    s.setNumber(2, 1, 234.5);
    s.setFormula(3, 1, "=SUM(B2:B3)");
    s.format("B2:B4", [](Format& f) { f.numberFormat = kCurrencyFormat; });
    const auto file = dir / "export.xlsx";
    wb.save(file);

    const std::string sheet = test::zipMember(file, "xl/worksheets/sheet1.xml");
    EXPECT_NE(sheet.find("<f>SUM(B2:B3)</f>"), std::string::npos) << sheet;
    EXPECT_NE(sheet.find("ht=\"50\""), std::string::npos);
    EXPECT_NE(sheet.find("width=\"16.7"), std::string::npos);  // 16 characters plus the padding Excel stores
    EXPECT_NE(test::zipMember(file, "xl/sharedStrings.xml").find("Označení jistiny"), std::string::npos);
    const std::string styles = test::zipMember(file, "xl/styles.xml");
    EXPECT_NE(styles.find("<bottom style=\"double\">"), std::string::npos) << styles;
    EXPECT_NE(styles.find("Kč"), std::string::npos);
    EXPECT_NE(test::zipMember(file, "xl/workbook.xml").find("name=\"Úroky\""), std::string::npos);
    // Only the finished file is left, no temporary beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(Xlsx, SheetLayoutAndInputRules) {
    test::TempDir dir;
    Workbook wb;
    Sheet& first = wb.addSheet("Návod");
    Sheet& second = wb.addSheet("Výsledek");  // the first reference stays valid
    first.setText(0, 0, "Nadpis");
    first.merge("A1:C1");
    second.setNumber(0, 1, 0.5);
    second.validate("B1", {Sheet::Validation::Kind::Decimal, {}, 0, 1, "Podíl", "Zapište podíl."});
    second.freezePanes(1, 0);
    second.setTextFormula(1, 0, "=IF(B1>0,\"ano\",\"ne\")", "ano");
    const auto file = dir / "layout.xlsx";
    wb.save(file);

    EXPECT_NE(test::zipMember(file, "xl/worksheets/sheet1.xml").find("<mergeCell ref=\"A1:C1\"/>"), std::string::npos);
    const std::string sheet = test::zipMember(file, "xl/worksheets/sheet2.xml");
    EXPECT_NE(sheet.find("<dataValidation type=\"decimal\""), std::string::npos) << sheet;
    EXPECT_NE(sheet.find("<formula1>0</formula1><formula2>1</formula2>"), std::string::npos) << sheet;
    EXPECT_NE(sheet.find("errorTitle=\"Podíl\""), std::string::npos);
    EXPECT_NE(sheet.find("<pane ySplit=\"1\""), std::string::npos);
    EXPECT_NE(sheet.find("t=\"str\"><f>IF(B1&gt;0,\"ano\",\"ne\")</f><v>ano</v>"), std::string::npos) << sheet;
}

TEST(Xlsx, UnwritableTargetIsAnIoError) {
    test::TempDir dir;
    Workbook wb;
    wb.addSheet("List1").setText(0, 0, "x");
    EXPECT_THROW(wb.save(dir / "missing-folder" / "x.xlsx"), IoError);
}

}  // namespace
}  // namespace verdika::xlsx
