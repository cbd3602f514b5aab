#include "fees/court_fee_page.h"

#include <QApplication>
#include <QClipboard>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "common/ui/qt_convert.h"
#include "fees/ui/fee_test_host.h"
#include "ui_test_support.h"

using namespace verdika;
using namespace verdika::test;

namespace {

void clickItem(QListWidget* list, int row) {
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

}  // namespace

class CourtFeePageTest : public QObject {
    Q_OBJECT
private slots:
    void chooseAnItemEnterAnAmountReadTheFee() {
        AppFixture app;
        app.window->show();
        app.window->showPage(ui::kCourtFeePage);
        auto* list = app.find<QListWidget>("Soudni_Poplatky_ListBox");
        auto* principal = app.find<QLineEdit>("Jistina_Soudni");
        auto* date = app.find<QDateEdit>("Soudni_Poplatek_Date");
        auto* result = app.find<QLineEdit>("Vysledek_Soudni");
        QVERIFY(list && principal && date && result);
        QCOMPARE(list->count(), 84);
        QCOMPARE(list->currentRow(), -1);
        QCOMPARE(date->date(), QDate::currentDate());
        QCOMPARE(result->text(), QStringLiteral("0,00 Kč"));
        QVERIFY(!principal->isEnabled());
        QCOMPARE(app.find<QLabel>("Soudni_Poplatek_Ucinnost_Label")->text(), QStringLiteral("S účinností k datu 1.1.2026"));

        date->setDate(QDate(2014, 1, 1));
        clickItem(list, 7);  // item 8, the monetary claim
        QVERIFY(principal->isEnabled());
        principal->selectAll();
        QTest::keyClicks(principal, QStringLiteral("20001"));
        QCOMPARE(result->text(), QStringLiteral("1.000,50 Kč"));
        date->setDate(QDate(2013, 12, 31));  // the old rule: base 20 000
        QCOMPARE(result->text(), QStringLiteral("1.000,00 Kč"));

        // A fixed item disables the principal and shows its amount at once.
        date->setDate(QDate(2026, 1, 1));
        clickItem(list, 24);
        QVERIFY(!principal->isEnabled());
        QCOMPARE(result->text(), QStringLiteral("5.000,00 Kč"));
        auto* view = app.page<ui::CourtFeePage>(ui::kCourtFeePage);
        QCOMPARE(view->courtFee(), 5000.0);
        app.find<QToolButton>("BitBtn86")->click();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("5.000,00 Kč"));
        app.find<QToolButton>("BitBtn87")->click();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("5000"));

        // An item the table has no amount for on that day says so.
        date->setDate(QDate(2013, 12, 31));
        list->setCurrentRow(73);  // by keyboard
        QCOMPARE(result->text(), QStringLiteral("0,00 Kč"));
        QVERIFY(!app.find<QLabel>("Soudni_Poplatek_Poznamka")->text().isEmpty());
        date->setDate(QDate(2017, 9, 30));
        QCOMPARE(result->text(), QStringLiteral("4.000,00 Kč"));
        QVERIFY(app.find<QLabel>("Soudni_Poplatek_Poznamka")->text().isEmpty());
    }

    void searchSelectsWithoutComputingAndWraps() {
        AppFixture app;
        auto* list = app.find<QListWidget>("Soudni_Poplatky_ListBox");
        auto* search = app.find<QLineEdit>("Soudni_Poplatek_Hledat");
        auto* next = app.find<QPushButton>("Soudni_Poplatek_Hledat_Dalsi");
        auto* result = app.find<QLineEdit>("Vysledek_Soudni");
        search->setText(QStringLiteral("DOVOLÁNÍ"));
        QCOMPARE(list->currentRow(), 73);
        QCOMPARE(result->text(), QStringLiteral("0,00 Kč"));  // selecting by search does not compute
        next->click();
        QCOMPARE(list->currentRow(), 74);
        next->click();
        QCOMPARE(list->currentRow(), 75);
        next->click();  // past the last match: from the top again
        QCOMPARE(list->currentRow(), 73);
        search->setText(QStringLiteral("nic takového"));
        QCOMPARE(list->currentRow(), 73);  // a text that finds nothing leaves the choice
        next->click();
        QCOMPARE(list->currentRow(), 0);  // "další" without a match: the first item
    }

    void regulationFromTheDataDirectoryOrTheProgramsCopy() {
        AppFixture app;
        ui::RecordingHost host(*app.data);
        ui::CourtFeePage page(host);
        page.findChild<QPushButton*>("Predpis_549_1991")->click();
        QCOMPARE(host.regulations.value(0), ui::qpath(app.data->programFile("soudni_p.vrd")));
        writeBytes(app.data->dataFile("soudni_p.vrd"), "549/1991 Sb.\n");
        page.findChild<QPushButton*>("Predpis_549_1991")->click();
        QCOMPARE(host.regulations.value(1), ui::qpath(app.data->dataFile("soudni_p.vrd")));
    }
};

VERDIKA_UI_TEST(CourtFeePageTest);

#include "court_fee_page_test.moc"
