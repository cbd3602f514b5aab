#pragma once
// The office-export layer: a worksheet built in memory the way the exports
// describe it to a spreadsheet program (cell values, formulas, formats on
// ranges, row heights, column widths), then saved as a real .xlsx file.
#include <cstdint>
#include <deque>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace verdika::xlsx {

enum class HAlign { General, Left, Center, Right };
enum class VAlign { Bottom, Center, Top };
enum class Line { None, Thin, Medium, Double };

// Excel's theme colour 5 (accent 1) as RGB, for borders that name it.
inline constexpr std::uint32_t kThemeAccent1 = 0x4472C4;

struct Format {
    bool bold = false;
    bool italic = false;
    bool wrap = false;
    HAlign hAlign = HAlign::General;
    VAlign vAlign = VAlign::Bottom;
    Line top = Line::None, bottom = Line::None, left = Line::None, right = Line::None;
    std::uint32_t borderColor = 0;   // RGB; 0 = automatic
    std::string numberFormat;        // empty = General
    double fontSize = 0;             // 0 = default
    std::uint32_t fill = 0;          // background RGB; 0 = none
    std::uint32_t fontColor = 0;     // RGB; 0 = automatic
    bool locked = true;              // matters once the sheet is protected
    friend bool operator==(const Format&, const Format&) = default;
};

// The "Currency" cell style with Czech crowns.
inline constexpr const char* kCurrencyFormat = "#,##0.00\\ \"Kč\"";

// A cell range in A1 notation: "B3", "A1:I1", "A:I" (whole columns); 0-based inclusive.
struct Range {
    int firstRow = 0, firstCol = 0, lastRow = 0, lastCol = 0;
    static Range parse(std::string_view a1);  // throws DataError on a malformed reference
};
std::string columnName(int col);  // 0 -> "A", 26 -> "AA"

class Sheet {
public:
    explicit Sheet(std::string name = "List1") : name_(std::move(name)) {}
    const std::string& name() const { return name_; }
    void setName(std::string name) { name_ = std::move(name); }

    void setText(int row, int col, std::string text);
    void setNumber(int row, int col, double value);
    void setFormula(int row, int col, std::string formula);  // "=SUM(B2:B5)"
    // A formula with the value it has on the sheet as written, so a program
    // that does not recalculate on opening still shows it.
    void setFormula(int row, int col, std::string formula, double value);
    void setTextFormula(int row, int col, std::string formula, std::string value);
    // As a value handed to a spreadsheet cell: "=…" is a formula, a number
    // written with a decimal point is a number, anything else text.
    void setValue(int row, int col, std::string_view value);

    // Changes the format of every cell of the range (cells need not hold values).
    template <typename Change>
    void format(const Range& r, Change change) {
        for (int row = r.firstRow; row <= r.lastRow; ++row)
            for (int col = r.firstCol; col <= r.lastCol; ++col) change(cell(row, col).format);
    }
    template <typename Change>
    void format(std::string_view a1, Change change) {
        Range r = Range::parse(a1);
        if (r.lastRow == kAllRows) r.lastRow = std::max(0, lastRow());
        format(r, change);
    }

    void setRowHeight(int row, double points);
    void setColumnWidth(int firstCol, int lastCol, double width);
    // Widths from the longest text of each column (what AutoFit would give).
    void autoFitColumns(int firstCol, int lastCol);
    void setPrintArea(std::string_view a1) { printArea_ = std::string(a1); }
    void setFitToPagesWide(int pages) { fitWide_ = pages; }
    void setZoom(int percent) { zoom_ = percent; }
    // One cell over the range; its value and format are those of the first cell.
    void merge(std::string_view a1) { merges_.push_back(Range::parse(a1)); }
    // Rows above `row` and columns left of `col` stay in view when scrolling.
    void freezePanes(int row, int col) { freeze_ = {row, col}; }
    // Locks the cells whose format is locked; without a password, so the
    // user can lift it in the spreadsheet program.
    void protect() { protected_ = true; }
    void setLandscape() { landscape_ = true; }

    // Input rules of a range, checked by the spreadsheet program on entry.
    struct Validation {
        enum class Kind { List, Decimal } kind = Kind::List;
        std::vector<std::string> items;  // List
        double minimum = 0;              // Decimal
        std::optional<double> maximum;   // Decimal; none = no upper limit
        std::string errorTitle, errorMessage;
    };
    void validate(std::string_view a1, Validation v) { validations_.emplace_back(Range::parse(a1), std::move(v)); }

    struct Cell {
        enum class Kind { Empty, Text, Number, Formula } kind = Kind::Empty;
        std::string text;  // text or formula
        double number = 0;  // a number, or a formula's value when hasValue
        std::optional<std::string> textValue;  // a text formula's value
        bool hasValue = false;
        Format format;
    };
    const Cell* find(int row, int col) const;
    int lastRow() const;
    static constexpr int kAllRows = 1048575;

private:
    friend class Workbook;
    Cell& cell(int row, int col) { return cells_[{row, col}]; }
    std::string name_;
    std::map<std::pair<int, int>, Cell> cells_;
    std::map<int, double> rowHeights_;
    std::map<int, double> columnWidths_;
    std::string printArea_;
    int fitWide_ = 0;
    int zoom_ = 0;
    std::vector<Range> merges_;
    std::optional<std::pair<int, int>> freeze_;
    bool protected_ = false;
    bool landscape_ = false;
    std::vector<std::pair<Range, Validation>> validations_;
};

// Document properties; a fixed creation time makes a rebuilt file identical.
struct Properties {
    std::string title, subject, author, company, comments;
    std::optional<std::int64_t> created;  // seconds since 1970 (UTC)
};

class Workbook {
public:
    // The sheet stays where it is when more are added, so the reference does too.
    Sheet& addSheet(std::string name);
    std::deque<Sheet>& sheets() { return sheets_; }
    void setProperties(Properties p) { properties_ = std::move(p); }
    // Writes the workbook through a temporary file; throws IoError naming the file.
    void save(const std::filesystem::path& path) const;

private:
    std::deque<Sheet> sheets_;
    Properties properties_;
};

}  // namespace verdika::xlsx
