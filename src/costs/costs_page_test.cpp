#include "costs/costs_page.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeWidget>

#include "common/ini.h"
#include "companion/docx.h"
#include "common/ui/qt_convert.h"
#include "costs/costs.h"
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
    void click(const char* name) const { QTest::mouseClick(w<QAbstractButton>(name), Qt::LeftButton); }
    void setPrincipal(const QString& text) const { w<QLineEdit>("Naklad_Jistina")->setText(text); }
    void addAct(const char* list, const QDate& date, const QString& name) const {
        const bool first = QByteArray(list) == "Naklady_SG_1";
        w<QDateEdit>(first ? "DateTimePicker2" : "DateTimePicker4")->setDate(date);
        w<QComboBox>(first ? "ComboBox3" : "ComboBox4")->setEditText(name);
        click(first ? "Button25" : "Button26");
    }
    QString field(const char* name) const { return w<QLineEdit>(name)->text(); }
    QStringList summary() const { return w<QTextEdit>("Naklady_Rizeni_Richedit")->toPlainText().split('\n'); }
    QString cell(const char* grid, int row, int col) const {
        auto* item = w<QTableWidget>(grid)->item(row, col);
        return item ? item->text() : QString();
    }
};

// A reply to a rejected cassation appeal in 2005 (Supreme Court, 33 Odo 1124/2003):
// 10 894,37 Kč, halved for the single act and for the rejection → 2 730 Kč + 75 Kč.
void computeReply(const Page& p) {
    p.w<QDateEdit>("Naklad_Date")->setDate(QDate(2005, 3, 1));
    p.setPrincipal(QStringLiteral("42629,10"));
    p.w<QCheckBox>("Naklad_Poplatek_Check")->setChecked(false);
    p.w<QCheckBox>("Naklad_DPH_Check")->setChecked(false);
    QTest::mouseClick(p.w<ui::RadioGroup>("Naklad_2_Radio")->button(1), Qt::LeftButton);
    p.addAct("Naklady_SG_1", QDate(2005, 3, 1), QStringLiteral("vyjádření k dovolání"));
    p.click("Naklad_Vypocitat");
}

}  // namespace

