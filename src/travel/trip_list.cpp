#include "travel/trip_list.h"

#include <algorithm>

#include "common/errors.h"
#include "common/files.h"
#include "common/ini.h"
#include "common/numbers.h"
#include "common/text.h"

namespace verdika::travel {

const TripRow kListHeader = {"Datum",    "Důvod cesty", "Palivo",   "Pauš. náhrada", "Spotřeba", "Vzdálenost",
                             "Půlhodin", "Parkovné",    "Ubytovné", "Stravné",       "DPH",      "Celkem"};

TripRow tripRow(const TripResult& r) {
    return {formatDate(r.date),
            r.reason,
            Format_Castky(r.fuelPrice),
            Format_Castky(r.perKm),
            Format_Cislo(r.consumption) + " l/100 km",
            Format_Cislo(r.distance) + " km",
            std::to_string(r.halfHours) + " pulhodin",
            Format_Castky(r.parking),
            Format_Castky(r.accommodation),
            Format_Castky(r.meals),
            Format_Castky(r.vatTotal()),
            Format_Cislo(r.total)};
}

bool rowIsEmpty(const TripRow& row) {
    return std::all_of(row.begin(), row.end(), [](const std::string& c) { return c.empty(); });
}

void loadRowIntoForm(const TripRow& row, TripForm& form) {
    if (const auto day = tryParseDate(row[0])) form.date = *day;
    form.reason = row[1];
    form.distance = Nahrad_Vse(row[5], " km", "");
    form.halfHours = Nahrad_Vse(row[6], " pulhodin", "");
}

double listSum(const std::vector<TripRow>& rows) {
    double sum = 0;
    for (const TripRow& row : rows)
        if (auto v = tryParseDecimal(row[11])) sum += *v;
    return sum;
}

std::string listTotalLabel(double sum) { return "Celkem: " + Format_Castky(sum); }

// --- Trip set file ---

void saveTripSet(const std::filesystem::path& file, const std::vector<TripRow>& rows, std::string_view totalLabel) {
    IniFile::update(file, [&](IniFile& ini) {
        for (size_t r = 0; r < rows.size(); ++r) {
            // The grid's header is row 1 of the old grid, so the first trip is "row2".
            const std::string section = "row" + std::to_string(r + 2);
            for (int c = 0; c < kListColumns; ++c)
                ini.writeString(section, "col" + std::to_string(c + 1), rows[r][static_cast<size_t>(c)]);
        }
        ini.writeInteger("cestovne", "pocet", static_cast<std::int64_t>(rows.size()));
        ini.writeString("cestovne", "celkem", totalLabel);
    });
}

TripSet loadTripSet(const std::filesystem::path& file) {
    const IniFile ini = IniFile::load(file);
    if (!ini.exists()) throw IoError("Soubor " + pathText(file) + " nelze načíst.");
    return tripSetFromIni(ini);
}

TripSet tripSetFromIni(const IniFile& ini) {
    std::int64_t n = std::max<std::int64_t>(0, ini.readInteger("cestovne", "pocet", 0));
    n = std::min<std::int64_t>(n, static_cast<std::int64_t>(ini.sectionNames().size()));
    TripSet set;
    for (std::int64_t r = 0; r < n; ++r) {
        const std::string section = "row" + std::to_string(r + 2);
        TripRow row;
        for (int c = 0; c < kListColumns; ++c)
            row[static_cast<size_t>(c)] = ini.readString(section, "col" + std::to_string(c + 1));
        set.rows.push_back(std::move(row));
    }
    if (set.rows.empty()) set.rows.emplace_back();
    // A file without the stored label (not a trip set, or edited) shows the rows' sum.
    set.totalLabel = ini.readString("cestovne", "celkem", listTotalLabel(listSum(set.rows)));
    return set;
}

// --- Statements ---

namespace {

// The rows a statement shows, each with its total; empty rows are left out,
// a total that is not a number stops the statement.
struct StatementRow {
    const TripRow* row;
    double total;
};
std::vector<StatementRow> statementRows(const std::vector<TripRow>& rows) {
    std::vector<StatementRow> out;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rowIsEmpty(rows[i])) continue;
        const auto total = tryParseDecimal(rows[i][11]);
        if (!total)
            throw ConversionError("V řádku " + std::to_string(i + 1) + " seznamu cest není celková částka číslo („" +
                                  trimmed(rows[i][11]) + "“).");
        out.push_back({&rows[i], *total});
    }
    if (out.empty()) throw DataError(kNothingToPrint);
    return out;
}

