#include "travel/travel_page.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

#include "common/ui/grid_helpers.h"
#include "common/ui/qt_convert.h"
#include "common/ui/summary_box.h"
#include "travel/distance_window.h"
#include "travel/favourites_window.h"
#include "travel/trip.h"
#include "ui_test_support.h"

using namespace verdika;
using namespace verdika::test;
using verdika::ui::TravelPage;

namespace {

bool isPdf(const fs::path& p) { return fs::exists(p) && readBytes(p).rfind("%PDF-", 0) == 0; }

// The travel page of a fresh main window, shown, with its controls found by
// name inside the page (the favourite-trips window has edits of the same names).
struct TravelApp {
    explicit TravelApp(const std::function<void(const fs::path&)>& prepare = {}) : app(prepare) {
        app.window->show();
        app.window->showPage(ui::kTravelPage);
        page = app.find<TravelPage>("TabSheet4");
    }
    template <typename T>
    T* get(const char* name) const {
        T* w = page->findChild<T*>(QString::fromLatin1(name));
        if (!w) qFatal("no control %s", name);
        return w;
    }
    QLineEdit* edit(const char* name) const { return get<QLineEdit>(name); }
    void click(const char* name) const { QTest::mouseClick(get<QAbstractButton>(name), Qt::LeftButton); }
    void type(const char* name, const QString& text) const { edit(name)->setText(text); }
    QTableWidget* list() const { return get<QTableWidget>("Cestovne_SG"); }
    QString total() const { return get<QLabel>("Cestovne_Celkem_Label")->text(); }

    void addCar(const QString& name, const QString& consumption, int fuel) const {
        type("Auto_Nazev_Edit", name);
        type("Auto_Spotreba_Edit", consumption);
        get<QComboBox>("Palivo_ComboBox")->setCurrentIndex(fuel);
        click("Button87");
    }
    // The round trip of 15.6.2010: 2 × 100 km with a 7-litre diesel, 2 × 2
    // half-hours, 8 hours: 780 + 380,80 + 400 + 73 = 1 633,80 Kč.
    void computeSampleTrip() const {
        get<QDateEdit>("Cestovne_DateTimePicker")->setDate(QDate(2010, 6, 15));
        type("Vzdalenost_Edit", "100");
        get<QCheckBox>("Vzdalenost_CheckBox")->setChecked(true);
        type("Pulhodin_Edit", "2");
        type("Trvani_cesty_Hodin_Edit", "8");
        click("Cestovne_Vysledek_Button");
    }

    AppFixture app;
    TravelPage* page = nullptr;
};

}  // namespace

class TravelPageTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { TravelPage::setCaptionAsker({}); }

    // A car, a trip, the list with two trips, its set file and its PDF.
    void carTripListSetAndPdf() {
        MessageRecorder messages;
        DesktopRecorder desktop;
        TravelApp t;
        t.addCar(QStringLiteral("Octavia"), QStringLiteral("7"), 1);
        QCOMPARE(t.get<QTableWidget>("Auto_StringGrid")->rowCount(), 1);
        QCOMPARE(ui::cellText(t.get<QTableWidget>("Auto_StringGrid"), 0, 2), QStringLiteral("nafta"));
        QCOMPARE(t.get<QComboBox>("Auta_ComboBox")->currentText(), QStringLiteral("Octavia"));

        t.computeSampleTrip();
        QCOMPARE(t.edit("Cestovne_Vysledek_Edit")->text(), QStringLiteral("1.633,80 Kč"));
        QCOMPARE(t.edit("Stravne_Edit")->text(), QStringLiteral("73,00 Kč"));
        const QString summary = t.page->summary()->edit()->toPlainText();
        QVERIFY(summary.contains(QStringLiteral("Vozidlo: Octavia, spotřeba 7 l/100km")));
        QVERIFY(summary.contains(QStringLiteral("Celkem: 1.633,80 Kč")));

        // The first "Přidat" fills the empty row, the second appends.
        t.click("Cestovne_Pridat_Button");
        QCOMPARE(t.list()->rowCount(), 1);
        t.click("Cestovne_Pridat_Button");
        QCOMPARE(t.list()->rowCount(), 2);
        QCOMPARE(ui::cellText(t.list(), 1, 11), QStringLiteral("1633,8"));
        QCOMPARE(ui::cellText(t.list(), 1, 5), QStringLiteral("200 km"));
        QCOMPARE(t.total(), QStringLiteral("Celkem: 3.267,60 Kč"));

        const fs::path set = t.app.dir / "cesty.vrd";
        desktop.fileAnswers << ui::qpath(set);
        t.click("Cestovne_ulozit");
        QCOMPARE(desktop.fileRequests.back().defaultSuffix, QStringLiteral("vrd"));
        const IniFile saved = IniFile::load(set);
        QCOMPARE(saved.readInteger("cestovne", "pocet", 0), 2);
        QCOMPARE(ui::qs(saved.readString("row3", "col1")), QStringLiteral("15.6.2010"));

        t.click("Cestovne_Odstranit_Button_2");
        QCOMPARE(t.list()->rowCount(), 1);
        QVERIFY(ui::rowIsEmpty(t.list(), 0));
        QCOMPARE(t.total(), QStringLiteral("Celkem: 0,00 Kč"));
        desktop.fileAnswers << ui::qpath(set);
        t.click("Button61");
        QCOMPARE(t.list()->rowCount(), 2);
        QCOMPARE(ui::cellText(t.list(), 0, 0), QStringLiteral("15.6.2010"));
        QCOMPARE(t.total(), QStringLiteral("Celkem: 3.267,60 Kč"));

        TravelPage::setCaptionAsker([](QWidget*) { return QStringLiteral("Sp. zn. 12 C 34/2025"); });
        const fs::path pdf = t.app.data->paths().dataDir / "PDF" / "cestovne.pdf";
        t.click("Cestovne_PDF_Button_2");
        QVERIFY(isPdf(pdf));
        QCOMPARE(desktop.opened, QStringList{ui::qpath(pdf)});
        QVERIFY(messages.messages.isEmpty());
    }

    void clearMessagesInsteadOfWrongResults() {
        MessageRecorder messages;
        DesktopRecorder desktop;
        TravelApp t;
        t.click("Cestovne_Vysledek_Button");  // no car yet
        QCOMPARE(messages.messages.last(), QString::fromUtf8(travel::kNoCarMessage));
        t.click("Cestovne_Pridat_Button");  // nothing computed yet
        QVERIFY(messages.lastContains(QStringLiteral("Nejdříve spočítejte")));
        QVERIFY(ui::rowIsEmpty(t.list(), 0));

        t.addCar(QStringLiteral("Felicia"), QStringLiteral("6"), 2);  // petrol 91
        t.type("Vzdalenost_Edit", "10");
        t.click("Cestovne_Vysledek_Button");
        QVERIFY(messages.lastContains(QStringLiteral("neobsahují vyhláškovou cenu paliva „Normal 91“")));
        QCOMPARE(t.edit("Cestovne_Vysledek_Edit")->text(), QStringLiteral("0"));
        t.get<QDateEdit>("Cestovne_DateTimePicker")->setDate(QDate(2006, 12, 31));
        t.click("Cestovne_Vysledek_Button");
        QVERIFY(messages.lastContains(QStringLiteral("až od 1.1.2007")));
        t.get<QDateEdit>("Cestovne_DateTimePicker")->setDate(QDate(2011, 3, 1));
        t.type("Parkovne_Edit", "1.000");
        t.click("Cestovne_Vysledek_Button");
        QVERIFY(messages.lastContains(QStringLiteral("1.000")));
        QVERIFY(t.page->summary()->edit()->toPlainText().isEmpty());

        // Statements of the list with only its empty row.
        const int before = messages.messages.size();
        t.click("Cestovne_PDF_Button_2");
        t.click("Cestovne_TXT_Button");
        QCOMPARE(messages.messages.size(), before + 2);
        QVERIFY(messages.lastContains(QString::fromUtf8(travel::kNothingToPrint)));
        QVERIFY(!fs::exists(t.app.data->paths().dataDir / "PDF" / "cestovne.pdf"));
        QVERIFY(desktop.opened.isEmpty());
    }

    void vatRatesFollowTheDateAndTheSharedFlag() {
        TravelApp t([](const fs::path& dir) { writeBytes(dir / "nastaveni.ini", "[odmena]\ndph=1\n"); });
        QVERIFY(t.get<QCheckBox>("Cestovne_Platce_Dph_CheckBox")->isChecked());
        auto* date = t.get<QDateEdit>("Cestovne_DateTimePicker");
        date->setDate(QDate(2020, 5, 1));
        QCOMPARE(t.edit("Cestovne_Dph_Zvysena_Edit")->text(), QStringLiteral("21"));
        QCOMPARE(t.edit("Cestovne_Dph_Snizena_Edit")->text(), QStringLiteral("15"));
        date->setDate(QDate(2024, 1, 1));
        QCOMPARE(t.edit("Cestovne_Dph_Snizena_Edit")->text(), QStringLiteral("12"));
        t.click("Cestovne_Platce_Dph_CheckBox");  // the user's click is stored
        QVERIFY(!t.app.data->settings().getBool(setting::VatPayer, true));
    }

    void resetAndCopyButtons() {
        TravelApp t;
        t.addCar(QStringLiteral("Octavia"), QStringLiteral("7"), 1);
        t.computeSampleTrip();
        t.click("BitBtn63");
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("1633,8"));
        t.click("BitBtn48");
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("73,00 Kč"));
        t.get<QComboBox>("Duvod_Cesty_Edit")->setEditText(QStringLiteral("porada"));
        t.type("Parkovne_Edit", "50");
        t.click("Cestovne_vynulovat_Button");
        for (const char* name : {"Vzdalenost_Edit", "Pulhodin_Edit", "Parkovne_Edit", "Ubytovne_Edit",
                                 "Trvani_cesty_Hodin_Edit", "Trvani_cesty_Dnu_Edit", "Stravne_Edit",
                                 "Cestovne_Vysledek_Edit"})
            QCOMPARE(t.edit(name)->text(), QStringLiteral("0"));
        QVERIFY(!t.get<QCheckBox>("Vzdalenost_CheckBox")->isChecked());
        QCOMPARE(t.get<QComboBox>("Duvod_Cesty_Edit")->currentText(), QStringLiteral("soudní jednání"));
        QCOMPARE(t.get<QDateEdit>("Cestovne_DateTimePicker")->date(), QDate(2010, 6, 15));  // kept
        // The summary keeps earlier trips when asked to.
        t.get<QCheckBox>("Ponechat_Cestovne_CheckBox")->setChecked(true);
        t.computeSampleTrip();
        QCOMPARE(t.page->summary()->edit()->toPlainText().count(QStringLiteral("Cesta dne 15.6.2010")), 2);
    }

    void listRowsMoveLoadAndGoToTxt() {
        MessageRecorder messages;
        messages.answers = {false};  // do not keep the TXT page's content
        DesktopRecorder desktop;
        TravelApp t;
        t.addCar(QStringLiteral("Octavia"), QStringLiteral("7"), 1);
        t.computeSampleTrip();
        t.click("Cestovne_Pridat_Button");
        t.type("Vzdalenost_Edit", "35");
        t.type("Trvani_cesty_Hodin_Edit", "0");
        t.get<QComboBox>("Duvod_Cesty_Edit")->setEditText(QStringLiteral("výslech svědka"));
        t.click("Cestovne_Vysledek_Button");
        t.click("Cestovne_Pridat_Button");
        QCOMPARE(ui::cellText(t.list(), 1, 5), QStringLiteral("70 km"));

        t.list()->setCurrentCell(0, 0);
        t.click("Vys_Button");  // the first row cannot go up
        QCOMPARE(ui::cellText(t.list(), 0, 1), QStringLiteral("soudní jednání"));
        t.click("Niz_Button");
        QCOMPARE(ui::cellText(t.list(), 1, 1), QStringLiteral("soudní jednání"));
        QCOMPARE(t.list()->currentRow(), 1);
        t.click("Niz_Button");  // the last row cannot go down
        QCOMPARE(t.list()->currentRow(), 1);

        // A click on a row loads its date, reason, distance and half-hours.
        t.get<QDateEdit>("Cestovne_DateTimePicker")->setDate(QDate(2020, 1, 1));
        t.page->Cestovne_SGClick(0);
        QCOMPARE(t.get<QDateEdit>("Cestovne_DateTimePicker")->date(), QDate(2010, 6, 15));
        QCOMPARE(t.get<QComboBox>("Duvod_Cesty_Edit")->currentText(), QStringLiteral("výslech svědka"));
        QCOMPARE(t.edit("Vzdalenost_Edit")->text(), QStringLiteral("70"));
        QCOMPARE(t.edit("Pulhodin_Edit")->text(), QStringLiteral("4"));

        t.app.window->appendToTxt({QStringLiteral("staré")}, false);
        t.click("Cestovne_TXT_Button");
        const QString txt = t.app.find<QTextEdit>("TXT_RichEdit")->toPlainText();
        QVERIFY(!txt.contains(QStringLiteral("staré")));
        QVERIFY(txt.startsWith(QStringLiteral("Cestovní náklady a ztráta času")));
        QVERIFY(txt.contains(QStringLiteral("Datum: 15.6.2010, výslech svědka")));
        QVERIFY(txt.contains(QStringLiteral("Vše celkem činí : 2440,08 Kč")));  // 1 633,80 + 806,28
        QCOMPARE(t.app.window->pageControl()->currentIndex(), int(ui::kTxtPage));

        t.click("Cestovne_Excel_Button");
        const fs::path xlsx = t.app.data->paths().dataDir / "Excel-export" / "cestovne.xlsx";
        QVERIFY(fs::exists(xlsx));
        QCOMPARE(desktop.opened.last(), ui::qpath(xlsx));

        t.list()->setCurrentCell(0, 0);
        t.click("Cestovne_Odstranit_Button");
        QCOMPARE(t.list()->rowCount(), 1);
        QCOMPARE(t.total(), QStringLiteral("Celkem: 1.633,80 Kč"));
    }

    void distanceWindowPicksAnApproximateDistance() {
        MessageRecorder messages;
        TravelApp t;
        t.click("Nacti_Vdzalenost_Button");
        ui::DistanceWindow* w = t.page->distanceWindow();
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->windowTitle(), QStringLiteral("Vzdálenost"));
        QVERIFY(w->findChild<QLabel*>("Vzdalenost_Poznamka")->text().contains(
            QStringLiteral("orientační vzdálenost, ověřte podle mapy")));
        w->BitBtn1Click();  // nothing selected
        QVERIFY(messages.lastContains(QStringLiteral("Vyberte")));
        QVERIFY(w->isVisible());
        auto select = [](QListWidget* list, const char* town) {
            list->setCurrentItem(list->findItems(QString::fromUtf8(town), Qt::MatchExactly).front());
        };
        select(w->fromList(), "Praha");
        select(w->toList(), "Praha");
        w->BitBtn1Click();
        QVERIFY(messages.lastContains(QStringLiteral("stejné")));
        select(w->toList(), "Brno");
        QTest::mouseClick(w->findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
        QVERIFY(!w->isVisible());
        QCOMPARE(t.edit("Vzdalenost_Edit")->text(), QStringLiteral("233"));
    }

    void favouriteTripsFillDistanceAndHalfHours() {
        MessageRecorder messages;
        TravelApp t;
        t.click("Button28");
        ui::FavouritesWindow* w = t.page->favouritesWindow();
        QVERIFY(w && w->isVisible());
        auto field = [&](const char* name) { return w->findChild<QLineEdit*>(QString::fromLatin1(name)); };
        const fs::path file = t.app.data->paths().dataDir / "oblibene_cesty.ini";
        field("Popis_Edit")->setText(QStringLiteral("KS Brno"));
        field("Vzdalenost_Edit")->setText(QStringLiteral("sto"));
        QTest::mouseClick(w->findChild<QPushButton*>("Button4"), Qt::LeftButton);
        QVERIFY(messages.lastContains(QStringLiteral("Vzdálenost musí být číslo")));
        QVERIFY(!fs::exists(file));
        field("Vzdalenost_Edit")->setText(QStringLiteral("121,5"));
        field("Pulhodin_Edit")->setText(QStringLiteral("3"));
        QTest::mouseClick(w->findChild<QPushButton*>("Button4"), Qt::LeftButton);
        QCOMPARE(w->grid()->rowCount(), 1);
        w->grid()->selectRow(0);
        QTest::mouseClick(w->findChild<QPushButton*>("Button1"), Qt::LeftButton);
        QVERIFY(!w->isVisible());
        QCOMPARE(t.edit("Vzdalenost_Edit")->text(), QStringLiteral("121,5"));
        QCOMPARE(t.edit("Pulhodin_Edit")->text(), QStringLiteral("3"));
    }

    // What a new user meets first: the date has the focus, a click into a
    // field holding 0 and typing replaces the zero, Enter computes, and no
    // caption of the trip list is cut.
    void firstImpressions() {
        MessageRecorder messages;
        TravelApp t;
        t.app.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(t.app.window.get()));
        QCOMPARE(QApplication::focusWidget(), t.get<QDateEdit>("Cestovne_DateTimePicker"));

        t.addCar(QStringLiteral("Octavia"), QStringLiteral("7"), 1);
        t.get<QDateEdit>("Cestovne_DateTimePicker")->setDate(QDate(2010, 6, 15));
        for (const char* name : {"Vzdalenost_Edit", "Pulhodin_Edit"}) {
            QLineEdit* e = t.edit(name);
            QTest::mouseClick(e, Qt::LeftButton, {}, QPoint(e->width() - 6, e->height() / 2));
            QTRY_COMPARE(e->selectedText(), QStringLiteral("0"));
            QTest::keyClicks(e, QStringLiteral("2"));
            QCOMPARE(e->text(), QStringLiteral("2"));
        }
        QTest::keyClick(t.edit("Pulhodin_Edit"), Qt::Key_Return);
        QVERIFY(messages.messages.isEmpty());
        // 2 km × 3,90 + 2 km × 7 l × 27,20 / 100 + 2 half-hours × 100
        QCOMPARE(t.edit("Cestovne_Vysledek_Edit")->text(), QStringLiteral("211,61 Kč"));

        QTableWidget* list = t.list();
        const QFontMetrics fm(list->horizontalHeader()->font());
        for (int c = 0; c < list->columnCount(); ++c) {
            const QString caption = list->horizontalHeaderItem(c)->text();
            QVERIFY2(list->columnWidth(c) > fm.horizontalAdvance(caption), qPrintable(caption));
        }
    }

    void carsRemovedAndOwnPricesSaved() {
        MessageRecorder messages;
        TravelApp t;
        t.addCar(QStringLiteral("První"), QStringLiteral("5"), 0);
        t.addCar(QStringLiteral("Druhé"), QStringLiteral("pět"), 1);
        QVERIFY(messages.lastContains(QStringLiteral("Při zadávání spotřeby došlo k chybě.")));
        t.addCar(QStringLiteral("Třetí"), QStringLiteral("6,5"), 3);
        auto* grid = t.get<QTableWidget>("Auto_StringGrid");
        QCOMPARE(ui::cellText(grid, 1, 1), QString());  // added without a consumption
        grid->selectRow(1);
        t.click("Button88");
        QCOMPARE(grid->rowCount(), 2);
        QCOMPARE(ui::cellText(grid, 1, 0), QStringLiteral("Třetí"));
        QCOMPARE(ui::cellText(grid, 1, 1), QStringLiteral("6,5"));
        auto* box = t.get<QComboBox>("Auta_ComboBox");
        QCOMPARE(box->count(), 2);
        QCOMPARE(box->currentIndex(), 0);

        t.type("Natural95_Edit", "38.9");
        t.click("Button6");
        const IniFile own = IniFile::load(t.app.data->paths().dataDir / "cestovne_vlastni.ini");
        QCOMPARE(ui::qs(own.readString("palivo", "benzin-automobilovy-95-oktanu")), QStringLiteral("38.9"));
        // The own price, written with a decimal point, computes the trip.
        box->setCurrentIndex(0);
        t.get<QRadioButton>("Vlastni_Cena_Radio_1")->setChecked(true);
        t.type("Vzdalenost_Edit", "100");
        t.click("Cestovne_Vysledek_Button");
        QVERIFY(t.page->summary()->edit()->toPlainText().contains(
            QStringLiteral("Cena za 1 litr paliva (dle aktuálních cen): 38,90 Kč")));
    }
};

VERDIKA_UI_TEST(TravelPageTest);

#include "travel_page_test.moc"