class CostsPageTest : public QObject {
    Q_OBJECT
private slots:
    void monetaryClaimIntoFieldsSummaryAndPetitions() {
        MessageRecorder messages;
        AppFixture app;
        Page p{app};
        computeReply(p);
        QVERIFY2(messages.messages.isEmpty(), qPrintable(messages.messages.join('|')));
        QCOMPARE(p.w<QLabel>("Naklad_Jistina_Label")->text(), QStringLiteral("42.629,10 Kč"));
        QVERIFY(ui::isGroupHighlighted(p.w<ui::RadioGroup>("Naklad_2_Radio")));
        QCOMPARE(p.field("Naklad_Odmena"), QStringLiteral("2.730,00 Kč"));
        QCOMPARE(p.field("Naklad_RP"), QStringLiteral("75,00 Kč"));
        QCOMPARE(p.field("Naklad_SP"), QStringLiteral("0,00 Kč"));
        QCOMPARE(p.field("Naklad_celkem"), QStringLiteral("2.805,00 Kč"));
        const QStringList s = p.summary();
        QCOMPARE(s.value(0), QStringLiteral("Náklady řízení dle § 3 odst. 1 vyhlášky č. 484/2000 Sb."));
        QVERIFY(s.contains(QStringLiteral("Sazba odměny snížena dle § 14/1.")));
        QVERIFY(s.contains(QStringLiteral("Sazba odměny snížena dle § 18/1 - jeden právní úkon.")));
        QCOMPARE(s.value(s.size() - 1), QStringLiteral("Náklady řízení tedy dohromady činí: 2.805,00 Kč"));
        QVERIFY(p.w<QPlainTextEdit>("petit_1_memo")->toPlainText().startsWith(
            QStringLiteral("Žalovaný je povinen uhradit žalobci náklady řízení v částce 2.805,00 Kč")));

        // Blue copies the text shown, white the number from the record.
        p.click("BitBtn46");
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("2.805,00 Kč"));
        p.click("BitBtn47");
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("2805"));

        // Kept records: the next calculation appends below.
        p.w<QCheckBox>("Ponechat_CheckBox")->setChecked(true);
        p.click("Naklad_Vypocitat");
        QCOMPARE(p.summary().count(QStringLiteral("Sazba odměny snížena dle § 14/1.")), 2);

        // "Vynulovat" keeps "Odměna + DPH z odměny", the dates and the choices.
        p.click("Naklad_Vynulovat");
        QVERIFY(p.field("Naklad_celkem").isEmpty());
        QVERIFY(p.w<QLineEdit>("Naklad_Jistina")->text().isEmpty());
        QCOMPARE(p.field("Naklad_Odmena_Dph"), QStringLiteral("2.730,00 Kč"));
        QCOMPARE(p.w<QGroupBox>("Naklad_Ukony_GroupBox")->title(), QStringLiteral("Právní úkony"));
        QCOMPARE(p.w<ui::RadioGroup>("Naklad_2_Radio")->itemIndex(), 1);
        p.click("Naklad_2_Radio_Button");
        QCOMPARE(p.w<ui::RadioGroup>("Naklad_2_Radio")->itemIndex(), -1);
        QVERIFY(!ui::isGroupHighlighted(p.w<ui::RadioGroup>("Naklad_2_Radio")));
    }

    void firstShownThePrincipalTakesTheAmountTyped() {
        AppFixture app;
        app.window->show();
        QVERIFY(QTest::qWaitForWindowActive(app.window.get()));
        app.window->showPage(ui::kCostsPage);
        auto* principal = app.find<QLineEdit>(QStringLiteral("Naklad_Jistina"));
        QTRY_COMPARE(QApplication::focusWidget(), principal);
        QTRY_COMPARE(principal->selectedText(), QStringLiteral("0"));
        QTest::keyClicks(principal, QStringLiteral("12345"));
        QCOMPARE(principal->text(), QStringLiteral("12345"));
    }

    void plainNumbersFollowTheLastCalculationOfEitherSubTab() {
        MessageRecorder messages;
        AppFixture app;
        Page p{app};
        computeReply(p);
        p.click("Naklad_Vynulovat");
        QVERIFY(p.field("Naklad_celkem").isEmpty());
        p.click("BitBtn47");
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("2805"));
        p.click("BitBtn75");  // "Nepeněžité plnění" shows nothing yet, its record is the same
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("2805"));
        p.click("BitBtn74");
        QCOMPARE(QApplication::clipboard()->text(), QString());
    }

    void defaultActsCourtFeeAndWhatTheTableLacks() {
        MessageRecorder messages;
        AppFixture app;
        Page p{app};
        p.w<QDateEdit>("Naklad_Date")->setDate(QDate(2005, 3, 1));
        p.w<QDateEdit>("DateTimePicker2")->setDate(QDate(2005, 2, 1));
        p.w<QDateEdit>("Naklad_Poplatek_Date")->setDate(QDate(2012, 1, 1));
        p.setPrincipal(QStringLiteral("700000"));
        p.click("Naklad_Vypocitat");
        QVERIFY2(messages.messages.isEmpty(), qPrintable(messages.messages.join('|')));
        // The empty list got the two acts every claim has, dated with the act-date picker.
        QCOMPARE(p.w<QTableWidget>("Naklady_SG_1")->rowCount(), 2);
        QCOMPARE(p.cell("Naklady_SG_1", 0, 0), QStringLiteral("1.2.2005"));
        QCOMPARE(p.cell("Naklady_SG_1", 1, 1), QStringLiteral("písemné podání soudu nebo jinému orgánu týkající se věci samé"));
        QCOMPARE(p.field("Naklad_Odmena"), QStringLiteral("42.000,00 Kč"));
        QCOMPARE(p.field("Naklad_SP"), QStringLiteral("35.000,00 Kč"));  // 5 % of the claim in 2012
        QCOMPARE(p.field("Naklad_celkem"), QStringLiteral("77.150,00 Kč"));

        // 2012: the scale is not in the table. Said, and the fields keep the last result.
        p.w<QDateEdit>("Naklad_Date")->setDate(QDate(2012, 6, 1));
        p.click("Naklad_Vypocitat");
        QVERIFY(messages.lastContains(QString::fromUtf8(costs::kNotInTable.data(), costs::kNotInTable.size())));
        QCOMPARE(p.field("Naklad_Odmena"), QStringLiteral("42.000,00 Kč"));

        // The regulation of the date: the version of 1.3.2012.
        app.window->show();
        p.click("Naklad_Predpis");
        QVERIFY(app.window->regulationWindow()->fileShown().endsWith(QStringLiteral("484_2000_1.3.2012.vrd")));
        p.w<QDateEdit>("Naklad_Date")->setDate(QDate(2001, 2, 6));
        p.click("Naklad_Predpis");
        QVERIFY(app.window->regulationWindow()->fileShown().endsWith(QStringLiteral("484_2000_29.12.2000.vrd")));
    }

    void nonMonetaryChoicesSearchAndMissingAmounts() {
        MessageRecorder messages;
        AppFixture app;
        Page p{app};
        p.click("Button81");
        QVERIFY(messages.lastContains(QStringLiteral("Nevybrali jste žádnou položku v části odměny.")));

        // "§ 7" found item by item with "další", wrapping to the first match.
        auto* search = p.w<QLineEdit>("Edit1");
        search->setText(QStringLiteral("§ 7"));
        emit search->textEdited(search->text());
        auto* tree = p.w<QTreeWidget>("TreeView1");
        QCOMPARE(tree->currentItem()->text(0),
                 QStringLiteral("Rozvod manželství, určení neplatnosti /existence manželství, určení a popření "
                                "otcovství § 7 a)"));
        const QString first = tree->currentItem()->text(0);
        QStringList seen;
        for (int i = 0; i < 7; ++i) {
            p.click("Button101");
            seen << tree->currentItem()->text(0);
        }
        QCOMPARE(seen.value(0), QStringLiteral("Pracovní právo § 7 c)"));  // "§7 b)" has no blank: no match
        QVERIFY(seen.contains(QStringLiteral("Zvláštní § 7 - § 11")));     // groups match too
        QCOMPARE(seen.last(), first);                                       // past the last match: from the top
        QCOMPARE(seen.count(first), 1);

        // A group cannot be computed; an item can be chosen, but its amount is not in the table.
        p.w<QCheckBox>("Naklad_Poplatek_Check_2")->setChecked(true);
        search->setText(QStringLiteral("Předběžné opatření"));
        emit search->textEdited(search->text());
        p.click("Button81");
        QVERIFY(messages.lastContains(QStringLiteral("Nevybrali jste žádný soudní poplatek")));
        p.w<QCheckBox>("Naklad_Poplatek_Check_2")->setChecked(false);
        p.click("Button81");
        QVERIFY(messages.lastContains(QString::fromUtf8(costs::kNotInTable.data(), costs::kNotInTable.size())));
        QVERIFY(p.field("Naklad_celkem_2").isEmpty());

        auto* complex = p.w<QCheckBox>("Mimoradne_Slozita_CheckBox");
        complex->setChecked(true);
        QVERIFY(ui::isGroupHighlighted(p.w<QWidget>("Mimoradne_Slozita_Panel")));
        p.click("Button31");
        QVERIFY(!complex->isChecked());
        QVERIFY(!ui::isGroupHighlighted(p.w<QWidget>("Mimoradne_Slozita_Panel")));
    }

    void setFilesRoundTrip() {
        MessageRecorder messages;
        DesktopRecorder desktop;
        AppFixture app;
        Page p{app};
        p.w<QDateEdit>("Naklad_Date")->setDate(QDate(2005, 3, 1));
        p.setPrincipal(QStringLiteral("1234,5"));
        p.w<QSpinBox>("naklady_pocet_osob")->setValue(3);
        QTest::mouseClick(p.w<ui::RadioGroup>("Naklad_1_Radio")->button(0), Qt::LeftButton);
        p.addAct("Naklady_SG_1", QDate(2005, 1, 2), QStringLiteral("žaloba"));
        const fs::path file = app.dir / "sestava.vrd";
        desktop.fileAnswers << ui::qpath(file);
        p.click("naklady_ulozit");
        QCOMPARE(desktop.fileRequests.value(0).directory, ui::qpath(app.data->paths().dataDir));

        p.click("Naklad_Vynulovat");
        p.click("Naklad_1_Radio_Button");
        p.w<QSpinBox>("naklady_pocet_osob")->setValue(1);
        desktop.fileAnswers << ui::qpath(file);
        p.click("Button34");
        QVERIFY2(messages.messages.isEmpty(), qPrintable(messages.messages.join('|')));
        QCOMPARE(p.w<QLineEdit>("Naklad_Jistina")->text(), QStringLiteral("1234,5"));
        QCOMPARE(p.w<QDateEdit>("Naklad_Date")->date(), QDate(2005, 3, 1));
        QCOMPARE(p.w<QSpinBox>("naklady_pocet_osob")->value(), 3);
        QCOMPARE(p.w<ui::RadioGroup>("Naklad_1_Radio")->itemIndex(), 0);
        QCOMPARE(p.cell("Naklady_SG_1", 0, 1), QStringLiteral("žaloba"));

        // A broken file changes nothing on the page.
        writeCp1250(app.dir / "zla.vrd", "[nastaveni]\nucinnost=31.2.2005\njistina=99\n");
        desktop.fileAnswers << ui::qpath(app.dir / "zla.vrd");
        p.click("Button34");
        QVERIFY(messages.lastContains(QStringLiteral("ucinnost")));
        QCOMPARE(p.w<QLineEdit>("Naklad_Jistina")->text(), QStringLiteral("1234,5"));

        // The non-monetary set brings back the chosen item and court fee.
        QTreeWidget* tree = p.w<QTreeWidget>("TreeView1");
        tree->setCurrentItem(tree->topLevelItem(3)->child(1));  // "Obnova řízení § 10/1", item 16
        p.w<QListWidget>("Naklady_Poplatek_Listbox")->setCurrentRow(4);
        desktop.fileAnswers << ui::qpath(app.dir / "n.vrd");
        p.click("naklad_2_ulozit");
        tree->setCurrentItem(nullptr);
        p.w<QListWidget>("Naklady_Poplatek_Listbox")->setCurrentRow(-1);
        desktop.fileAnswers << ui::qpath(app.dir / "n.vrd");
        p.click("Button50");
        QCOMPARE(IniFile::load(app.dir / "n.vrd").readString("nastaveni", "druh_rizeni"), std::string("16"));
        QCOMPARE(tree->currentItem()->text(0), QStringLiteral("Obnova řízení § 10/1"));
        QCOMPARE(p.w<QListWidget>("Naklady_Poplatek_Listbox")->currentRow(), 4);
    }

    void petitionsTemplatesAndTxt() {
        MessageRecorder messages;
        AppFixture app;
        Page p{app};
        computeReply(p);
        QCOMPARE(p.w<QPlainTextEdit>("Naklady_Promenne_Memo")->toPlainText().split('\n').value(0),
                 QStringLiteral("Použitelné proměnné pro vzory petitů:"));
        QTest::mouseClick(p.w<ui::RadioGroup>("zalovany_radio")->button(2), Qt::LeftButton);
        QTest::mouseClick(p.w<ui::RadioGroup>("zalobce_radio")->button(1), Qt::LeftButton);
        QVERIFY(p.w<QPlainTextEdit>("petit_1_memo")->toPlainText().startsWith(
            QStringLiteral("Žalovaní jsou povinni uhradit žalobkyni")));
        // A days text that is not a number is said; the petitions keep their text.
        p.w<QLineEdit>("do_edit")->setText(QStringLiteral("x"));
        QVERIFY(messages.lastContains(QStringLiteral("„x“")));
        QVERIFY(p.w<QPlainTextEdit>("petit_1_memo")->toPlainText().contains(QStringLiteral("15 dnů od")));

        auto* t2 = p.w<QPlainTextEdit>("petit_2_vzor");
        t2->setPlainText(QStringLiteral("Odměna _odmena\nceklem _naklady_rizeni"));
        p.click("SavePetitButton");
        QCOMPARE(IniFile::load(app.data->paths().dataDir / "nastaveni.ini").readString("vzor", "petit2"),
                 std::string("Odměna _odmena ceklem _naklady_rizeni"));
        ui::MainWindow again(*app.data, AppFixture::quietOptions());
        again.page(ui::kCostsPage);
        QCOMPARE(again.findChild<QPlainTextEdit*>("petit_2_vzor")->toPlainText(),
                 QStringLiteral("Odměna _odmena ceklem _naklady_rizeni"));

        const QStringList summary = p.summary();
        messages.answers = {false};
        p.click("Button85");
        QCOMPARE(app.find<QTextEdit>(QStringLiteral("TXT_RichEdit"))->toPlainText().split('\n'), summary);
        QCOMPARE(app.window->pageControl()->currentIndex(), 19);
    }

    void paymentOrderAndWordExportWriteDocuments() {
        MessageRecorder messages;
        DesktopRecorder desktop;
        AppFixture app;
        Page p{app};
        const fs::path dataDir = app.data->paths().dataDir;
        p.click("Button102");  // the shipped template appears in the data directory and opens
        QCOMPARE(desktop.opened, QStringList{ui::qpath(dataDir / "Vzor" / "PR.docx")});

        computeReply(p);
        p.click("Generovat_PR");
        QVERIFY2(messages.messages.isEmpty(), qPrintable(messages.messages.join('|')));
        QCOMPARE(desktop.opened.size(), 2);
        const fs::path order = ui::fspath(desktop.opened.last());
        QCOMPARE(order.parent_path(), dataDir / "PR");
        QVERIFY(order.filename().string().rfind("novy_pr", 0) == 0);
        const std::string xml = zipMember(order, "word/document.xml");
        QVERIFY(xml.find("částky 42.629,10 Kč s příslušenstvím") != std::string::npos);
        QVERIFY(xml.find("náklady řízení v částce 2.805,00 Kč") != std::string::npos);

        // Export: without a chosen document the page says so; with one, a filled copy beside it opens.
        p.click("Word_Nahradit_Button");
        QVERIFY(messages.lastContains(QStringLiteral("Musíte vybrat nějaký dokument Word.")));
        docx::Document user;
        user.addParagraph("Celkem _naklady_rizeni, paušál _rezijni_pausaly.");
        user.save(app.dir / "spis.docx");
        desktop.fileAnswers << ui::qpath(app.dir / "spis.docx");
        p.click("Word_Vybrat_Button");
        auto* values = p.w<QTableWidget>("ValueList");
        values->item(7, 1)->setText(QStringLiteral("_rezijni_pausaly"));  // as the user left it
        p.click("Word_Nahradit_Button");
        QCOMPARE(desktop.opened.last(), ui::qpath(app.dir / "spis - Verdika.docx"));
        QCOMPARE(docx::paragraphTexts(app.dir / "spis - Verdika.docx"),
                 std::vector<std::string>{"Celkem 2.805,00 Kč, paušál 75,00 Kč."});
    }
};

VERDIKA_UI_TEST(CostsPageTest);
#include "costs_page_test.moc"