double sumOf(const std::vector<StatementRow>& rows) {
    double sum = 0;
    for (const auto& r : rows) sum += r.total;
    return sum;
}

const std::string kClosingRule(47, '=');

}  // namespace

std::vector<std::string> listTextLines(const std::vector<TripRow>& rows) {
    const auto trips = statementRows(rows);
    std::vector<std::string> out;
    out.push_back(kStatementTitle);
    out.push_back(std::string(30, '-'));
    for (const auto& t : trips) {
        const TripRow& c = *t.row;
        out.push_back("Datum: " + c[0] + ", " + c[1]);
        out.push_back("Cena paliva: " + c[2] + "; spotřeba: " + c[4] + "; paušální náhrada dle §§156 - 172 ZP: " + c[3]);
        out.push_back("Celková vzdálenost: " + c[5]);
        out.push_back("Počet zameškaných půlhodin: " + c[6] + ".");
        out.push_back("Parkovné: " + c[7] + "; ubytovné: " + c[8] + "; stravné: " + c[9] + ".");
        out.push_back("DPH: " + c[10] + ".");
        out.push_back("Celkem: " + c[11] + "Kč");
        out.push_back("");
    }
    out.push_back(kClosingRule);
    out.push_back("Vše celkem činí : " + Format_Cislo(sumOf(trips)) + " Kč");
    return out;
}

namespace {

constexpr double kTop = 20;     // mm
constexpr double kLeft = 30;    // mm, the body text
constexpr double kBoxLeft = 20, kBoxRight = 170;

void addTitle(CanvasPage& page, const CanvasMetrics& m) {
    page.items.push_back({CanvasItem::Kind::TitleBox, kBoxLeft, kTop, kBoxRight, kTop + m.titleLine + 2, {}});
    page.items.push_back({CanvasItem::Kind::Title, kBoxLeft + 1, kTop + 1, 0, 0, kStatementTitle});
}

void addText(CanvasPage& page, double x, double y, std::string text) {
    page.items.push_back({CanvasItem::Kind::Text, x, y, 0, 0, std::move(text)});
}

}  // namespace

CanvasDocument tripStatement(const TripResult& r, const CanvasMetrics& m) {
    CanvasDocument doc;
    CanvasPage& page = doc.pages.emplace_back();
    addTitle(page, m);
    auto line = [&](int n, std::string text) { addText(page, kLeft, kTop + n * m.line, std::move(text)); };
    line(3, "Cesta dne " + formatDate(r.date) + ", " + r.reason);
    line(4, "Vozidlo: " + r.carName + ", spotřeba " + Format_Cislo(r.consumption) + " l/100km");
    line(5, "Celková vzdálenost: " + Format_Cislo(r.distance) + " km");
    line(6, "Počet zameškaných půlhodin: " + std::to_string(r.halfHours));
    line(7, "Paušální náhrada podle §§156 - 172 zákona 262/2006 Sb. (zákoník práce): " + Format_Castky(r.perKm));
    line(8, std::string(r.ownPrices ? "Cena paliva (aktuální): " : "Cena paliva (dle vyhlášky): ") +
                Format_Castky(r.fuelPrice));
    line(10, "Paušální náhrada za ujetou vzdálenost činí: " + Format_Castky(r.flat));
    line(11, "Náhrada za spotřebované pohonné hmoty činí: " + Format_Castky(r.fuel));
    line(12, "Celkem náhrada činí: " + Format_Castky(r.flat + r.fuel));
    const bool vatLines = r.vatTravel > 0;
    int l = 13;
    if (vatLines) {
        line(13, "DPH " + Format_Cislo(r.reducedVat) + "%: " + Format_Castky(r.vatTravel));
        l = 15;
    }
    line(l, "Náhrada za promeškaný čas činí: " + Format_Castky(r.timeLoss));
    int mLine = l + 1;
    if (vatLines) {
        line(l + 1, "DPH " + Format_Cislo(r.standardVat) + "%: " + Format_Castky(r.vatTime));
        line(l + 3, "DPH celkem: " + Format_Castky(r.vatTotal()));
        mLine = l + 4;
    }
    int n = mLine + 1;
    if (r.parking > 0) {
        line(n, "Parkovné : " + Format_Castky(r.parking));
        n = mLine + 2;
    }
    if (r.accommodation > 0) line(n++, "Ubytovné: " + Format_Castky(r.accommodation));
    if (r.mealsApply) line(n++, "Stravné: " + Format_Castky(r.meals));
    line(n + 1, std::string(24, '='));
    line(n + 2, "Celkem: " + Format_Castky(r.total));
    return doc;
}

