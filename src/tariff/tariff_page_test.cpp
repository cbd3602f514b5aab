#include "tariff/tariff_page.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

#include "common/ini.h"
#include "common/ui/qt_convert.h"
#include "reference/regulation_window.h"
#include "common/ui/radio_group.h"
#include "tariff/ui/tariff_widgets.h"
#include "ui_test_support.h"

using namespace verdika;
using namespace verdika::test;

namespace {

struct Page {
    AppFixture& app;
    template <typename T>
    T* w(const char* name) const {
        T* p = app.find<T>(QString::fromLatin1(name));
        if (!p) qFatal("no control %s", name);
        return p;
    }
    void chooseKind(int kind) const {
        auto* kinds = w<QComboBox>("Tarif_Druh_Rizeni");
        kinds->setCurrentIndex(kind);
        emit kinds->activated(kind);  // as the user's choice
    }
    void typeValue(const QString& text) const {
        auto* e = w<QLineEdit>("tarifni_hodnota_edit");
        e->setFocus();
        QTest::keyClick(e, Qt::Key_End);
        while (!e->text().isEmpty()) QTest::keyClick(e, Qt::Key_Backspace);
        QTest::keyClicks(e, text);
    }
    void addAct(const QDate& date, const QString& name, bool half = false) const {
        w<QDateEdit>("Tarif_Date")->setDate(date);
        w<QComboBox>(half ? "ComboBox2" : "ComboBox1")->setEditText(name);
        QTest::mouseClick(w<QPushButton>(half ? "pridat_pulukon" : "pridat_ukon"), Qt::LeftButton);
    }
    void compute() const { QTest::mouseClick(w<QPushButton>("Tarif_Vypocitat"), Qt::LeftButton); }
    QString field(const char* name) const { return w<QLineEdit>(name)->text(); }
    QStringList summary() const { return w<QTextEdit>("Tarif_RichEdit")->toPlainText().split('\n'); }
    QString cell(int row, int col) const {
        auto* item = w<QTableWidget>("PU_SG")->item(row, col);
        return item ? item->text() : QString();
    }
};

// 200 000 Kč on 1.3.2013 and a half act on 1.1.2013: fee 9 100 and 4 550,
// lump sums 2 × 300, VAT 21 %.
void computeTwoActs(const Page& p) {
    p.chooseKind(0);
    p.typeValue(QStringLiteral("200000"));
    p.w<QCheckBox>("Platce_DPH2_CheckBox")->setChecked(true);
    p.addAct(QDate(2013, 3, 1), QStringLiteral("odvolání"));
    p.addAct(QDate(2013, 1, 1), QStringLiteral("návrh na zajištění důkazu nebo dědictví"), true);
    p.compute();
}

}  // namespace

