#include "interest/interest_export.h"

#include <algorithm>
#include <cstdio>

#include "common/errors.h"
#include "common/files.h"
#include "common/numbers.h"
#include "common/text.h"
#include "companion/xlsx.h"

namespace verdika::interest {

namespace fs = std::filesystem;

namespace {

std::string isoDay(Date d) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02u-%02u", yearOf(d), monthOf(d), dayOf(d));
    return buf;
}

constexpr std::string_view kClosing = "Úrok / poplatek z prodlení ke dni:";
constexpr std::string_view kSettled = "Uhrazeno ke dni";

// A heading row: double bottom border in the theme colour, bold, centred, wrapped.
void heading(xlsx::Sheet& sheet, const std::string& range, int row, double height) {
    sheet.format(range, [](xlsx::Format& f) {
        f.bottom = xlsx::Line::Double;
        f.borderColor = xlsx::kThemeAccent1;
        f.bold = true;
        f.hAlign = xlsx::HAlign::Center;
        f.vAlign = xlsx::VAlign::Center;
        f.wrap = true;
    });
    sheet.setRowHeight(row, height);
}

void currency(xlsx::Sheet& sheet, const std::string& range) {
    sheet.format(range, [](xlsx::Format& f) { f.numberFormat = xlsx::kCurrencyFormat; });
}

// A field as the spreadsheet reads a typed value on a Czech system: a date,
// a number with the decimal comma, or text.
void putField(xlsx::Sheet& sheet, int row, int col, const std::string& field) {
    if (field.empty()) return;
    if (auto d = tryParseDate(field); d && field.find('.') != std::string::npos) {
        sheet.setNumber(row, col, static_cast<double>((*d - makeDate(1899, 12, 30)).count()));
        sheet.format(xlsx::Range{row, col, row, col}, [](xlsx::Format& f) { f.numberFormat = "d.m.yyyy"; });
        return;
    }
    if (auto v = tryParseDecimal(field)) return sheet.setNumber(row, col, *v);
    sheet.setText(row, col, field);
}

std::string a1(int col, int row) { return xlsx::columnName(col) + std::to_string(row + 1); }

}  // namespace

fs::path ExportCounter::nextCsv(const fs::path& folder, Date today) {
    fs::path p;
    do {
        ++n_;
        p = folder / pathFromUtf8(isoDay(today) + "_export_" + std::to_string(n_) + ".csv");
    } while (fs::exists(p));
    return p;
}

fs::path writeExportCsv(const fs::path& folder, Date today, ExportCounter& counter,
                        const std::vector<std::string>& lines) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    const fs::path p = counter.nextCsv(folder, today);
    std::string text;
    for (const auto& l : lines) text += l + "\r\n";
    writeTextFileAtomic(p, text);
    return p;
}

std::vector<std::string> splitCsvLine(std::string_view line) {
    std::vector<std::string> out;
    std::string field;
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        const char ch = line[i];
        if (quoted) {
            if (ch == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (ch == '"') {
                quoted = false;
            } else {
                field += ch;
            }
        } else if (ch == '"') {
            quoted = true;
        } else if (ch == ';') {
            out.push_back(std::move(field));
            field.clear();
        } else {
            field += ch;
        }
    }
    out.push_back(std::move(field));
    return out;
}

fs::path workbookPathFor(const fs::path& csvFile) {
    fs::path p = csvFile;
    p.replace_extension(".xlsx");
    for (int i = 2; fs::exists(p); ++i) {
        p = csvFile;
        p.replace_filename(pathFromUtf8(pathText(csvFile.stem()) + "_" + std::to_string(i) + ".xlsx"));
    }
    return p;
}

xlsx::Workbook interestWorkbook(const std::vector<std::string>& lines, Mode mode) {
    const bool fee = mode == Mode::Fee;
    xlsx::Workbook book;
    xlsx::Sheet& sheet = book.addSheet("Úroky");
    const std::vector<std::string> header = {
        "Označení jistiny", "Prodlení od", "Prodlení do", fee ? "Poplatek p.d." : "Úrok p.a.",
        fee ? "Výše poplatku poslednímu dni období" : "Výše úroku k poslednímu dni období",
        fee ? "Celková výše poplatku" : "Celková výše úroku", "Výše jistiny v daném období", "Zaplaceno",
        fee ? "Jistina s poplatkem" : "Jistina s úroky"};
    for (int c = 0; c < 9; ++c) sheet.setText(0, c, header[static_cast<size_t>(c)]);
    heading(sheet, "A1:I1", 0, 50);
    sheet.setColumnWidth(0, 8, 16);

    // Line r of the file goes to sheet row r (line 1 is the header above).
    size_t r = 2;
    int groupStart = -1;
    for (; r < lines.size(); ++r) {
        const auto fields = splitCsvLine(lines[r]);
        if (fields[0].rfind("Skupina", 0) == 0) break;  // the summary
        if (std::all_of(fields.begin(), fields.end(), [](const std::string& f) { return f.empty(); })) continue;
        const int row = static_cast<int>(r) - 1;
        for (int c = 0; c < 9 && c < static_cast<int>(fields.size()); ++c)
            putField(sheet, row, c, fields[static_cast<size_t>(c)]);
        if (groupStart < 0) groupStart = row;
        if (fields[0] != kClosing && fields[0] != kSettled) continue;
        // A group's closing row: money in crowns, rates right-aligned, a line above the bold totals.
        currency(sheet, a1(4, groupStart) + ":" + a1(8, row));
        if (row > groupStart)
            sheet.format(a1(3, groupStart) + ":" + a1(3, row - 1), [](xlsx::Format& f) { f.hAlign = xlsx::HAlign::Right; });
        sheet.format(a1(0, row) + ":" + a1(8, row), [](xlsx::Format& f) {
            f.top = xlsx::Line::Thin;
            f.bottom = f.left = f.right = xlsx::Line::None;
            f.borderColor = 0;
            f.bold = true;
        });
        groupStart = -1;
    }

    if (r < lines.size()) {
        const int s = static_cast<int>(r) - 1;
        const char* const titles[] = {"Označení jistiny", "Dluh k zaplacení", "Úrok zbývá", "Celkem"};
        for (int c = 0; c < 4; ++c) sheet.setText(s, c, titles[c]);
        heading(sheet, a1(0, s) + ":" + a1(3, s), s, 30);
        int last = s;
        for (size_t k = r + 1; k < lines.size(); ++k) {
            const auto fields = splitCsvLine(lines[k]);
            last = static_cast<int>(k) - 1;
            for (int c = 0; c < 4 && c < static_cast<int>(fields.size()); ++c) {
                const std::string& f = fields[static_cast<size_t>(c)];
                if (c > 0 && Je_Cislo(f))
                    sheet.setNumber(last, c, parseDecimal(f));
                else if (!f.empty())
                    sheet.setText(last, c, f);
            }
            if (fields[0] == "Součet:") break;
        }
        currency(sheet, a1(1, s) + ":" + a1(3, last));
    }
    return book;
}

void writeInterestWorkbook(const fs::path& csvFile, Mode mode, const fs::path& xlsxFile) {
    auto text = readTextFile(csvFile);
    if (!text) throw IoError("Exportní soubor " + pathText(csvFile) + " nelze otevřít.");
    interestWorkbook(splitLines(*text), mode).save(xlsxFile);
}

}  // namespace verdika::interest
