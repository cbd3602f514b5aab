#include "reference/institutions_page.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include "app/txt_page.h"
#include "common/ini.h"
#include "common/ui/qt_convert.h"
#include "reference/court_print_window.h"
#include "ui_test_support.h"

using namespace verdika;
using namespace verdika::test;
using ui::InstitutionsPage;

namespace {

struct Fixture : AppFixture {
    explicit Fixture(const std::function<void(const fs::path&)>& prepare = {}) : AppFixture(prepare) {
        window->show();
        window->showPage(ui::kInstitutionsPage);
        page = window->findChild<InstitutionsPage*>();
    }
    InstitutionsPage* page = nullptr;
    QTableWidget* grid() const { return find<QTableWidget>("DBGrid1"); }
    void click(const char* name) const { QTest::mouseClick(find<QPushButton>(QString::fromLatin1(name)), Qt::LeftButton); }
    void type(const char* name, const QString& text) const {
        // One character at a time, as typing does (keyClicks takes Latin-1 only).
        auto* e = find<QLineEdit>(QString::fromLatin1(name));
        e->clear();
        for (QChar c : text) e->insert(QString(c));
    }
    QStringList names() const {
        QStringList out;
        for (int r = 0; r < grid()->rowCount(); ++r) out << grid()->item(r, 0)->text();
        return out;
    }
    IniFile settings() const { return IniFile::load(data->dataFile("nastaveni.ini")); }
};

}  // namespace