CanvasDocument listStatement(const std::vector<TripRow>& rows, std::string_view caption, const CanvasMetrics& m) {
    const auto trips = statementRows(rows);
    CanvasDocument doc;
    CanvasPage* page = &doc.pages.emplace_back();
    addTitle(*page, m);
    addText(*page, kBoxLeft + 1, kTop + 2 * m.line, std::string(caption));
    double top = kTop + 3 * m.line;
    const double valueX = kLeft + m.labelWidth;
    for (size_t i = 0; i < trips.size(); ++i) {
        const TripRow& row = *trips[i].row;
        for (int c = 0; c < kListColumns; ++c) {
            const double y = top + (c + 1) * m.line;
            addText(*page, kLeft, y, kListHeader[static_cast<size_t>(c)]);
            addText(*page, valueX, y, row[static_cast<size_t>(c)]);
        }
        top += 13 * m.line;
        // The next trip needs twelve lines, the closing total two: a new page
        // when they would reach below the printable height.
        const bool last = i + 1 == trips.size();
        if (top + (last ? 1 : 12) * m.line >= kPageBottomMm) {
            page = &doc.pages.emplace_back();
            top = kTop;
        }
    }
    addText(*page, kLeft, top, kClosingRule);
    addText(*page, kLeft, top + m.line, "Vše celkem činí : " + Format_Cislo(sumOf(trips)) + " Kč");
    return doc;
}

// --- Spreadsheet export ---

xlsx::Sheet listSheet(const std::vector<TripRow>& rows) {
    xlsx::Sheet sheet("Cestovné EXPORT");
    // Row 1 stays empty; the header is row 2, the trips follow.
    auto putRow = [&](int sheetRow, const TripRow& cells) {
        for (int c = 0; c < kListColumns; ++c) {
            const std::string& text = cells[static_cast<size_t>(c)];
            if (c == 11) sheet.setValue(sheetRow, c, Nahrad_Vse(text, ",", "."));  // the total as a number
            else if (!text.empty()) sheet.setText(sheetRow, c, text);
        }
    };
    putRow(1, kListHeader);
    for (size_t i = 0; i < rows.size(); ++i) putRow(static_cast<int>(i) + 2, rows[i]);
    const int sumRow = static_cast<int>(rows.size()) + 2;
    sheet.setText(sumRow, 10, "Celkem:");
    // Every trip row above the sum: from row 3 to the row just above it.
    sheet.setFormula(sumRow, 11, "=SUM(L3:L" + std::to_string(sumRow) + ")");

    sheet.autoFitColumns(0, 12);
    sheet.format("A:M", [](xlsx::Format& f) {
        f.wrap = true;
        f.hAlign = xlsx::HAlign::Center;
        f.vAlign = xlsx::VAlign::Center;
    });
    sheet.setColumnWidth(3, 3, 13);     // D
    sheet.setColumnWidth(2, 2, 8.4);    // C
    sheet.setColumnWidth(7, 7, 10.43);  // H
    sheet.setColumnWidth(11, 11, 10.43);  // L
    sheet.format("L:L", [](xlsx::Format& f) { f.numberFormat = xlsx::kCurrencyFormat; });
    sheet.setFitToPagesWide(1);
    return sheet;
}

void exportList(const std::filesystem::path& file, const std::vector<TripRow>& rows) {
    xlsx::Workbook book;
    book.addSheet("Cestovné EXPORT") = listSheet(rows);
    book.save(file);
}

}  // namespace verdika::travel
