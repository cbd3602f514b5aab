#include "fees/executor_page.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "ui_test_support.h"

using namespace verdika;
using namespace verdika::test;

class ExecutorPageTest : public QObject {
    Q_OBJECT
private slots:
    void chooseAnItemEnterAValueReadTheFee() {
        AppFixture app;
        auto* list = app.find<QListWidget>("Exekutor_ListBox");
        auto* value = app.find<QLineEdit>("Exekutor_Tarif_Edit");
        auto* fee = app.find<QLineEdit>("Exekutor_Odmena_Edit");
        auto* advance = app.find<QCheckBox>("zaloha_exekutor_CheckBox");
        auto* voluntary = app.find<QCheckBox>("splni_exekutor_CheckBox");
        auto* compute = app.find<QPushButton>("BitBtn8");
        QVERIFY(list && value && fee && advance && voluntary && compute);
        QCOMPARE(list->count(), 17);
        QVERIFY(!advance->isEnabled());
        QVERIFY(!voluntary->isChecked());

        list->setCurrentRow(0);
        QVERIFY(advance->isEnabled());
        QVERIFY(voluntary->isEnabled());
        value->setText(QStringLiteral("10.000.000"));
        compute->click();
        QCOMPARE(fee->text(), QStringLiteral("1.150.000,00"));
        voluntary->click();
        QCOMPARE(fee->text(), QStringLiteral("575.000,00"));
        advance->click();  // both ticked: only the voluntary payment counts
        QCOMPARE(fee->text(), QStringLiteral("575.000,00"));
        voluntary->click();
        QCOMPARE(fee->text(), QStringLiteral("575.000,00"));  // the advance alone
        advance->click();
        value->setText(QStringLiteral("12.345,67"));
        compute->click();
        QCOMPARE(fee->text(), QStringLiteral("3.000,00"));  // the minimum

        // The fixed fee of eviction, reduced for a voluntary payment.
        list->setCurrentRow(1);
        QVERIFY(!value->isEnabled());
        QCOMPARE(fee->text(), QStringLiteral("14.000,00"));
        voluntary->click();
        QCOMPARE(fee->text(), QStringLiteral("4.200,00"));
        voluntary->click();

        // An item without an advance or a reduced fee disables both boxes.
        list->setCurrentRow(8);
        QVERIFY(!advance->isEnabled());
        QVERIFY(!voluntary->isEnabled());
        QVERIFY(app.find<QLabel>("exekutor_Label")->text().contains(QStringLiteral("program neobsahuje")));
    }

    void feeGoesToTheCalculatorsList() {
        AppFixture app;
        app.find<QListWidget>("Exekutor_ListBox")->setCurrentRow(1);
        app.find<QPushButton>("Button69")->click();
        auto* kept = app.find<QListWidget>("Schranka_Vysledku_ListBox");
        QCOMPARE(kept->count(), 1);
        QCOMPARE(kept->item(0)->text(), QStringLiteral("14000"));
        app.find<QLineEdit>("hledani_exekutor_edit")->setText(QStringLiteral("ZÁLOHA"));
        QCOMPARE(app.find<QListWidget>("Exekutor_ListBox")->currentRow(), 6);
    }
};

VERDIKA_UI_TEST(ExecutorPageTest);

#include "executor_page_test.moc"
