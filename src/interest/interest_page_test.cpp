#include "interest/interest_page.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>
#include <zip.h>

#include "common/ui/grid_helpers.h"
#include "common/ui/qt_convert.h"
#include "interest/preview_window.h"
#include "interest/rate_table_window.h"
#include "reference/regulation_window.h"
#include "ui_test_support.h"

using namespace verdika;
using namespace verdika::test;

namespace {

// The page's controls by name.
struct Page {
    AppFixture& app;
    template <typename T>
    T* get(const char* name) const {
        T* w = app.find<T>(QString::fromLatin1(name));
        if (!w) qFatal("no control %s", name);
        return w;
    }
    ui::InterestPage* page() const { return get<ui::InterestPage>("TabSheet6"); }
    void click(const char* button) const { QTest::mouseClick(get<QAbstractButton>(button), Qt::LeftButton); }
    void debt(const QString& amount, QDate due, QDate until, const QString& label = {}) const {
        get<QLineEdit>("Zadluzeno_Edit")->setText(amount);
        get<QDateEdit>("zadluzeno_DateTimePicker")->setDate(due);
        get<QDateEdit>("Prodleni_Do_DateTimePicker")->setDate(until);
        if (!label.isEmpty()) get<QComboBox>("Zadluzeno_ComboBox")->setCurrentText(label);
        click("Dluh_Pribyl_Button");
    }
    void payment(const QString& amount, QDate day, const QString& label) const {
        get<QLineEdit>("cast_zaplaceno_edit")->setText(amount);
        get<QDateEdit>("cast_zaplaceno_DateTimePicker")->setDate(day);
        auto* box = get<QComboBox>("zaplaceno_combobox");
        box->setCurrentIndex(box->findText(label));
        click("cast_zaplaceno_Button");
    }
    QString cell(const char* grid, int row, int col) const { return ui::cellText(get<QTableWidget>(grid), row, col); }
    QStringList row(const char* grid, int r) const {
        QStringList out;
        auto* g = get<QTableWidget>(grid);
        for (int c = 0; c < g->columnCount(); ++c) out << ui::cellText(g, r, c);
        return out;
    }
};

std::vector<std::string> zipMembers(const fs::path& file) {
    std::vector<std::string> out;
    int err = 0;
    zip_t* z = zip_open(file.c_str(), ZIP_RDONLY, &err);
    if (!z) return out;
    for (zip_int64_t i = 0; i < zip_get_num_entries(z, 0); ++i) out.emplace_back(zip_get_name(z, i, 0));
    zip_close(z);
    return out;
}

}  // namespace

class InterestPageTest : public QObject {
    Q_OBJECT
private slots:
    void twoDebtsAndAPaymentGiveTheGridAndThePetition() {
        MessageRecorder messages;
        AppFixture app;
        Page p{app};
        app.window->showPage(ui::kInterestPage);
        p.debt("10.000,00", QDate(2015, 1, 14), QDate(2015, 3, 31));
        p.debt("2000", QDate(2012, 6, 30), QDate(2015, 3, 31));
        QCOMPARE(p.get<QComboBox>("Zadluzeno_ComboBox")->currentText(), QStringLiteral("C"));  // labels go on
        QCOMPARE(p.get<QComboBox>("zaplaceno_combobox")->count(), 3);
        p.payment("5000", QDate(2015, 3, 1), "A");
        QCOMPARE(p.row("zadluzeno_StringGrid", 0), (QStringList{"14.1.2015", "31.3.2015", "10000", "A"}));
        QCOMPARE(p.get<QTableWidget>("zadluzeno_StringGrid")->rowCount(), 3);  // the empty last row
        p.click("BitBtn9");
        QVERIFY2(messages.messages.isEmpty(), qPrintable(messages.messages.join('\n')));

        // Sorted by due date, as the computation leaves the grid.
        QCOMPARE(p.cell("zadluzeno_StringGrid", 0, 3), QStringLiteral("B"));
        QCOMPARE(p.row("Vysledek_StringGrid", 0),
                 (QStringList{"A", "15.1.2015", "31.3.2015", "76", "34,86 Kč", "5.099,25 Kč", "5.134,11 Kč"}));
        QCOMPARE(p.row("Vysledek_StringGrid", 1),
                 (QStringList{"B", "1.7.2012", "31.3.2015", "1004", "412,60 Kč", "2.000,00 Kč", "2.412,60 Kč"}));
        QCOMPARE(p.row("Vysledek_StringGrid", 2), (QStringList{"", "", "", "suma:", "447,47 Kč", "7.099,25 Kč", "7.546,71 Kč"}));
        QCOMPARE(p.get<QTableWidget>("Vysledek_StringGrid")->rowCount(), 4);
        const QString petition = p.get<QPlainTextEdit>("Vysvetleni_Memo")->toPlainText();
        QVERIFY(petition.startsWith(QStringLiteral("Žalovaný je povinen uhradit žalobci do 15 dnů od právní moci "
                                                   "rozhodnutí úrok z prodlení z částky 10.000,00 Kč od 15.1.2015 do 28.2.2015")));
        QCOMPARE(QApplication::clipboard()->text(), petition);
        QVERIFY(p.get<QTextEdit>("Prubeh_Vypoctu_RichEdit")->toPlainText().contains(
            QStringLiteral("    úrok z prodlení v korunách = 412,602739726027")));
        QCOMPARE(p.get<QPlainTextEdit>("Vysvetleni2_Memo")->toPlainText().split('\n').size(), 4);
        const fs::path csv = p.page()->lastExport();
        QCOMPARE(csv.parent_path(), app.data->dataFile("Excel-export"));
        QVERIFY(fs::exists(csv));

        // A petition choice re-runs the computation with the new wording.
        p.click("zalovan2_RadioGroup_1");
        QVERIFY(p.get<QPlainTextEdit>("Vysvetleni_Memo")->toPlainText().startsWith(QStringLiteral("Žalovaná je povinna")));
        QVERIFY(p.page()->lastExport() != csv);

        // The results as text on the page "TXT".
        p.click("BitBtn32");
        QCOMPARE(app.window->pageControl()->currentIndex(), int(ui::kTxtPage));
        QVERIFY(app.find<QTextEdit>("TXT_RichEdit")->toPlainText().contains(QStringLiteral("Jistina s úroky: 7.546,71 Kč")));
    }

