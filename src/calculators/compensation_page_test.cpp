#include "calculators/compensation_page.h"

#include <QApplication>
#include <QClipboard>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "ui_test_support.h"

using namespace verdika;
using namespace verdika::test;

namespace {

struct CompensationFixture : AppFixture {
    CompensationFixture() {
        window->show();
        window->showPage(ui::kCompensationPage);
    }
    QLineEdit* edit(const char* name) const { return find<QLineEdit>(QString::fromLatin1(name)); }
    void click(const char* name) const { QTest::mouseClick(find<QAbstractButton>(QString::fromLatin1(name)), Qt::LeftButton); }
    void set(QDate from, QDate to) const {
        find<QDateEdit>("DateTimePicker5")->setDate(from);
        find<QDateEdit>("DateTimePicker9")->setDate(to);
    }
};

}  // namespace

class CompensationPageTest : public QObject {
    Q_OBJECT
private slots:
    void computesAdjustsAndCopies() {
        CompensationFixture app;
        QCOMPARE(app.edit("Edit2")->text(), QStringLiteral("15000"));
        app.set(QDate(2010, 1, 1), QDate(2013, 1, 1));
        QTest::mouseClick(app.find<QRadioButton>("Zadostiucineni_Zvysit_RadioButton"), Qt::LeftButton, {}, QPoint(5, 5));
        app.edit("Edit7")->setText(QStringLiteral("20"));
        app.click("Zadostiucineni_Button");
        QCOMPARE(app.edit("Edit6")->text(), QStringLiteral("3 roků a 1 dnů."));
        QCOMPARE(app.edit("Edit5")->text(), QStringLiteral("30.041,10 Kč"));
        QCOMPARE(app.edit("Edit4")->text(), QStringLiteral("36.049,32 Kč"));

        app.click("BitBtn90");
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("30.041,10 Kč"));
        app.click("BitBtn91");
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("30041,095890411"));
        app.click("BitBtn92");
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("36.049,32 Kč"));
        app.click("BitBtn93");
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("36049,3150684932"));

        // "x": no adjustment.
        app.click("Button62");
        QVERIFY(!app.find<QRadioButton>("Zadostiucineni_Zvysit_RadioButton")->isChecked());
        QVERIFY(!app.find<QRadioButton>("Zadostiucineni_Snizit_RadioButton")->isChecked());
        app.click("Zadostiucineni_Button");
        QCOMPARE(app.edit("Edit4")->text(), QStringLiteral("30.041,10 Kč"));

        // Decrease, computed with Enter in the percentage.
        QTest::mouseClick(app.find<QRadioButton>("Zadostiucineni_Snizit_RadioButton"), Qt::LeftButton, {}, QPoint(5, 5));
        app.edit("Edit8")->setText(QStringLiteral("12,5"));
        app.set(QDate(2010, 1, 1), QDate(2011, 5, 16));  // 500 days
        QTest::keyClick(app.edit("Edit8"), Qt::Key_Return);
        QCOMPARE(app.edit("Edit6")->text(), QStringLiteral("1 roků a 135 dnů."));
        QCOMPARE(app.edit("Edit5")->text(), QStringLiteral("10.273,97 Kč"));
        QCOMPARE(app.edit("Edit4")->text(), QStringLiteral("8.989,73 Kč"));
    }

    void badBaseStopsAfterTheDuration() {
        MessageRecorder messages;
        CompensationFixture app;
        app.set(QDate(2010, 1, 1), QDate(2012, 1, 1));
        app.click("Zadostiucineni_Button");
        QCOMPARE(app.edit("Edit5")->text(), QStringLiteral("15.000,00 Kč"));
        app.edit("Edit2")->setText(QStringLiteral("15.000"));
        app.set(QDate(2010, 1, 1), QDate(2013, 1, 1));
        app.click("Zadostiucineni_Button");
        QCOMPARE(messages.messages.size(), 1);
        QCOMPARE(app.edit("Edit6")->text(), QStringLiteral("3 roků a 1 dnů."));
        QCOMPARE(app.edit("Edit5")->text(), QStringLiteral("15.000,00 Kč"));
    }
};

VERDIKA_UI_TEST(CompensationPageTest);

#include "compensation_page_test.moc"
