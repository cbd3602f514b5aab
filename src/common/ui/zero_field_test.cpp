#include "common/ui/zero_field.h"

#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include "ui_test_support.h"

using namespace verdika::ui;

class ZeroFieldTest : public QObject {
    Q_OBJECT
private slots:
    void zeroFormsAreTold() {
        for (const char* zero : {"0", "0,00", " 0 ", "0.000,0"}) QVERIFY2(isZeroText(QString::fromLatin1(zero)), zero);
        for (const char* other : {"", ",", "10", "0,5", "abc", "0 Kč"}) QVERIFY2(!isZeroText(QString::fromUtf8(other)), other);
    }

    void aClickIntoZeroSelectsItSoTypingReplacesIt() {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* other = new QLineEdit(QStringLiteral("x"), &window);
        auto* amount = new QLineEdit(QStringLiteral("0"), &window);
        layout->addWidget(other);
        layout->addWidget(amount);
        selectZeroOnFocus(amount);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        other->setFocus();

        QTest::mouseClick(amount, Qt::LeftButton, {}, QPoint(2, amount->height() / 2));
        QTRY_COMPARE(amount->selectedText(), QStringLiteral("0"));
        QTest::keyClicks(amount, QStringLiteral("12345"));
        QCOMPARE(amount->text(), QStringLiteral("12345"));

        // Anything but a zero is left as the click placed the cursor.
        other->setFocus();
        QTest::mouseClick(amount, Qt::LeftButton, {}, QPoint(amount->width() - 4, amount->height() / 2));
        QTest::qWait(10);
        QVERIFY(amount->selectedText().isEmpty());

        // Focus given by the program (a page shown first) selects a zero too.
        amount->setText(QStringLiteral("0"));
        other->setFocus();
        amount->setFocus();
        QTRY_COMPARE(amount->selectedText(), QStringLiteral("0"));
    }
};

VERDIKA_UI_TEST(ZeroFieldTest);
#include "zero_field_test.moc"
