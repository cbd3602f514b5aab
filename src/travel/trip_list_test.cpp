#include "travel/trip_list.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/errors.h"
#include "test_support.h"

namespace verdika::travel {
namespace {

TripResult sampleTrip() {
    TripResult r;
    r.date = parseDate("15.6.2010");
    r.reason = "soudní jednání";
    r.carName = "Octavia";
    r.consumption = 7;
    r.fuelPrice = 27.2;
    r.perKm = 3.9;
    r.distance = 200;
    r.halfHours = 4;
    r.perHalfHour = 100;
    r.timeLoss = 400;
    r.flat = 780;
    r.fuel = 380.8;
    r.meals = 73;
    r.mealsApply = true;
    r.total = 1633.8;
    return r;
}

TripRow rowWithTotal(const char* date, const char* total) {
    TripRow row = tripRow(sampleTrip());
    row[0] = date;
    row[11] = total;
    return row;
}

const std::string* textAt(const CanvasPage& page, double y, double x) {
    for (const auto& item : page.items)
        if (item.kind == CanvasItem::Kind::Text && std::abs(item.y - y) < 1e-9 && std::abs(item.x - x) < 1e-9)
            return &item.text;
    return nullptr;
}

TEST(TravelList, RowCellsAndRunningTotal) {
    const TripRow row = tripRow(sampleTrip());
    const TripRow expected = {"15.6.2010", "soudní jednání", "27,20 Kč", "3,90 Kč", "7 l/100 km", "200 km",
                              "4 pulhodin", "0,00 Kč", "0,00 Kč", "73,00 Kč", "0,00 Kč", "1633,8"};
    EXPECT_EQ(row, expected);
    // Only cells that are numbers count.
    const std::vector<TripRow> rows = {row, rowWithTotal("1.7.2022", "100,2"), rowWithTotal("", "chyba"), TripRow{}};
    EXPECT_DOUBLE_EQ(listSum(rows), 1734);
    EXPECT_EQ(listTotalLabel(listSum(rows)), "Celkem: 1.734,00 Kč");
}

TEST(TravelList, ARowGoesBackIntoTheForm) {
    TripForm form;
    form.date = parseDate("1.1.2020");
    form.parking = "50";
    form.carNumber = 2;
    loadRowIntoForm(tripRow(sampleTrip()), form);
    EXPECT_EQ(formatDate(form.date), "15.6.2010");
    EXPECT_EQ(form.reason, "soudní jednání");
    EXPECT_EQ(form.distance, "200");  // as listed, already doubled
    EXPECT_EQ(form.halfHours, "4");
    EXPECT_EQ(form.parking, "50");
    EXPECT_EQ(form.carNumber, 2);

    // A date cell that is empty or no date (edited by hand) leaves the date.
    for (const char* date : {"", "zítra"}) {
        TripRow row = tripRow(sampleTrip());
        row[0] = date;
        row[5] = "12,5 km";
        loadRowIntoForm(row, form);
        EXPECT_EQ(formatDate(form.date), "15.6.2010") << date;
        EXPECT_EQ(form.distance, "12,5") << date;
    }
}

TEST(TravelList, TripSetFileRoundTrip) {
    test::TempDir dir;
    const auto file = dir / "sestava.vrd";
    const std::vector<TripRow> rows = {rowWithTotal("1.1.2020", "10"), rowWithTotal("2.1.2020", "20"),
                                       rowWithTotal("3.1.2020", "30")};
    saveTripSet(file, rows, "Celkem: 60,00 Kč");
    const IniFile ini = IniFile::load(file);
    for (const char* section : {"row2", "row3", "row4"}) EXPECT_TRUE(ini.hasSection(section)) << section;
    EXPECT_FALSE(ini.hasSection("row1"));
    EXPECT_EQ(ini.readString("row3", "col1"), "2.1.2020");
    EXPECT_EQ(ini.readString("row4", "col12"), "30");
    EXPECT_EQ(ini.readInteger("cestovne", "pocet", 0), 3);

    // The label is kept as stored, even when the cells say otherwise.
    IniFile::update(file, [](IniFile& f) { f.writeString("row2", "col12", "1000"); });
    TripSet set = loadTripSet(file);
    ASSERT_EQ(set.rows.size(), 3u);
    EXPECT_EQ(set.rows[0][11], "1000");
    EXPECT_EQ(set.rows[2], rows[2]);
    EXPECT_EQ(set.totalLabel, "Celkem: 60,00 Kč");

    // A smaller set saved over a larger one: the count decides.
    saveTripSet(file, {rows[1]}, "Celkem: 20,00 Kč");
    set = loadTripSet(file);
    ASSERT_EQ(set.rows.size(), 1u);
    EXPECT_EQ(set.rows[0][0], "2.1.2020");

    test::writeBytes(dir / "prazdna.vrd", "[cestovne]\npocet=0\n");
    set = loadTripSet(dir / "prazdna.vrd");
    EXPECT_EQ(set.rows.size(), 1u);  // one empty row, never none
    EXPECT_EQ(set.totalLabel, "Celkem: 0,00 Kč");
    test::writeBytes(dir / "divna.vrd", "[cestovne]\npocet=999999999\n[row2]\ncol1=x\n");
    EXPECT_LE(loadTripSet(dir / "divna.vrd").rows.size(), 2u);
    EXPECT_THROW(loadTripSet(dir / "chybi.vrd"), IoError);
}

TEST(TravelList, TextStatement) {
    const std::vector<TripRow> rows = {tripRow(sampleTrip()), rowWithTotal("1.7.2022", "100,2")};
    const auto lines = listTextLines(rows);
    ASSERT_EQ(lines.size(), 2u + 2 * 8 + 2);
    EXPECT_EQ(lines[0], "Cestovní náklady a ztráta času");
    EXPECT_EQ(lines[1], std::string(30, '-'));
    EXPECT_EQ(lines[2], "Datum: 15.6.2010, soudní jednání");
    EXPECT_EQ(lines[3], "Cena paliva: 27,20 Kč; spotřeba: 7 l/100 km; paušální náhrada dle §§156 - 172 ZP: 3,90 Kč");
    EXPECT_EQ(lines[4], "Celková vzdálenost: 200 km");
    EXPECT_EQ(lines[5], "Počet zameškaných půlhodin: 4 pulhodin.");
    EXPECT_EQ(lines[6], "Parkovné: 0,00 Kč; ubytovné: 0,00 Kč; stravné: 73,00 Kč.");
    EXPECT_EQ(lines[7], "DPH: 0,00 Kč.");
    EXPECT_EQ(lines[8], "Celkem: 1633,8Kč");
    EXPECT_EQ(lines[9], "");
    EXPECT_EQ(lines[18], std::string(47, '='));
    EXPECT_EQ(lines[19], "Vše celkem činí : 1734 Kč");
}

TEST(TravelList, StatementsOfAnEmptyListOrABadTotal) {
    const std::vector<TripRow> empty = {TripRow{}};
    for (auto make : {+[](const std::vector<TripRow>& r) { listTextLines(r); },
                      +[](const std::vector<TripRow>& r) { listStatement(r, "", CanvasMetrics{}); }}) {
        try {
            make(empty);
            FAIL();
        } catch (const DataError& e) {
            EXPECT_STREQ(e.what(), kNothingToPrint);
        }
        EXPECT_THROW(make({rowWithTotal("1.1.2020", "10"), rowWithTotal("2.1.2020", "1.234,50 Kč")}),
                     ConversionError);
    }
    // Empty rows among trips are left out.
    EXPECT_EQ(listTextLines({TripRow{}, rowWithTotal("1.1.2020", "10")}).size(), 2u + 8 + 2);
}

TEST(TravelList, OneTripStatementLines) {
    const CanvasMetrics m{5, 7, 50};
    auto lineY = [&](int n) { return 20 + n * m.line; };
    TripResult r = sampleTrip();
    CanvasDocument doc = tripStatement(r, m);
    ASSERT_EQ(doc.pages.size(), 1u);
    const CanvasPage& page = doc.pages[0];
    EXPECT_EQ(page.items[0].kind, CanvasItem::Kind::TitleBox);
    EXPECT_DOUBLE_EQ(page.items[0].y2, 20 + 7 + 2);
    EXPECT_EQ(page.items[1].text, "Cestovní náklady a ztráta času");
    EXPECT_EQ(*textAt(page, lineY(3), 30), "Cesta dne 15.6.2010, soudní jednání");
    EXPECT_EQ(*textAt(page, lineY(8), 30), "Cena paliva (dle vyhlášky): 27,20 Kč");
    EXPECT_EQ(*textAt(page, lineY(13), 30), "Náhrada za promeškaný čas činí: 400,00 Kč");
    EXPECT_EQ(*textAt(page, lineY(15), 30), "Stravné: 73,00 Kč");
    EXPECT_EQ(*textAt(page, lineY(17), 30), std::string(24, '='));
    EXPECT_EQ(*textAt(page, lineY(18), 30), "Celkem: 1.633,80 Kč");

    // A VAT payer with parking and accommodation: the lines move down.
    r.vatTravel = 139.296;
    r.vatTime = 84;
    r.reducedVat = 12;
    r.standardVat = 21;
    r.parking = 40;
    r.accommodation = 900;
    r.ownPrices = true;
    doc = tripStatement(r, m);
    const CanvasPage& vat = doc.pages[0];
    EXPECT_EQ(*textAt(vat, lineY(8), 30), "Cena paliva (aktuální): 27,20 Kč");
    EXPECT_EQ(*textAt(vat, lineY(13), 30), "DPH 12%: 139,30 Kč");
    EXPECT_EQ(*textAt(vat, lineY(15), 30), "Náhrada za promeškaný čas činí: 400,00 Kč");
    EXPECT_EQ(*textAt(vat, lineY(16), 30), "DPH 21%: 84,00 Kč");
    EXPECT_EQ(*textAt(vat, lineY(18), 30), "DPH celkem: 223,30 Kč");
    EXPECT_EQ(*textAt(vat, lineY(20), 30), "Parkovné : 40,00 Kč");
    EXPECT_EQ(*textAt(vat, lineY(21), 30), "Ubytovné: 900,00 Kč");
    EXPECT_EQ(*textAt(vat, lineY(22), 30), "Stravné: 73,00 Kč");
    EXPECT_EQ(*textAt(vat, lineY(24), 30), std::string(24, '='));
}

TEST(TravelList, ListStatementBreaksPagesBeforeATripWouldRunOff) {
    const CanvasMetrics m{5, 7, 50};
    const std::vector<TripRow> one = {rowWithTotal("1.1.2020", "10")};
    CanvasDocument doc = listStatement(one, "Sp. zn. 12 C 34/2025", m);
    ASSERT_EQ(doc.pages.size(), 1u);
    EXPECT_EQ(*textAt(doc.pages[0], 20 + 2 * 5, 21), "Sp. zn. 12 C 34/2025");
    // top = 20 + 3h = 35; the first field on top + h, values after the label
    EXPECT_EQ(*textAt(doc.pages[0], 40, 30), "Datum");
    EXPECT_EQ(*textAt(doc.pages[0], 40, 80), "1.1.2020");
    EXPECT_EQ(*textAt(doc.pages[0], 35 + 12 * 5, 80), "10");
    EXPECT_EQ(*textAt(doc.pages[0], 35 + 13 * 5, 30), std::string(47, '='));
    EXPECT_EQ(*textAt(doc.pages[0], 35 + 14 * 5, 30), "Vše celkem činí : 10 Kč");

    // With h = 5 mm a trip takes 65 mm: trips start at 35, 100, 165; after the
    // third top = 230 and 230 + 60 ≥ 270, so the fourth starts a new page,
    // also when it is the last trip.
    std::vector<TripRow> four;
    for (int i = 1; i <= 4; ++i) four.push_back(rowWithTotal("1.1.2020", "1"));
    doc = listStatement(four, "", m);
    ASSERT_EQ(doc.pages.size(), 2u);
    EXPECT_EQ(*textAt(doc.pages[1], 25, 30), "Datum");
    EXPECT_EQ(*textAt(doc.pages[1], 20 + 13 * 5 + 5, 30), "Vše celkem činí : 4 Kč");
    // Every text stays above the bottom of an A4 page.
    for (const auto& page : doc.pages)
        for (const auto& item : page.items) EXPECT_LT(item.y + m.line, 297) << item.text;

    // Three trips: the total fits under the third (230 + 5 < 270), no new page.
    four.pop_back();
    doc = listStatement(four, "", m);
    ASSERT_EQ(doc.pages.size(), 1u);
    EXPECT_EQ(*textAt(doc.pages[0], 235, 30), "Vše celkem činí : 3 Kč");
}


TEST(TravelList, SpreadsheetExport) {
    const std::vector<TripRow> rows = {tripRow(sampleTrip()), rowWithTotal("1.7.2022", "100,2")};
    const xlsx::Sheet sheet = listSheet(rows);
    EXPECT_EQ(sheet.name(), "Cestovné EXPORT");
    for (int c = 0; c < 13; ++c)  // the first row stays empty
        EXPECT_TRUE(!sheet.find(0, c) || sheet.find(0, c)->kind == xlsx::Sheet::Cell::Kind::Empty) << c;
    EXPECT_EQ(sheet.find(1, 0)->text, "Datum");
    EXPECT_EQ(sheet.find(1, 11)->text, "Celkem");
    EXPECT_EQ(sheet.find(2, 2)->text, "27,20 Kč");
    EXPECT_EQ(sheet.find(2, 0)->text, "15.6.2010");
    EXPECT_EQ(sheet.find(2, 0)->kind, xlsx::Sheet::Cell::Kind::Text);
    ASSERT_EQ(sheet.find(3, 11)->kind, xlsx::Sheet::Cell::Kind::Number);
    EXPECT_DOUBLE_EQ(sheet.find(3, 11)->number, 100.2);
    // Two trips: the sum in row 5 covers the two rows above it (rows 3 and 4).
    EXPECT_EQ(sheet.find(4, 10)->text, "Celkem:");
    EXPECT_EQ(sheet.find(4, 11)->kind, xlsx::Sheet::Cell::Kind::Formula);
    EXPECT_EQ(sheet.find(4, 11)->text, "=SUM(L3:L4)");
    EXPECT_EQ(listSheet({rows[0]}).find(3, 11)->text, "=SUM(L3:L3)");
    EXPECT_EQ(sheet.find(2, 11)->format.numberFormat, xlsx::kCurrencyFormat);
    EXPECT_TRUE(sheet.find(2, 4)->format.wrap);
    EXPECT_EQ(sheet.find(2, 4)->format.hAlign, xlsx::HAlign::Center);

    test::TempDir dir;
    const auto file = dir / "cestovne.xlsx";
    exportList(file, rows);
    EXPECT_NE(test::zipMember(file, "xl/workbook.xml").find("Cestovné EXPORT"), std::string::npos);
    const std::string xml = test::zipMember(file, "xl/worksheets/sheet1.xml");
    EXPECT_NE(xml.find("SUM(L3:L4)"), std::string::npos);
    EXPECT_NE(xml.find("fitToPage=\"1\""), std::string::npos);
}

}  // namespace
}  // namespace verdika::travel
