#include "companion/xlsx.h"

#include "companion/xlsx_library.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <random>

#include "common/errors.h"
#include "common/files.h"

namespace verdika::xlsx {

std::string columnName(int col) {
    std::string s;
    for (int c = col + 1; c > 0; c = (c - 1) / 26) s.insert(s.begin(), static_cast<char>('A' + (c - 1) % 26));
    return s;
}

namespace {

constexpr int kColumns = 16384;  // A … XFD

// "B12" -> (row 11, col 1); "B" -> col only.
bool parseRef(std::string_view t, int& row, int& col, bool& hasRow) {
    size_t i = 0;
    col = 0;
    while (i < t.size() && ((t[i] >= 'A' && t[i] <= 'Z') || (t[i] >= 'a' && t[i] <= 'z'))) {
        col = col * 26 + (std::toupper(static_cast<unsigned char>(t[i])) - 'A' + 1);
        if (col > kColumns) return false;  // checked per letter: "stSplll" would overflow
        ++i;
    }
    if (i == 0) return false;
    --col;
    hasRow = i < t.size();
    if (!hasRow) return true;
    int r = 0;
    auto res = std::from_chars(t.data() + i, t.data() + t.size(), r);
    if (res.ec != std::errc() || res.ptr != t.data() + t.size() || r < 1 || r > Sheet::kAllRows + 1) return false;
    row = r - 1;
    return true;
}

}  // namespace

Range Range::parse(std::string_view a1) {
    auto colon = a1.find(':');
    std::string_view a = a1.substr(0, colon), b = colon == std::string_view::npos ? a : a1.substr(colon + 1);
    Range r;
    bool ra = false, rb = false;
    if (!parseRef(a, r.firstRow, r.firstCol, ra) || !parseRef(b, r.lastRow, r.lastCol, rb) || ra != rb)
        throw DataError("Neplatný odkaz na buňky tabulky: „" + std::string(a1) + "“.");
    if (!ra) {
        r.firstRow = 0;
        r.lastRow = Sheet::kAllRows;
    }
    if (r.firstRow > r.lastRow) std::swap(r.firstRow, r.lastRow);
    if (r.firstCol > r.lastCol) std::swap(r.firstCol, r.lastCol);
    return r;
}

void Sheet::setText(int row, int col, std::string text) {
    Cell& c = cell(row, col);
    c.kind = Cell::Kind::Text;
    c.text = std::move(text);
}

void Sheet::setNumber(int row, int col, double value) {
    Cell& c = cell(row, col);
    c.kind = Cell::Kind::Number;
    c.number = value;
    c.text.clear();
}

void Sheet::setFormula(int row, int col, std::string formula) {
    Cell& c = cell(row, col);
    c.kind = Cell::Kind::Formula;
    c.text = std::move(formula);
    c.hasValue = false;
    c.textValue.reset();
}

void Sheet::setFormula(int row, int col, std::string formula, double value) {
    setFormula(row, col, std::move(formula));
    Cell& c = cell(row, col);
    c.number = value;
    c.hasValue = true;
}

void Sheet::setTextFormula(int row, int col, std::string formula, std::string value) {
    setFormula(row, col, std::move(formula));
    cell(row, col).textValue = std::move(value);
}

void Sheet::setValue(int row, int col, std::string_view value) {
    if (!value.empty() && value.front() == '=') return setFormula(row, col, std::string(value));
    std::string_view t = value;
    while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
    while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
    double d = 0;
    if (!t.empty() && t.front() != '+') {
        auto res = std::from_chars(t.data(), t.data() + t.size(), d, std::chars_format::fixed);
        if (res.ec == std::errc() && res.ptr == t.data() + t.size()) return setNumber(row, col, d);
    }
    setText(row, col, std::string(value));
}

void Sheet::setRowHeight(int row, double points) { rowHeights_[row] = points; }

void Sheet::setColumnWidth(int firstCol, int lastCol, double width) {
    for (int c = firstCol; c <= lastCol; ++c) columnWidths_[c] = width;
}

void Sheet::autoFitColumns(int firstCol, int lastCol) {
    for (int c = firstCol; c <= lastCol; ++c) {
        size_t longest = 0;
        for (const auto& [key, cell] : cells_) {
            if (key.second != c || cell.kind == Cell::Kind::Empty) continue;
            // Characters, not bytes: count UTF-8 lead bytes.
            size_t n = cell.kind == Cell::Kind::Number ? 12 : 0;
            for (char ch : cell.text) n += (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
            longest = std::max(longest, n);
        }
        if (longest) columnWidths_[c] = std::min<double>(static_cast<double>(longest) + 2, 100);
    }
}

const Sheet::Cell* Sheet::find(int row, int col) const {
    auto it = cells_.find({row, col});
    return it == cells_.end() ? nullptr : &it->second;
}

int Sheet::lastRow() const {
    int last = -1;
    for (const auto& [key, cell] : cells_)
        if (cell.kind != Cell::Kind::Empty) last = std::max(last, key.first);
    return last;
}

Sheet& Workbook::addSheet(std::string name) {
    sheets_.emplace_back(std::move(name));
    return sheets_.back();
}

namespace {

uint8_t lineStyle(Line l) {
    switch (l) {
        case Line::None: return LXW_BORDER_NONE;
        case Line::Thin: return LXW_BORDER_THIN;
        case Line::Medium: return LXW_BORDER_MEDIUM;
        case Line::Double: return LXW_BORDER_DOUBLE;
    }
    return LXW_BORDER_NONE;
}

lxw_format* makeFormat(lxw_workbook* wb, const Format& f) {
    lxw_format* x = xlsxLib().workbook_add_format(wb);
    if (f.bold) xlsxLib().format_set_bold(x);
    if (f.italic) xlsxLib().format_set_italic(x);
    if (f.wrap) xlsxLib().format_set_text_wrap(x);
    if (f.fontSize > 0) xlsxLib().format_set_font_size(x, f.fontSize);
    switch (f.hAlign) {
        case HAlign::General: break;
        case HAlign::Left: xlsxLib().format_set_align(x, LXW_ALIGN_LEFT); break;
        case HAlign::Center: xlsxLib().format_set_align(x, LXW_ALIGN_CENTER); break;
        case HAlign::Right: xlsxLib().format_set_align(x, LXW_ALIGN_RIGHT); break;
    }
    if (f.vAlign == VAlign::Center) xlsxLib().format_set_align(x, LXW_ALIGN_VERTICAL_CENTER);
    if (f.vAlign == VAlign::Top) xlsxLib().format_set_align(x, LXW_ALIGN_VERTICAL_TOP);
    xlsxLib().format_set_top(x, lineStyle(f.top));
    xlsxLib().format_set_bottom(x, lineStyle(f.bottom));
    xlsxLib().format_set_left(x, lineStyle(f.left));
    xlsxLib().format_set_right(x, lineStyle(f.right));
    if (f.borderColor) {
        xlsxLib().format_set_top_color(x, f.borderColor);
        xlsxLib().format_set_bottom_color(x, f.borderColor);
        xlsxLib().format_set_left_color(x, f.borderColor);
        xlsxLib().format_set_right_color(x, f.borderColor);
    }
    if (!f.numberFormat.empty()) xlsxLib().format_set_num_format(x, f.numberFormat.c_str());
    if (f.fill) xlsxLib().format_set_bg_color(x, f.fill);
    if (f.fontColor) xlsxLib().format_set_font_color(x, f.fontColor);
    if (!f.locked) xlsxLib().format_set_unlocked(x);
    return x;
}

void writeCell(lxw_worksheet* ws, lxw_row_t row, lxw_col_t col, const Sheet::Cell& cell, lxw_format* f) {
    switch (cell.kind) {
        case Sheet::Cell::Kind::Empty: xlsxLib().worksheet_write_blank(ws, row, col, f); break;
        case Sheet::Cell::Kind::Text: xlsxLib().worksheet_write_string(ws, row, col, cell.text.c_str(), f); break;
        case Sheet::Cell::Kind::Number: xlsxLib().worksheet_write_number(ws, row, col, cell.number, f); break;
        case Sheet::Cell::Kind::Formula:
            if (cell.textValue)
                xlsxLib().worksheet_write_formula_str(ws, row, col, cell.text.c_str(), f, cell.textValue->c_str());
            else if (cell.hasValue)
                xlsxLib().worksheet_write_formula_num(ws, row, col, cell.text.c_str(), f, cell.number);
            else
                xlsxLib().worksheet_write_formula(ws, row, col, cell.text.c_str(), f);
            break;
    }
}

// libxlsxwriter copies the validation when it is added, so the texts need
// to live only for the call.
void addValidation(lxw_worksheet* ws, const Range& r, const Sheet::Validation& v) {
    lxw_data_validation dv{};
    std::vector<std::string> items = v.items;
    std::vector<char*> list;
    if (v.kind == Sheet::Validation::Kind::List) {
        dv.validate = LXW_VALIDATION_TYPE_LIST;
        for (auto& item : items) list.push_back(item.data());
        list.push_back(nullptr);
        dv.value_list = list.data();
    } else {
        dv.validate = LXW_VALIDATION_TYPE_DECIMAL;
        if (v.maximum) {
            dv.criteria = LXW_VALIDATION_CRITERIA_BETWEEN;
            dv.minimum_number = v.minimum;
            dv.maximum_number = *v.maximum;
        } else {
            dv.criteria = LXW_VALIDATION_CRITERIA_GREATER_THAN_OR_EQUAL_TO;
            dv.value_number = v.minimum;
        }
    }
    std::string title = v.errorTitle, message = v.errorMessage;
    if (!title.empty()) dv.error_title = title.data();
    if (!message.empty()) dv.error_message = message.data();
    xlsxLib().worksheet_data_validation_range(ws, static_cast<lxw_row_t>(r.firstRow),
                                              static_cast<lxw_col_t>(r.firstCol), static_cast<lxw_row_t>(r.lastRow),
                                              static_cast<lxw_col_t>(r.lastCol), &dv);
}

void writeProperties(lxw_workbook* wb, const Properties& p) {
    std::string title = p.title, subject = p.subject, author = p.author, company = p.company, comments = p.comments;
    lxw_doc_properties props{};
    auto text = [](std::string& s) { return s.empty() ? nullptr : s.data(); };
    props.title = text(title);
    props.subject = text(subject);
    props.author = text(author);
    props.company = text(company);
    props.comments = text(comments);
    if (p.created) props.created = static_cast<time_t>(*p.created);
    xlsxLib().workbook_set_properties(wb, &props);
}

}  // namespace

void Workbook::save(const std::filesystem::path& path) const {
    std::random_device rd;
    auto tmp = path;
    tmp += ".tmp" + std::to_string(rd() % 1000000);
    const std::string tmpName = pathText(tmp);
    lxw_workbook* wb = xlsxLib().workbook_new(tmpName.c_str());
    if (!wb) throw IoError("Sešit " + pathText(path) + " nelze vytvořit.");
    writeProperties(wb, properties_);
    std::vector<std::pair<Format, lxw_format*>> formats;
    auto formatFor = [&](const Format& f) -> lxw_format* {
        if (f == Format{}) return nullptr;
        for (auto& [k, v] : formats)
            if (k == f) return v;
        formats.emplace_back(f, makeFormat(wb, f));
        return formats.back().second;
    };
    for (const Sheet& s : sheets_) {
        lxw_worksheet* ws = xlsxLib().workbook_add_worksheet(wb, s.name().c_str());
        if (!ws) {
            xlsxLib().workbook_close(wb);
            std::filesystem::remove(tmp);
            throw IoError("List „" + s.name() + "“ sešitu nelze vytvořit.");
        }
        for (const auto& [c, width] : s.columnWidths_)
            xlsxLib().worksheet_set_column(ws, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c), width, nullptr);
        for (const auto& [r, height] : s.rowHeights_)
            xlsxLib().worksheet_set_row(ws, static_cast<lxw_row_t>(r), height, nullptr);
        // Merged ranges first: the first cell's value is written over the merge below.
        for (const Range& m : s.merges_) {
            const Sheet::Cell* first = s.find(m.firstRow, m.firstCol);
            xlsxLib().worksheet_merge_range(ws, static_cast<lxw_row_t>(m.firstRow), static_cast<lxw_col_t>(m.firstCol),
                                            static_cast<lxw_row_t>(m.lastRow), static_cast<lxw_col_t>(m.lastCol), "",
                                            first ? formatFor(first->format) : nullptr);
        }
        for (const auto& [key, cell] : s.cells_)
            writeCell(ws, static_cast<lxw_row_t>(key.first), static_cast<lxw_col_t>(key.second), cell,
                      formatFor(cell.format));
        for (const auto& [range, v] : s.validations_) addValidation(ws, range, v);
        if (s.freeze_)
            xlsxLib().worksheet_freeze_panes(ws, static_cast<lxw_row_t>(s.freeze_->first),
                                             static_cast<lxw_col_t>(s.freeze_->second));
        if (s.protected_) xlsxLib().worksheet_protect(ws, nullptr, nullptr);
        if (s.landscape_) xlsxLib().worksheet_set_landscape(ws);
        if (!s.printArea_.empty()) {
            Range r = Range::parse(s.printArea_);
            xlsxLib().worksheet_print_area(ws, static_cast<lxw_row_t>(r.firstRow), static_cast<lxw_col_t>(r.firstCol),
                                           static_cast<lxw_row_t>(r.lastRow), static_cast<lxw_col_t>(r.lastCol));
        }
        if (s.fitWide_ > 0) xlsxLib().worksheet_fit_to_pages(ws, static_cast<uint16_t>(s.fitWide_), 0);
        if (s.zoom_ > 0) xlsxLib().worksheet_set_print_scale(ws, static_cast<uint16_t>(s.zoom_));
    }
    const lxw_error err = xlsxLib().workbook_close(wb);
    std::error_code ec;
    if (err != LXW_NO_ERROR) {
        std::filesystem::remove(tmp, ec);
        throw IoError("Sešit " + pathText(path) + " nelze uložit: " + xlsxLib().lxw_strerror(err));
    }
    std::filesystem::rename(tmp, path, ec);
    if (ec) {
        std::filesystem::remove(tmp, ec);
        throw IoError("Sešit " + pathText(path) + " nelze uložit (soubor je možná otevřen v jiném programu).");
    }
}

}  // namespace verdika::xlsx