    void labelsPerGroupAndTheMonthButton() {
        MessageRecorder messages;
        AppFixture app;
        Page p{app};
        p.debt("100", QDate(2024, 1, 31), QDate(2024, 12, 31), "B");
        p.debt("100", QDate(2024, 1, 31), QDate(2024, 12, 31), "b");
        QVERIFY(messages.lastContains(QStringLiteral("Nelze přidat dvě jistiny stejné skupiny závazku!")));
        QCOMPARE(p.get<QTableWidget>("zadluzeno_StringGrid")->rowCount(), 2);
        // Next month three times from 31.1.: the clamped day stays.
        p.get<QComboBox>("Zadluzeno_ComboBox")->setCurrentText("C");
        for (int i = 0; i < 3; ++i) p.click("Dluh_Pribyl_Mesic_Button");
        QCOMPARE(p.cell("zadluzeno_StringGrid", 1, 0), QStringLiteral("29.2.2024"));
        QCOMPARE(p.cell("zadluzeno_StringGrid", 2, 0), QStringLiteral("29.3.2024"));
        QCOMPARE(p.cell("zadluzeno_StringGrid", 3, 0), QStringLiteral("29.4.2024"));
        QCOMPARE(p.cell("zadluzeno_StringGrid", 3, 3), QStringLiteral("E"));
        // Editing a row may not take another row's label either.
        auto* grid = p.get<QTableWidget>("zadluzeno_StringGrid");
        grid->setCurrentCell(1, 0);
        p.get<QComboBox>("Zadluzeno_ComboBox")->setCurrentText("e");
        const int before = messages.messages.size();
        p.click("Uprav_Jistinu_Button");
        QCOMPARE(messages.messages.size(), before + 1);
        QCOMPARE(p.cell("zadluzeno_StringGrid", 1, 3), QStringLiteral("C"));
        // A free label through "Vlož popis" goes first in both lists.
        p.get<QComboBox>("Zadluzeno_ComboBox")->setCurrentText("Faktura 12");
        p.click("Button52");
        QCOMPARE(p.get<QComboBox>("Zadluzeno_ComboBox")->itemText(0), QStringLiteral("Faktura 12"));
        QCOMPARE(p.get<QComboBox>("zaplaceno_combobox")->currentText(), QStringLiteral("Faktura 12"));
        // Removing and clearing.
        grid->setCurrentCell(0, 0);
        p.click("Button40");
        QCOMPARE(p.cell("zadluzeno_StringGrid", 0, 0), QStringLiteral("29.2.2024"));
        p.click("Button54");
        QCOMPARE(grid->rowCount(), 1);
        QCOMPARE(p.get<QComboBox>("Zadluzeno_ComboBox")->currentIndex(), 0);
    }