class TariffPageTest : public QObject {
    Q_OBJECT
private slots:
    void computesTwoActsIntoTheFieldsAndTheSummary() {
        MessageRecorder messages;
        AppFixture app;
        Page p{app};
        QCOMPARE(p.w<QComboBox>("Tarif_Druh_Rizeni")->currentIndex(), 0);  // "Peněžité plnění"
        QCOMPARE(p.w<QComboBox>("Tarif_Druh_Rizeni")->count(), 35);
        computeTwoActs(p);
        QVERIFY2(messages.messages.isEmpty(), qPrintable(messages.messages.join('|')));
        QCOMPARE(p.w<QLabel>("Label43")->text(), QStringLiteral("200.000,00 Kč"));
        QCOMPARE(p.w<QGroupBox>("GroupBox3")->title(), QStringLiteral("Právní úkony: 2 právní úkony"));
        QCOMPARE(p.field("odmena_177_vsechnyPU_edit"), QStringLiteral("13.650,00 Kč"));
        QCOMPARE(p.field("Rezijni_Pausaly_Tarif_Edit"), QStringLiteral("600,00 Kč"));
        QCOMPARE(p.field("Tarif_DPH_Odmena_Edit"), QStringLiteral("2.866,50 Kč"));
        QCOMPARE(p.field("Tarif_DPH_RP_Edit"), QStringLiteral("126,00 Kč"));
        QCOMPARE(p.field("Tarif_DPH_Odmena_RP_Edit"), QStringLiteral("2.992,50 Kč"));
        QCOMPARE(p.field("Tarif_Odmena_Celkem"), QStringLiteral("17.242,50 Kč"));
        // The list is sorted by date.
        QCOMPARE(p.cell(0, 0), QStringLiteral("1.1.2013"));
        QCOMPARE(p.cell(0, 2), QStringLiteral("půl-úkon"));
        QCOMPARE(p.cell(1, 1), QStringLiteral("odvolání"));
        const QStringList s = p.summary();
        QCOMPARE(s.mid(0, 9), QStringList({"Mimosmluvní odměna advokáta podle vyhl. č. 177/1996 Sb.",
                                           "Peněžité plnění", QString(59, '-'), "",
                                           "Tarifní základ: 200.000,00 Kč", "Právní úkon dle § 11 odst. 2: ",
                                           "1.1.2013: návrh na zajištění důkazu nebo dědictví",
                                           "Odměna: 4.550,00 Kč, režijní paušál 300,00 Kč",
                                           "DPH 21%: 1.018,50 Kč (z odměny 955,50 Kč, z paušálu 63,00 Kč)"}));
        QCOMPARE(p.w<QTextEdit>("Tarif_RichEdit")->document()->defaultFont().family(),
                 QStringLiteral("Times New Roman"));

        // Copy buttons: the shown text, then the plain number; double-click copies the text.
        QTest::mouseClick(p.w<QToolButton>("BitBtn59"), Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("17.242,50 Kč"));
        QTest::mouseClick(p.w<QToolButton>("BitBtn60"), Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("17242,5"));
        QTest::mouseDClick(p.w<QLineEdit>("Tarif_DPH_RP_Edit"), Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("126,00 Kč"));

        // The petitions were refreshed with the totals.
        QVERIFY(p.w<QPlainTextEdit>("Tarif_Petit_Memo1")->toPlainText().contains(QStringLiteral("17.242,50 Kč")));

        // A second calculation replaces the summary unless the records are kept.
        p.w<QCheckBox>("CheckBox1")->setChecked(true);
        p.compute();
        QCOMPARE(p.summary().count(QStringLiteral("Peněžité plnění")), 2);

        // "Vynulovat" empties the results and the list, the summary stays.
        QTest::mouseClick(p.w<QPushButton>("Button2"), Qt::LeftButton);
        QVERIFY(p.field("Tarif_Odmena_Celkem").isEmpty());
        QCOMPARE(p.w<QTableWidget>("PU_SG")->rowCount(), 1);
        QVERIFY(p.cell(0, 0).isEmpty());
        QCOMPARE(p.w<QLineEdit>("tarifni_hodnota_edit")->text(), QStringLiteral("0"));
        QCOMPARE(p.w<QGroupBox>("GroupBox3")->title(), QStringLiteral("Právní úkony"));
        QVERIFY(!p.summary().isEmpty());
    }