class InstitutionsPageTest : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheWholeDirectoryByName() {
        Fixture app;
        QTRY_COMPARE(app.window->focusWidget(), app.find<QLineEdit>("Edit29"));  // ready to search
        QCOMPARE(app.grid()->rowCount(), 249);
        QCOMPARE(app.grid()->currentRow(), 0);
        QCOMPARE(app.find<QLineEdit>("nazev")->text(), app.grid()->item(0, 0)->text());
        // Czech order: a name with Ú is not pushed after every name with V.
        QVERIFY(app.names().indexOf(QStringLiteral("Ústavní soud")) < app.names().indexOf(QStringLiteral("Vrchní soud v Praze")));
    }

    void searchFollowsTheTextTheFieldAndTheBoxes() {
        Fixture app;
        app.type("Edit29", QStringLiteral("ÚSTAVNÍ"));
        QCOMPARE(app.names(), QStringList{QStringLiteral("Ústavní soud")});  // every box ticked: any kind
        app.click("Button21");  // no court box
        app.click("Button23");  // no office box: any kind again
        QCOMPARE(app.names(), QStringList{QStringLiteral("Ústavní soud")});
        QTest::mouseClick(app.find<QCheckBox>("Veznice_CheckBox"), Qt::LeftButton);
        QVERIFY(app.names().isEmpty());  // the list follows the box at once

        app.click("Button23");
        app.click("Button20");  // courts only
        QTest::mouseClick(app.find<QRadioButton>("Hledat_RadioButton0"), Qt::LeftButton);  // "Města"
        app.type("Edit29", QStringLiteral("ústí nad"));
        QVERIFY(!app.names().isEmpty());
        for (const QString& n : app.names()) QVERIFY2(n.contains(QStringLiteral("soud")) && !n.contains(QStringLiteral("zastupitel")), qPrintable(n));
        for (int r = 0; r < app.grid()->rowCount(); ++r)
            QVERIFY(app.grid()->item(r, 1)->text().startsWith(QStringLiteral("Ústí nad")));

        app.type("Edit29", QStringLiteral("'; DROP TABLE soudy; --"));
        QVERIFY(app.names().isEmpty());
        app.click("Button19");  // "Zobrazit všechny": database order, the table intact
        QCOMPARE(app.grid()->rowCount(), 249);
        QCOMPARE(app.names().front(), QStringLiteral("Ústavní soud"));
    }

    void competentCourtAndItsSuperiorCourt() {
        Fixture app;
        MessageRecorder messages;
        app.type("Edit17", QStringLiteral("kolín"));
        QTest::keyClick(app.find<QLineEdit>("Edit17"), Qt::Key_Return);
        QCOMPARE(app.names().front(), QStringLiteral("Okresní soud v Kolíně"));
        QCOMPARE(app.find<QLabel>("DBText8")->text(), QStringLiteral("Kolín"));
        app.click("Button8");
        QCOMPARE(app.names(), QStringList{QStringLiteral("Krajský soud v Praze")});
        QVERIFY(app.find<QLabel>("DBText8")->text().isEmpty());
        app.click("Button8");
        app.click("Button8");
        QCOMPARE(app.names(), QStringList{QStringLiteral("Nejvyšší soud")});
        app.click("Button8");  // no superior court: nothing changes
        QCOMPARE(app.names(), QStringList{QStringLiteral("Nejvyšší soud")});
        QVERIFY(messages.messages.isEmpty());

        app.type("Edit17", QStringLiteral("Atlantida"));
        app.click("Button48");
        QVERIFY(messages.lastContains(QStringLiteral("Atlantida")));
        QCOMPARE(app.grid()->rowCount(), 0);
        app.click("Button49");  // nothing to copy is said, not copied
        QVERIFY(messages.lastContains(QStringLiteral("není vybrána")));
    }

    void addressIsCopiedInTheChosenFormatAndTheFormatIsKept() {
        Fixture app;
        app.type("Edit29", QStringLiteral("Okresní soud ve Svitavách"));
        ui::CourtPrintWindow* print = app.page->printWindow();
        QCOMPARE(print->format(), ui::CourtPrintWindow::Plain);
        print->setFormat(ui::CourtPrintWindow::FirstLineBold);  // set up, not the user's change
        app.click("Button49");
        const QMimeData* mime = QApplication::clipboard()->mimeData();
        QCOMPARE(mime->text(), QStringLiteral("Okresní soud ve Svitavách\nDimitrovova 679/33\n568 19 Svitavy"));
        QVERIFY2(mime->html().contains(QStringLiteral("<b>Okresní soud ve Svitavách</b><br>Dimitrovova")), qPrintable(mime->html()));
        QVERIFY(mime->hasFormat(QStringLiteral("text/rtf")));
        QVERIFY(!app.settings().hasKey("soud", "format"));

        app.click("Button27");  // "Náhled adresy"
        QVERIFY(print->isVisible());
        const QTextDocument* doc = print->edit()->document();
        QCOMPARE(doc->blockCount(), 7);
        QCOMPARE(doc->findBlockByNumber(4).text(), QStringLiteral("telefon: +420 461 352 811"));
        QCOMPARE(doc->firstBlock().begin().fragment().charFormat().fontWeight(), int(QFont::Bold));
        QCOMPARE(doc->findBlockByNumber(1).begin().fragment().charFormat().fontWeight(), int(QFont::Normal));
        QCOMPARE(doc->firstBlock().begin().fragment().charFormat().fontPointSize(), 12.0);

        QTest::mouseClick(print->findChild<QRadioButton*>("Format_RadioButton2"), Qt::LeftButton);  // "vše tučně"
        QCOMPARE(app.settings().readInteger("soud", "format", 0), 2);
        QVERIFY(QApplication::clipboard()->mimeData()->html().contains(QStringLiteral("<b>Dimitrovova 679/33</b>")));

        DesktopRecorder desktop;
        const fs::path pdf = app.dir / "adresa.pdf";
        desktop.printedPdf = ui::qs(pdf.string());
        QTest::mouseClick(print->findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
        QCOMPARE(desktop.printRequests, 1);
        QVERIFY(fs::file_size(pdf) > 0);
        print->close();

        // A new window takes the stored format.
        ui::CourtPrintWindow again(app.data->settings());
        QCOMPARE(again.format(), ui::CourtPrintWindow::AllBold);
    }

    void addressesGoToTheTxtPage() {
        Fixture app;
        app.type("Edit29", QStringLiteral("Svitav"));
        const int found = app.grid()->rowCount();
        QVERIFY(found >= 2);
        app.click("BitBtn33");
        QCOMPARE(app.window->pageControl()->currentIndex(), int(ui::kTxtPage));
        auto* txt = app.window->findChild<ui::TxtPage*>();
        QVERIFY(txt->box()->toPlainText().startsWith(QStringLiteral("Okresní soud ve Svitavách\nDimitrovova 679/33\n568 19 Svitavy\n\ntelefon:")));
        app.window->showPage(ui::kInstitutionsPage);
        app.click("Button32");  // every listed institution, after what the page already holds
        const QStringList lines = txt->box()->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 7 + found * 8);
        QCOMPARE(lines[7 + 3], QStringLiteral("tel: +420 461 352 811"));
        QCOMPARE(lines[7 + 6], QStringLiteral("https://justice.cz/web/okresni-soud-ve-svitavach"));
    }

    void mailWebAndMapsOpenInTheDesktopsPrograms() {
        Fixture app;
        DesktopRecorder desktop;
        MessageRecorder messages;
        app.type("Edit29", QStringLiteral("Okresní soud ve Svitavách"));
        QTest::mouseClick(app.find<QLabel>("DBText7"), Qt::LeftButton);
        QTest::mouseClick(app.find<QLabel>("DBText9"), Qt::LeftButton);
        QCOMPARE(desktop.opened, (QStringList{QStringLiteral("mailto:podatelna@osoud.svy.justice.cz"),
                                              QStringLiteral("https://justice.cz/web/okresni-soud-ve-svitavach")}));

        // The e-mail column asks first.
        desktop.opened.clear();
        messages.answers = {false, true};
        for (int i = 0; i < 2; ++i) {
            const QRect cell = app.grid()->visualRect(app.grid()->model()->index(0, 3));
            QTest::mouseClick(app.grid()->viewport(), Qt::LeftButton, {}, cell.center());
        }
        QCOMPARE(messages.messages.size(), 2);
        QVERIFY(messages.lastContains(QStringLiteral("Chcete odeslat email?")));
        QCOMPARE(desktop.opened, QStringList{QStringLiteral("mailto:podatelna@osoud.svy.justice.cz")});

        desktop.opened.clear();
        app.click("najit_soud_Button");
        app.type("Ulice_Edit", QStringLiteral("Husova 11"));
        app.type("Mesto_Edit", QStringLiteral("Praha 1"));
        app.click("Nalezt_Trasu_Button");
        app.type("ulice2_Edit", QStringLiteral("Náměstí Míru 1"));
        app.type("mesto2_edit", QStringLiteral("Zlín"));
        app.click("najit_cizi_Button");
        QCOMPARE(desktop.opened,
                 (QStringList{QStringLiteral("https://maps.google.com/maps?q=from:Dimitrovova%20679/33,%20Svitavy"),
                              QStringLiteral("https://maps.google.com/maps?q=from:Husova%2011,%20Praha%201%20to:%20"
                                             "Dimitrovova%20679/33,%20Svitavy"),
                              QStringLiteral("https://maps.google.com/maps?q=from:N%C3%A1m%C4%9Bst%C3%AD%20M%C3%ADru%201,"
                                             "%20Zl%C3%ADn")}));
    }

    void officeAddressIsSavedBesideTheProfile() {
        Fixture app([](const fs::path& dataDir) {
            writeCp1250(dataDir / "nastaveni.ini", "[uzivatel]\njmeno=JUDr. Jan Novák\nulice=Stará 1\nmesto=Brno\n");
        });
        MessageRecorder messages;
        QCOMPARE(app.find<QLineEdit>("Ulice_Edit")->text(), QStringLiteral("Stará 1"));
        QCOMPARE(app.find<QLineEdit>("Mesto_Edit")->text(), QStringLiteral("Brno"));
        app.type("Ulice_Edit", QStringLiteral("Nová 2"));
        app.type("Mesto_Edit", QStringLiteral("Praha 2"));
        app.click("Button37");
        const IniFile ini = app.settings();
        QCOMPARE(ui::qs(ini.readString("uzivatel", "ulice")), QStringLiteral("Nová 2"));
        QCOMPARE(ui::qs(ini.readString("uzivatel", "mesto")), QStringLiteral("Praha 2"));
        QCOMPARE(ui::qs(ini.readString("uzivatel", "jmeno")), QStringLiteral("JUDr. Jan Novák"));
    }
};

VERDIKA_UI_TEST(InstitutionsPageTest);
#include "institutions_page_test.moc"