    void okWithOnlyAPrincipalTypedAndBadCases() {
        MessageRecorder messages;
        AppFixture app;
        Page p{app};
        p.get<QLineEdit>("Zadluzeno_Edit")->setText("10000");
        p.get<QDateEdit>("zadluzeno_DateTimePicker")->setDate(QDate(2015, 1, 14));
        p.get<QDateEdit>("Prodleni_Do_DateTimePicker")->setDate(QDate(2015, 2, 13));
        p.click("BitBtn9");
        QCOMPARE(p.cell("zadluzeno_StringGrid", 0, 2), QStringLiteral("10000"));
        QCOMPARE(p.cell("Vysledek_StringGrid", 0, 4), QStringLiteral("66,16 Kč"));
        // A payment for a group without a principal is refused with its label.
        auto* box = p.get<QComboBox>("zaplaceno_combobox");
        box->addItem("X");
        p.payment("10", QDate(2015, 2, 1), "X");
        p.click("BitBtn9");
        QVERIFY(messages.lastContains(QStringLiteral("„X“, která nemá žádnou jistinu")));
        // Late fee: the custom rate is on and the box disabled; interest turns it off again.
        p.click("Button55");
        p.click("RadioGroup1_1");
        QVERIFY(p.get<QCheckBox>("Vlastni_Vyse_Uroku_CheckBox")->isChecked());
        QVERIFY(p.get<QRadioButton>("Denni_urok_radio")->isChecked());
        QCOMPARE(p.get<QLineEdit>("denni_urok_edit")->text(), QStringLiteral("0,25"));
        QVERIFY(!p.get<QWidget>("GroupBox1")->isEnabled());
        p.click("BitBtn9");
        QVERIFY(p.get<QTextEdit>("Prubeh_Vypoctu_RichEdit")->toPlainText().contains(QStringLiteral("    poplatek = 1 ‰")));
        p.click("RadioGroup1_0");
        QVERIFY(!p.get<QCheckBox>("Vlastni_Vyse_Uroku_CheckBox")->isChecked());
        QVERIFY(p.get<QWidget>("GroupBox1")->isEnabled());
        // "Vynulovat" empties everything.
        p.click("Button12");
        QCOMPARE(p.get<QTableWidget>("zadluzeno_StringGrid")->rowCount(), 1);
        QVERIFY(p.cell("Vysledek_StringGrid", 0, 0).isEmpty());
        QVERIFY(p.get<QPlainTextEdit>("Vysvetleni_Memo")->toPlainText().isEmpty());
        QVERIFY(p.get<QLineEdit>("Rocni_Urok_Edit")->text().isEmpty());
    }

    void reportFilesSaveAndLoad() {
        DesktopRecorder desktop;
        MessageRecorder messages;
        AppFixture app;
        Page p{app};
        p.debt("1000", QDate(2023, 12, 31), QDate(2024, 3, 31));
        p.payment("200", QDate(2024, 2, 1), "nejdříve splatný");
        p.get<QCheckBox>("Vlastni_Vyse_Uroku_CheckBox")->setChecked(true);
        p.get<QRadioButton>("Denni_urok_radio")->setChecked(true);
        p.get<QLineEdit>("denni_urok_edit")->setText("0,05");
        p.get<QLineEdit>("Edit13")->setText("360");
        const fs::path file = app.data->dataFile("Uroky-sestavy") / "případ.urk";
        desktop.fileAnswers << ui::qpath(file);
        p.click("Ulozit_Button");
        QCOMPARE(desktop.fileRequests.last().directory, ui::qpath(app.data->dataFile("Uroky-sestavy")));
        QCOMPARE(desktop.fileRequests.last().defaultSuffix, QStringLiteral("urk"));
        QCOMPARE(readBytes(file), std::string("d@31.12.2023@31.3.2024@1000@A@\r\np@1.2.2024@200@nejd\xF8\xEDve splatn\xFD@\r\nv@18\r\nu\r\n"));

        p.click("Button12");
        p.get<QLineEdit>("Edit13")->setText("365");
        desktop.fileAnswers << ui::qpath(file);
        p.click("Nacti_Button");
        QCOMPARE(p.row("zadluzeno_StringGrid", 0), (QStringList{"31.12.2023", "31.3.2024", "1000", "A"}));
        QCOMPARE(p.row("zaplaceno_StringGrid", 0), (QStringList{"1.2.2024", "200", "nejdříve splatný"}));
        QVERIFY(p.get<QCheckBox>("Vlastni_Vyse_Uroku_CheckBox")->isChecked());
        QVERIFY(p.get<QRadioButton>("rocni_urok_radio")->isChecked());
        QCOMPARE(p.get<QLineEdit>("Rocni_Urok_Edit")->text(), QStringLiteral("18"));
        QCOMPARE(p.get<QLineEdit>("Edit13")->text(), QStringLiteral("365"));  // not kept in the file
        QVERIFY(p.get<QRadioButton>("RadioGroup1_0")->isChecked());

        // A file without rows is an empty case, and computing it shows nothing wrong.
        writeBytes(file, "z\r\nu\r\n");
        desktop.fileAnswers << ui::qpath(file);
        p.click("Nacti_Button");
        QCOMPARE(p.get<QTableWidget>("zaplaceno_StringGrid")->rowCount(), 1);
        QVERIFY(ui::rowIsEmpty(p.get<QTableWidget>("zaplaceno_StringGrid"), 0));
        QVERIFY2(messages.messages.isEmpty(), qPrintable(messages.messages.join('\n')));
    }