    void firstCalculationOfANewUserWorks() {
        MessageRecorder messages;
        AppFixture app;
        app.window->resize(1024, 768);
        app.window->show();
        app.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(app.window.get()));
        // The start page makes its other sub-pages when they are first needed.
        QVERIFY(!app.window->findChild<QWidget*>(QStringLiteral("Tarif_Petit_TabSheet")));
        QVERIFY(!app.window->findChild<QWidget*>(QStringLiteral("Tarif_Promenne_TabSheet")));
        Page p{app};
        // The value has the focus and its "0" is replaced by what is typed.
        auto* value = p.w<QLineEdit>("tarifni_hodnota_edit");
        QCOMPARE(QApplication::focusWidget(), value);
        QVERIFY(p.field("Tarif_Odmena_Celkem").isEmpty());
        QCoreApplication::processEvents();  // the zero is selected once the focus has come
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("12345"));
        QCOMPARE(value->text(), QStringLiteral("12345"));
        p.compute();
        QVERIFY2(messages.messages.isEmpty(), qPrintable(messages.messages.join('|')));
        QVERIFY(p.field("Tarif_Odmena_Celkem").endsWith(QStringLiteral(" Kč")));
        QCOMPARE(p.summary().value(1), QStringLiteral("Peněžité plnění"));

        // A click into a percentage holding 0 selects it too; typing replaces it.
        auto* raise = p.w<QLineEdit>("Zvyseni_Procento_Tarif_Edit");
        QTest::mouseClick(raise, Qt::LeftButton, {}, QPoint(4, raise->height() / 2));
        QCoreApplication::processEvents();
        QTest::keyClicks(raise, QStringLiteral("15"));
        QCOMPARE(raise->text(), QStringLiteral("15"));

        // The closed kind list and the rest of the page fit the window's width: nothing scrolls sideways.
        auto* area = p.w<QScrollArea>("Tarif_Zakladni_Scroll");
        QCOMPARE(area->horizontalScrollBar()->maximum(), 0);
        auto* kinds = p.w<QComboBox>("Tarif_Druh_Rizeni");
        const QRect inView(kinds->mapTo(area->viewport(), QPoint(0, 0)), kinds->size());
        QVERIFY(area->viewport()->rect().contains(inView));
    }

    void kindsNotesSearchAndTheValueField() {
        MessageRecorder messages;
        AppFixture app;
        Page p{app};

        // A fixed kind fills a read-only value; a note disables "Vypočítat".
        p.w<QDateEdit>("Tarif_Date")->setDate(QDate(2024, 12, 31));
        p.chooseKind(15);
        auto* value = p.w<QLineEdit>("tarifni_hodnota_edit");
        QCOMPARE(value->text(), QStringLiteral("10000"));
        QVERIFY(value->isReadOnly());
        p.chooseKind(12);
        QVERIFY(!p.w<QPushButton>("Tarif_Vypocitat")->isEnabled());
        QVERIFY(messages.lastContains(QStringLiteral("Peněžité plnění")));
        p.chooseKind(0);
        QVERIFY(p.w<QPushButton>("Tarif_Vypocitat")->isEnabled());
        QVERIFY(!value->isReadOnly());
        QCOMPARE(value->text(), QStringLiteral("0"));

        // Search: OBHAJOBA finds kind 7, "Další" walks 8, 9, 10 and wraps to 7.
        auto* search = p.w<QLineEdit>("Hledat_Tarif");
        search->setFocus();
        search->setText(QStringLiteral("OBHAJOBA"));
        emit search->textEdited(search->text());
        auto* kinds = p.w<QComboBox>("Tarif_Druh_Rizeni");
        QCOMPARE(kinds->currentIndex(), 7);
        for (int expected : {8, 9, 10, 7}) {
            QTest::mouseClick(p.w<QPushButton>("Hledat_Tarif_dalsi"), Qt::LeftButton);
            QCOMPARE(kinds->currentIndex(), expected);
        }
        // A text no kind holds keeps the kind and turns the search text red.
        const QColor normal = search->palette().color(QPalette::Text);
        search->setText(QStringLiteral("OBHAJOBAX"));
        emit search->textEdited(search->text());
        QCOMPARE(kinds->currentIndex(), 7);
        QVERIFY(search->palette().color(QPalette::Text) != normal);
        search->setText(QStringLiteral("OBHAJOBA"));
        emit search->textEdited(search->text());
        QCOMPARE(search->palette().color(QPalette::Text), normal);

        // The value field takes digits and the comma only; Ctrl+V pastes a number only.
        p.chooseKind(0);
        p.typeValue(QStringLiteral("12a,5x"));
        QCOMPARE(value->text(), QStringLiteral("12,5"));
        QCOMPARE(p.w<QLabel>("Label43")->text(), QStringLiteral("12,50 Kč"));
        QApplication::clipboard()->setText(QStringLiteral("1.234"));
        QTest::keyClick(value, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(value->text(), QStringLiteral("12,5"));
        QApplication::clipboard()->setText(QStringLiteral("98765,4"));
        QTest::keyClick(value, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(value->text(), QStringLiteral("98765,4"));
    }

    void optionGroupsAndTheClaimCheckBeforeJuly2014() {
        MessageRecorder messages;
        AppFixture app;
        Page p{app};
        auto* special = p.w<ui::RadioGroup>("Specialni_RadioGroup");
        auto* check14b = p.w<QCheckBox>("FormularovaZaloba_CheckBox");
        auto* group14b = p.w<QGroupBox>("Formularove_GroupBox");
        check14b->setChecked(true);
        QVERIFY(ui::isGroupHighlighted(group14b));
        QTest::mouseClick(special->button(0), Qt::LeftButton);
        QCOMPARE(special->itemIndex(), 0);
        QVERIFY(ui::isGroupHighlighted(special));
        QVERIFY(!check14b->isChecked());
        QVERIFY(!ui::isGroupHighlighted(group14b));
        check14b->setChecked(true);
        QCOMPARE(special->itemIndex(), -1);
        QVERIFY(!ui::isGroupHighlighted(special));

        auto* lower = p.w<QRadioButton>("Snizeni_Procento_Tarif_Radio");
        QTest::mouseClick(lower, Qt::LeftButton);
        QVERIFY(ui::isGroupHighlighted(p.w<QGroupBox>("GroupBox24")));
        QTest::mouseClick(p.w<QToolButton>("Zrusit_Upravy_Tarifu"), Qt::LeftButton);
        QVERIFY(!lower->isChecked());
        QVERIFY(!ui::isGroupHighlighted(p.w<QGroupBox>("GroupBox24")));

        p.chooseKind(0);
        p.typeValue(QStringLiteral("20000"));
        p.addAct(QDate(2014, 6, 30), QStringLiteral("návrh na zahájení řízení (§ 14b)"));
        p.compute();
        QVERIFY(messages.lastContains(QStringLiteral("Bylo odstraněno zatržení § 14b")));
        QVERIFY(!check14b->isChecked());
        QCOMPARE(p.field("odmena_177_vsechnyPU_edit"), QStringLiteral("1.900,00 Kč"));  // by the scale
    }

    void savesAndLoadsACalculation() {
        MessageRecorder messages;
        DesktopRecorder desktop;
        AppFixture app;
        Page p{app};
        computeTwoActs(p);
        QTest::mouseClick(p.w<QRadioButton>("Zvyseni_Procento_Tarif_Radio"), Qt::LeftButton);
        p.w<QLineEdit>("Zvyseni_Procento_Tarif_Edit")->setText(QStringLiteral("10"));
        QTest::mouseClick(p.w<ui::RadioGroup>("Mimoradne_Zvyseni_RadioGroup")->button(1), Qt::LeftButton);
        const fs::path file = app.dir / "sestava.vrd";
        desktop.fileAnswers << ui::qpath(file);
        QTest::mouseClick(p.w<QPushButton>("Tarif_Ulozit_Button"), Qt::LeftButton);
        QCOMPARE(desktop.fileRequests.size(), 1);
        QCOMPARE(desktop.fileRequests[0].directory, ui::qpath(app.data->paths().dataDir));
        QCOMPARE(IniFile::load(file).readString("ukony", "pocet"), std::string("2"));

        QTest::mouseClick(p.w<QPushButton>("Button2"), Qt::LeftButton);
        QTest::mouseClick(p.w<QToolButton>("Zrusit_Upravy_Tarifu"), Qt::LeftButton);
        QTest::mouseClick(p.w<QToolButton>("Mimoradne_Zvyseni_Button"), Qt::LeftButton);
        p.w<QCheckBox>("Platce_DPH2_CheckBox")->setChecked(false);
        desktop.fileAnswers << QString();  // cancelled: nothing changes
        QTest::mouseClick(p.w<QPushButton>("Tarif_Nacist_Button"), Qt::LeftButton);
        QVERIFY(p.cell(0, 0).isEmpty());

        desktop.fileAnswers << ui::qpath(file);
        QTest::mouseClick(p.w<QPushButton>("Tarif_Nacist_Button"), Qt::LeftButton);
        QVERIFY2(messages.messages.isEmpty(), qPrintable(messages.messages.join('|')));
        QCOMPARE(p.w<QComboBox>("Tarif_Druh_Rizeni")->currentIndex(), 0);
        QCOMPARE(p.w<QLineEdit>("tarifni_hodnota_edit")->text(), QStringLiteral("200000"));
        QVERIFY(p.w<QCheckBox>("Platce_DPH2_CheckBox")->isChecked());
        QVERIFY(p.w<QRadioButton>("Zvyseni_Procento_Tarif_Radio")->isChecked());
        QCOMPARE(p.w<ui::RadioGroup>("Mimoradne_Zvyseni_RadioGroup")->itemIndex(), 1);
        QVERIFY(ui::isGroupHighlighted(p.w<ui::RadioGroup>("Mimoradne_Zvyseni_RadioGroup")));
        QCOMPARE(p.w<QTableWidget>("PU_SG")->rowCount(), 2);
        QCOMPARE(p.cell(1, 1), QStringLiteral("odvolání"));
        p.compute();
        // halved and raised by 10 %: 9 100 / 2 × 1,1 = 5 005, the half act 2 502,50
        QCOMPARE(p.field("odmena_177_vsechnyPU_edit"), QStringLiteral("7.507,50 Kč"));
    }

    void summaryGoesToTxtAndToAPdf() {
        MessageRecorder messages;
        DesktopRecorder desktop;
        AppFixture app;
        Page p{app};
        computeTwoActs(p);
        const QStringList summary = p.summary();
        app.window->appendToTxt({QStringLiteral("předchozí souhrn")}, false);

        messages.answers = {true};  // keep what "TXT" holds
        QTest::mouseClick(p.w<QToolButton>("Button84"), Qt::LeftButton);
        QVERIFY(messages.lastContains(QStringLiteral("Přejete si ponechat předchozí obsah v záložce TXT?")));
        auto* txt = app.find<QTextEdit>(QStringLiteral("TXT_RichEdit"));
        QCOMPARE(txt->toPlainText().split('\n'), QStringList{QStringLiteral("předchozí souhrn")} + summary);
        QCOMPARE(app.window->pageControl()->currentIndex(), 19);
        messages.answers = {false};
        QTest::mouseClick(p.w<QToolButton>("Button84"), Qt::LeftButton);
        QCOMPARE(txt->toPlainText().split('\n'), summary);

        const fs::path pdf = app.data->paths().dataDir / "PDF" / "tarif.pdf";
        QTest::mouseClick(p.w<QToolButton>("ToolButton12"), Qt::LeftButton);
        QVERIFY(fs::exists(pdf));
        QVERIFY(readBytes(pdf).rfind("%PDF-", 0) == 0);
        QCOMPARE(desktop.opened, QStringList{ui::qpath(pdf)});
    }

    void regulationOfTheDateOpensAndIsSearched() {
        MessageRecorder messages;
        AppFixture app;
        app.window->show();
        Page p{app};
        p.w<QDateEdit>("Tarif_Date")->setDate(QDate(2006, 8, 31));
        QTest::mouseClick(p.w<QPushButton>("Predpis_177_1996"), Qt::LeftButton);
        ui::RegulationWindow* w = app.window->regulationWindow();
        QVERIFY(w && w->isVisible());
        QVERIFY(w->fileShown().endsWith(QStringLiteral("177_1996_1.10.1997.vrd")));
        p.w<QDateEdit>("Tarif_Date")->setDate(QDate(2006, 9, 1));
        QTest::mouseClick(p.w<QPushButton>("Predpis_177_1996"), Qt::LeftButton);
        QVERIFY(w->fileShown().endsWith(QStringLiteral("177_1996_1.9.2006.vrd")));
        w->findChild<QLineEdit*>("RE")->setText(QStringLiteral("paušál"));
        QTest::mouseClick(w->findChild<QPushButton*>("Button1"), Qt::LeftButton);
        auto* memo = w->findChild<QPlainTextEdit*>("Memo1");
        QCOMPARE(memo->textCursor().selectedText(), QStringLiteral("paušál"));
        QVERIFY2(messages.messages.isEmpty(), qPrintable(messages.messages.join('|')));
    }

    void petitionTemplatesSaveAndRestore() {
        AppFixture app;
        Page p{app};
        QCOMPARE(p.w<QPlainTextEdit>("Tarif_Promenne_Memo")->toPlainText().split('\n').value(0),
                 QStringLiteral("Použitelné proměnné pro vzory petitů:"));
        auto* t1 = p.w<QPlainTextEdit>("Vzor_Tarif_Memo1");
        QVERIFY(t1->toPlainText().startsWith(QStringLiteral("_zalovany/a uhradit _zalobce/kyne náklady \n")));
        QTest::mouseClick(p.w<ui::RadioGroup>("Tarif_Zalovany_Radio")->button(1), Qt::LeftButton);
        QVERIFY(p.w<QPlainTextEdit>("Tarif_Petit_Memo1")->toPlainText().startsWith(
            QStringLiteral("Žalovaná je povinna uhradit žalobci náklady řízení")));
        t1->setPlainText(QStringLiteral("Zaplatí _odmena\ndo _do_od_komu"));
        QTest::mouseClick(p.w<QPushButton>("Button64"), Qt::LeftButton);
        QCOMPARE(IniFile::load(app.data->paths().dataDir / "nastaveni.ini").readString("vzor_tarif", "petit"),
                 std::string("Zaplatí _odmena do _do_od_komu"));
        ui::MainWindow again(*app.data, AppFixture::quietOptions());
        QCOMPARE(findControl<QPlainTextEdit>(again, QStringLiteral("Vzor_Tarif_Memo1"))->toPlainText(),
                 QStringLiteral("Zaplatí _odmena do _do_od_komu"));
        QVERIFY(findControl<QPlainTextEdit>(again, QStringLiteral("Vzor_Tarif_Memo2"))->toPlainText().startsWith(
            QStringLiteral("Výše mimosmluvní odměny")));
    }
};

VERDIKA_UI_TEST(TariffPageTest);
#include "tariff_page_test.moc"
