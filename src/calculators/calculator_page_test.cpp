#include "calculators/calculator_page.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "ui_test_support.h"

using namespace verdika;
using namespace verdika::test;

class CalculatorPageTest : public QObject {
    Q_OBJECT
private slots:
    void onScreenKeys() {
        AppFixture app;
        auto press = [&](const char* name) {
            auto* b = app.find<QPushButton>(QString::fromLatin1(name));
            QVERIFY2(b, name);
            b->click();
        };
        for (const char* k : {"Jedna_SpeedButton", "Ctyri_SpeedButton", "Ctyri_SpeedButton", "Plus_SpeedButton",
                              "Dva_SpeedButton", "Nula_SpeedButton", "Procento_SpeedButton"})
            press(k);
        QCOMPARE(app.find<QLineEdit>("Kalkulacka_Edit")->text(), QStringLiteral("172,8"));
        QCOMPARE(app.find<QLabel>("Kalkulacka_Vizualne_Label")->text(),
                 QStringLiteral("144 + 20% = 144 + 28,8 = 172,8"));
        press("Button5");
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("144 + 20% = 144 + 28,8 = 172,8"));

        // Division by zero: a message, the operation stays pending.
        MessageRecorder messages;
        for (const char* k : {"Smazat_SpeedButton", "Osm_SpeedButton", "Deleno_SpeedButton", "Nula_SpeedButton",
                              "vysledek_SpeedButton"})
            press(k);
        QVERIFY(messages.lastContains(QStringLiteral("nulou")));
        QCOMPARE(app.find<QLineEdit>("Kalkulacka_Edit")->text(), QStringLiteral("0"));
    }

    void typedSequenceAndTheKeptResults() {
        AppFixture app;
        app.window->show();
        app.window->showPage(ui::kCalculatorPage);
        auto* display = app.find<QLineEdit>("Kalkulacka_Edit");
        QTRY_VERIFY(display->hasFocus());  // showing the page focuses the display
        QTest::keyClicks(display, QStringLiteral("2+3*4x."));
        QTest::keyClick(display, Qt::Key_Return);
        QCOMPARE(display->text(), QStringLiteral("12"));
        QCOMPARE(app.find<QLabel>("Kalkulacka_Vizualne_Label")->text(), QStringLiteral("2 + 3 * 4 = 12"));

        auto* kept = app.find<QListWidget>("Schranka_Vysledku_ListBox");
        app.find<QPushButton>("Button56")->click();  // => do schránkulačky
        QCOMPARE(kept->count(), 1);
        QVERIFY(display->text().isEmpty());
        QApplication::clipboard()->setText(QStringLiteral("0,5"));
        app.find<QPushButton>("vlozit_ze_schranky_Button")->click();
        app.find<QPushButton>("Button58")->click();  // the sum
        QCOMPARE(display->text(), QStringLiteral("12,5"));

        QTest::keyClick(display, Qt::Key_Delete);  // smazat
        QVERIFY(display->text().isEmpty());
        QTest::keyClicks(display, QStringLiteral("10/"));
        QTest::keyClick(display, Qt::Key_V, Qt::ControlModifier);  // pastes 0,5
        QTest::keyClick(display, Qt::Key_Enter);
        QCOMPARE(display->text(), QStringLiteral("20"));

        kept->setCurrentRow(0);
        app.find<QPushButton>("Button57")->click();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("12"));
        app.find<QPushButton>("Button59")->click();  // <= ze schránkulačky
        QCOMPARE(display->text(), QStringLiteral("12"));
        app.find<QPushButton>("Button60")->click();
        QCOMPARE(kept->count(), 1);
        QCOMPARE(kept->currentRow(), 0);
        app.find<QPushButton>("Button51")->click();
        QCOMPARE(kept->count(), 0);
    }
};

VERDIKA_UI_TEST(CalculatorPageTest);

#include "calculator_page_test.moc"
