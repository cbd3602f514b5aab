#include "interest/interest_export.h"

#include <gtest/gtest.h>

#include "common/files.h"
#include "interest/interest_report.h"
#include "interest/rate_table.h"
#include "test_support.h"

namespace verdika::interest {
namespace {

Date d(int day, unsigned month, int year) { return makeDate(year, month, static_cast<unsigned>(day)); }

TEST(InterestExport, CsvNamesCountWithinARunAndSkipExistingFiles) {
    test::TempDir dir;
    ExportCounter counter;
    const auto folder = dir / "Excel-export";
    const auto first = writeExportCsv(folder, d(5, 3, 2026), counter, {"", "a;b"});
    EXPECT_EQ(first.filename(), "2026-03-05_export_1.csv");
    EXPECT_EQ(test::readBytes(first), "\r\na;b\r\n");
    test::writeBytes(folder / "2026-03-05_export_2.csv", "older run");
    EXPECT_EQ(writeExportCsv(folder, d(5, 3, 2026), counter, {"x"}).filename(), "2026-03-05_export_3.csv");
    EXPECT_EQ(test::readBytes(folder / "2026-03-05_export_2.csv"), "older run");
    EXPECT_EQ(splitCsvLine("\"A; B\";\"1.3.2015\";;\"say \"\"hi\"\"\";7"),
              (std::vector<std::string>{"A; B", "1.3.2015", "", "say \"hi\"", "7"}));
    EXPECT_EQ(workbookPathFor(first).filename(), "2026-03-05_export_1.xlsx");
    test::writeBytes(folder / "2026-03-05_export_1.xlsx", "open in the spreadsheet");
    EXPECT_EQ(workbookPathFor(first).filename(), "2026-03-05_export_1_2.xlsx");
}

// The sheet laid out from an export table: a settled group, a group with two
// periods, the summary.
TEST(InterestExport, WorkbookCellsAndFormats) {
    Case c;
    c.debts = {{"31.12.2023", "31.3.2024", "1000", "A"}, {"31.1.2024", "31.3.2024", "2000", "B"}};
    c.payments = {{"15.1.2024", "1200", "A"}, {"1.3.2024", "500", "B"}};
    c.options.customRate = true;
    c.options.annualRate = "36,5";
    const std::vector<std::string> lines = exportTable(computeInterest(c, nullptr));
    xlsx::Workbook book = interestWorkbook(lines, Mode::Interest);
    ASSERT_EQ(book.sheets().size(), 1u);
    const xlsx::Sheet& s = book.sheets()[0];
    EXPECT_EQ(s.name(), "Úroky");
    auto text = [&](int row, int col) {
        const auto* cell = s.find(row, col);
        return cell ? cell->text : std::string("(none)");
    };
    auto number = [&](int row, int col) {
        const auto* cell = s.find(row, col);
        return cell && cell->kind == xlsx::Sheet::Cell::Kind::Number ? cell->number : -1.0;
    };
    EXPECT_EQ(text(0, 3), "Úrok p.a.");
    EXPECT_EQ(text(0, 8), "Jistina s úroky");
    const auto& head = s.find(0, 0)->format;
    EXPECT_TRUE(head.bold && head.wrap && head.bottom == xlsx::Line::Double);
    EXPECT_EQ(head.borderColor, xlsx::kThemeAccent1);
    EXPECT_EQ(head.hAlign, xlsx::HAlign::Center);
    // Row 2 (index 1): A's first period; dates are dates, rates numbers.
    EXPECT_EQ(text(1, 0), "A");
    EXPECT_DOUBLE_EQ(number(1, 1), 45292);  // 1.1.2024
    EXPECT_EQ(s.find(1, 1)->format.numberFormat, "d.m.yyyy");
    EXPECT_DOUBLE_EQ(number(1, 3), 36.5);
    EXPECT_EQ(s.find(1, 3)->format.hAlign, xlsx::HAlign::Right);
    EXPECT_EQ(s.find(1, 4)->format.numberFormat, xlsx::kCurrencyFormat);
    // Row 3: the settlement closes group A: bold, a line above it.
    EXPECT_EQ(text(2, 0), "Uhrazeno ke dni");
    EXPECT_TRUE(s.find(2, 0)->format.bold);
    EXPECT_EQ(s.find(2, 8)->format.top, xlsx::Line::Thin);
    // B starts after the separator line, its closing row is bold.
    EXPECT_EQ(text(4, 0), "B");
    EXPECT_EQ(text(6, 0), "Úrok / poplatek z prodlení ke dni:");
    EXPECT_TRUE(s.find(6, 5)->format.bold);
    EXPECT_EQ(s.find(5, 8)->format.numberFormat, xlsx::kCurrencyFormat);
    // The summary after the three separator lines.
    EXPECT_EQ(text(10, 1), "Dluh k zaplacení");
    EXPECT_EQ(s.find(10, 1)->format.bottom, xlsx::Line::Double);
    EXPECT_EQ(text(11, 0), "A");
    EXPECT_DOUBLE_EQ(number(11, 1), 0);
    EXPECT_EQ(text(13, 0), "Součet:");
    EXPECT_EQ(s.find(13, 3)->format.numberFormat, xlsx::kCurrencyFormat);
    EXPECT_EQ(s.lastRow(), 13);

    test::TempDir dir;
    writeTextFileAtomic(dir / "e.csv", [&] {
        std::string t;
        for (const auto& l : lines) t += l + "\r\n";
        return t;
    }());
    writeInterestWorkbook(dir / "e.csv", Mode::Fee, dir / "e.xlsx");
    EXPECT_EQ(test::readBytes(dir / "e.xlsx").substr(0, 2), "PK");
    EXPECT_THROW(writeInterestWorkbook(dir / "chybi.csv", Mode::Fee, dir / "f.xlsx"), IoError);
}

}  // namespace
}  // namespace verdika::interest
