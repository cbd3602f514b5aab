#include "fees/notary_page.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "common/ui/qt_convert.h"
#include "fees/ui/fee_test_host.h"
#include "ui_test_support.h"

using namespace verdika;
using namespace verdika::test;

class NotaryPageTest : public QObject {
    Q_OBJECT
private slots:
    void chooseAnItemEnterAValueReadTheFee() {
        AppFixture app;
        auto* list = app.find<QListWidget>("Notar_ListBox");
        auto* value = app.find<QLineEdit>("Notar_Tarif_Edit");
        auto* fee = app.find<QLineEdit>("Notar_Odmena_Edit");
        auto* compute = app.find<QPushButton>("BitBtn5");
        QVERIFY(list && value && fee && compute);
        QCOMPARE(list->count(), 61);
        compute->click();  // nothing chosen: nothing happens
        QVERIFY(fee->text().isEmpty());

        list->setCurrentRow(2);  // pol. A, 2/3 of the scale
        QCOMPARE(app.find<QLabel>("Notar_Nazev_Label")->text(), list->item(2)->text());
        QCOMPARE(fee->text(), QStringLiteral("0,0"));
        value->setText(QStringLiteral("1.000.000"));
        compute->click();
        QCOMPARE(fee->text(), QStringLiteral("6.540,0"));
        QVERIFY(app.find<QLabel>("notar_Label")->text().contains(QStringLiteral("Dvě třetiny")));

        // A fixed fee disables the value and ignores it.
        list->setCurrentRow(24);
        QVERIFY(!value->isEnabled());
        QCOMPARE(fee->text(), QStringLiteral("70,0"));

        // A value that is not a number stops with a message; the fee stays.
        MessageRecorder messages;
        list->setCurrentRow(0);
        value->setText(QStringLiteral("12.5"));
        compute->click();
        QVERIFY(messages.lastContains(QStringLiteral("12.5")));
    }

    void searchRunsTheItemChange() {
        AppFixture app;
        auto* list = app.find<QListWidget>("Notar_ListBox");
        auto* search = app.find<QLineEdit>("hledani_notar_edit");
        search->setText(QStringLiteral("PRAVOSTI PODPISU"));
        QCOMPARE(list->currentRow(), 24);
        QCOMPARE(app.find<QLineEdit>("Notar_Odmena_Edit")->text(), QStringLiteral("70,0"));
        search->setText(QStringLiteral("pol. D"));
        QCOMPARE(list->currentRow(), 12);
        app.find<QPushButton>("Button68")->click();
        QCOMPARE(list->currentRow(), 13);
        list->setCurrentRow(17);  // the last "pol. D"
        app.find<QPushButton>("Button68")->click();
        QCOMPARE(list->currentRow(), 12);  // no further match: again from the first item
    }

    void feeGoesToTheCalculatorsList() {
        AppFixture app;
        app.find<QListWidget>("Notar_ListBox")->setCurrentRow(2);
        app.find<QLineEdit>("Notar_Tarif_Edit")->setText(QStringLiteral("1000000"));
        app.find<QPushButton>("BitBtn5")->click();
        app.find<QPushButton>("Button70")->click();
        auto* kept = app.find<QListWidget>("Schranka_Vysledku_ListBox");
        QCOMPARE(kept->count(), 1);
        QCOMPARE(kept->item(0)->text(), QStringLiteral("6540"));  // a plain number: it can be summed
        QVERIFY(kept->item(0)->toolTip().startsWith(QStringLiteral("Odměna notáře: pol. A")));

        ui::RecordingHost host(*app.data);
        ui::NotaryPage page(host);
        page.findChild<QPushButton*>("notar_predpis")->click();
        QCOMPARE(host.regulations.value(0), ui::qpath(app.data->dataFile("notar.vrd")));
    }
};

VERDIKA_UI_TEST(NotaryPageTest);

#include "notary_page_test.moc"
