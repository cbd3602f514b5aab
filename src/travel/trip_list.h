#pragma once
// The list of calculated trips (the grid under the travel inputs): its rows
// of texts, the running total, the trip set file, and the statements made
// from one trip or from the whole list (text for "TXT", canvas layouts for
// the printer and PDF, the spreadsheet export).
#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "common/ini.h"
#include "companion/xlsx.h"
#include "travel/trip.h"

namespace verdika::travel {

inline constexpr int kListColumns = 12;
using TripRow = std::array<std::string, kListColumns>;

// "Datum", "Důvod cesty", … "Celkem".
extern const TripRow kListHeader;

// The cells of a trip added to the list; column 11 is the total as a plain
// number, so that the list can be summed.
TripRow tripRow(const TripResult& r);
bool rowIsEmpty(const TripRow& row);
// A click on a trip row: its date (when the cell holds one), reason,
// distance and half-hours go back into the form, the distance as listed
// (already doubled for a round trip); the rest of the form stays.
void loadRowIntoForm(const TripRow& row, TripForm& form);

// Sum of column 11 over the rows, counting only cells that are numbers.
double listSum(const std::vector<TripRow>& rows);
// "Celkem: " + the sum as an amount.
std::string listTotalLabel(double sum);

// --- Trip set file (an INI file "*.vrd") ---

struct TripSet {
    std::vector<TripRow> rows;  // at least one (empty) row
    std::string totalLabel;     // as stored; not recomputed
};
// Writes [row2] … [row(n+1)] with col1 … col12, then [cestovne] pocet and
// celkem; other content of an existing file stays. Throws IoError.
void saveTripSet(const std::filesystem::path& file, const std::vector<TripRow>& rows, std::string_view totalLabel);
// A missing file is an IoError; a count beyond the file's rows is cut; a
// file without the stored label gets the label of the rows' sum.
TripSet loadTripSet(const std::filesystem::path& file);
TripSet tripSetFromIni(const IniFile& ini);

// --- Statements ---

// The list statement needs at least one row that is not empty; otherwise a
// DataError says that there is nothing to print.
inline constexpr const char* kNothingToPrint = "Seznam cest je prázdný, není co vytisknout.";

// The list as text lines for the page "TXT". A row whose total is not a
// number stops with a ConversionError naming it; empty rows are left out.
std::vector<std::string> listTextLines(const std::vector<TripRow>& rows);

// A statement drawn on a canvas, in millimetres from the page's top left.
struct CanvasItem {
    enum class Kind { TitleBox, Title, Text } kind = Kind::Text;
    double x = 0, y = 0;    // the top left of the text (or the box)
    double x2 = 0, y2 = 0;  // the bottom right of the box
    std::string text;
};
struct CanvasPage {
    std::vector<CanvasItem> items;
};
struct CanvasDocument {
    std::vector<CanvasPage> pages;
};

// Font measures the layout depends on, in millimetres on the target device:
// the line height of the 12-point body text and of the 15-point bold title,
// and the width of the label "Počet zameškaných půlhodin:" in the body font.
struct CanvasMetrics {
    double line = 5;
    double titleLine = 6.5;
    double labelWidth = 55;
};

inline constexpr const char* kStatementTitle = "Cestovní náklady a ztráta času";
inline constexpr double kPageBottomMm = 270;

CanvasDocument tripStatement(const TripResult& r, const CanvasMetrics& m);
// caption: the user's own label (file number …), drawn under the title.
CanvasDocument listStatement(const std::vector<TripRow>& rows, std::string_view caption, const CanvasMetrics& m);

// --- Spreadsheet export ---

// The sheet "Cestovné EXPORT": an empty first row, the header and the trip
// rows from row 2 (the totals as numbers), "Celkem:" and a sum formula over
// the trip rows under them, centred wrapped columns A:M, currency in L.
xlsx::Sheet listSheet(const std::vector<TripRow>& rows);
void exportList(const std::filesystem::path& file, const std::vector<TripRow>& rows);  // throws IoError

}  // namespace verdika::travel