    void spreadsheetExportIsARealWorkbook() {
        DesktopRecorder desktop;
        MessageRecorder messages;
        AppFixture app;
        Page p{app};
        p.click("Button39");
        QVERIFY(messages.lastContains(QStringLiteral("Nejdříve stiskněte OK")));
        QVERIFY(desktop.opened.isEmpty());
        p.debt("10000", QDate(2015, 1, 14), QDate(2015, 3, 31));
        p.payment("5000", QDate(2015, 3, 1), "A");
        p.click("BitBtn9");
        p.click("Button39");
        const fs::path xlsx = p.page()->lastWorkbook();
        QCOMPARE(xlsx.extension(), fs::path(".xlsx"));
        QCOMPARE(xlsx.parent_path(), app.data->dataFile("Excel-export"));
        QCOMPARE(desktop.opened, QStringList{ui::qpath(xlsx)});
        const auto members = zipMembers(xlsx);
        QVERIFY(std::find(members.begin(), members.end(), "xl/worksheets/sheet1.xml") != members.end());
        QVERIFY(std::find(members.begin(), members.end(), "xl/workbook.xml") != members.end());
    }

    void rateTableEditorChangesTheNextComputation() {
        MessageRecorder messages;
        AppFixture app;
        Page p{app};
        p.debt("10000", QDate(2026, 7, 14), QDate(2026, 8, 13));  // 2026 H2, 1.7.2026 line
        p.click("BitBtn9");
        QCOMPARE(p.cell("Vysledek_StringGrid", 0, 4), QStringLiteral("94,52 Kč"));  // 11,50 % for 30 days
        p.click("Button24");
        ui::RateTableWindow* w = p.page()->rateTableWindow();
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->windowTitle(), QStringLiteral("Zadat novou hranici"));
        auto* list = w->findChild<QListWidget*>("ListBox1");
        const int lines = list->count();
        const int july = list->row(list->findItems(QStringLiteral("1.7.2026;"), Qt::MatchStartsWith).value(0));
        QVERIFY(july > 0);
        list->setCurrentRow(july);
        QCOMPARE(w->findChild<QLineEdit*>("Edit1")->text(), QStringLiteral("3,50"));
        w->findChild<QLineEdit*>("Edit1")->setText("abc");
        QTest::mouseClick(w->findChild<QPushButton*>("Button2"), Qt::LeftButton);
        QVERIFY(messages.lastContains(QStringLiteral("není číslo")));
        w->findChild<QLineEdit*>("Edit1")->setText("4,00");
        QTest::mouseClick(w->findChild<QPushButton*>("Button2"), Qt::LeftButton);
        QCOMPARE(list->count(), lines);
        QCOMPARE(list->item(july)->text(), QStringLiteral("1.7.2026;4,00"));
        // An earlier boundary goes to its place, not to the end.
        w->findChild<QDateEdit*>("DateTimePicker1")->setDate(QDate(1989, 7, 1));
        QTest::mouseClick(w->findChild<QPushButton*>("Button1"), Qt::LeftButton);
        QCOMPARE(list->item(0)->text(), QStringLiteral("1.7.1989;4,00"));
        p.click("BitBtn9");
        QCOMPARE(p.cell("Vysledek_StringGrid", 0, 4), QStringLiteral("98,63 Kč"));  // 12 % for 30 days
        list->setCurrentRow(0);
        QTest::mouseClick(w->findChild<QPushButton*>("Button3"), Qt::LeftButton);
        QCOMPARE(list->count(), lines);
    }

    void previewTxtAndRegulation() {
        MessageRecorder messages;
        AppFixture app;
        Page p{app};
        p.debt("10000", QDate(2015, 1, 14), QDate(2015, 2, 13));
        p.click("BitBtn9");
        p.click("BitBtn22");
        ui::PreviewWindow* preview = p.page()->previewWindow();
        QVERIFY(preview && preview->isVisible());
        QCOMPARE(preview->windowTitle(), QStringLiteral("Náhled"));
        QCOMPARE(preview->edit()->toPlainText(), p.get<QPlainTextEdit>("Vysvetleni_Memo")->toPlainText());
        p.click("BitBtn20");
        QCOMPARE(QApplication::clipboard()->text(), p.get<QPlainTextEdit>("Vysvetleni2_Memo")->toPlainText());
        app.window->appendToTxt({"předchozí"}, false);
        p.click("BitBtn31");
        const QString txt = app.find<QTextEdit>("TXT_RichEdit")->toPlainText();
        QVERIFY(txt.startsWith(QStringLiteral("předchozí\n=====")));
        QVERIFY(txt.contains(QStringLiteral("Označení jistiny: A")));
        p.click("predpis_142_1994");
        QVERIFY(app.window->regulationWindow() && app.window->regulationWindow()->isVisible());
        QVERIFY(app.window->regulationWindow()->fileShown().endsWith(QStringLiteral("urok_z_prodleni.vrd")));
        // The deadline page hands over a due date.
        app.window->setInterestDueDate(QDate(2025, 5, 5));
        QCOMPARE(p.get<QDateEdit>("zadluzeno_DateTimePicker")->date(), QDate(2025, 5, 5));
    }

    void firstShowFocusesThePrincipalAndTypingReplacesItsZero() {
        AppFixture app;
        app.window->show();
        QVERIFY(QTest::qWaitForWindowActive(app.window.get()));
        app.window->showPage(ui::kInterestPage);
        auto* principal = app.find<QLineEdit>("Zadluzeno_Edit");
        QTRY_VERIFY(principal->hasFocus());
        QTRY_COMPARE(principal->selectedText(), QStringLiteral("0,00"));
        QTest::keyClicks(principal, QStringLiteral("12345"));
        QCOMPARE(principal->text(), QStringLiteral("12345"));
    }

    // Nothing on the page is squeezed below the size its text needs: a
    // caption cut off, a date picker under its neighbour's button, a caption
    // reaching its button's frame, a result-grid caption cut by its column.
    void everyTextOnThePageShowsWhole() {
        AppFixture app;
        app.window->show();
        app.window->showPage(ui::kInterestPage);
        QCoreApplication::processEvents();
        auto* page = app.page<ui::InterestPage>(ui::kInterestPage);
        const QFontMetrics fm = page->fontMetrics();
        for (QWidget* w : page->findChildren<QWidget*>()) {
            if (!w->isVisible() || !w->parentWidget()->isVisible()) continue;
            const bool text = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLabel*>(w) ||
                              qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QComboBox*>(w);
            if (text)
                QVERIFY2(w->width() >= w->minimumSizeHint().width(), qPrintable(w->objectName()));
            if (auto* b = qobject_cast<QPushButton*>(w))
                QVERIFY2(b->width() >= fm.horizontalAdvance(b->text()) + 16, qPrintable(b->text()));
        }
        const auto* until = app.find<QWidget>("Prodleni_Do_DateTimePicker");
        const auto* today = app.find<QWidget>("Button16");
        QVERIFY(!until->geometry().intersects(today->geometry()));

        auto* grid = app.find<QTableWidget>("Vysledek_StringGrid");
        const QHeaderView* header = grid->horizontalHeader();
        const QFontMetrics hm = header->fontMetrics();
        for (int c = 0; c < grid->columnCount(); ++c) {
            const QString caption = grid->horizontalHeaderItem(c)->text();
            for (const QString& word : caption.split(' '))
                QVERIFY2(hm.horizontalAdvance(word) < header->sectionSize(c), qPrintable(caption));
            const QRect lines = hm.boundingRect(QRect(0, 0, header->sectionSize(c) - 8, 1000), Qt::TextWordWrap, caption);
            QVERIFY2(lines.height() <= header->height(), qPrintable(caption));
        }
        QVERIFY(header->sectionViewportPosition(grid->columnCount() - 1) + hm.horizontalAdvance("Celkem:") <
                grid->viewport()->width());
    }
};

VERDIKA_UI_TEST(InterestPageTest);
#include "interest_page_test.moc"
