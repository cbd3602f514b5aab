#include "common/ui/zero_select.h"

#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include "common/ui/up_down_field.h"
#include "ui_test_support.h"

using namespace verdika::ui;

class ZeroSelectTest : public QObject {
    Q_OBJECT
private slots:
    void zeroFormsAreTold() {
        for (const char* zero : {"0", "0,00", " 0 ", "0.000,0"}) QVERIFY2(isZeroText(QString::fromLatin1(zero)), zero);
        for (const char* other : {"", ",", "10", "0,5", "abc", "0 Kč"}) QVERIFY2(!isZeroText(QString::fromUtf8(other)), other);
    }

    // A click or Tab into "0" selects it and typing replaces it; a click into
    // another number only places the cursor.
    void typingReplacesTheZero() {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* zero = new QLineEdit(QStringLiteral("0"), &window);
        auto* number = new QLineEdit(QStringLiteral("12"), &window);
        auto* count = new UpDownField(QStringLiteral("Pocet"), 0, 99, &window);
        for (QWidget* w : {static_cast<QWidget*>(zero), static_cast<QWidget*>(number), static_cast<QWidget*>(count)})
            layout->addWidget(w);
        selectZeroOnFocus(zero);
        selectZeroOnFocus(number);
        selectZeroOnFocus(count->edit());
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        QTest::mouseClick(zero, Qt::LeftButton, {}, QPoint(zero->width() - 4, zero->height() / 2));
        QTRY_COMPARE(zero->selectedText(), QStringLiteral("0"));
        QTest::keyClicks(zero, QStringLiteral("12345"));
        QCOMPARE(zero->text(), QStringLiteral("12345"));

        QTest::mouseClick(number, Qt::LeftButton, {}, QPoint(number->width() - 4, number->height() / 2));
        QTest::qWait(10);
        QVERIFY(number->selectedText().isEmpty());

        QTest::mouseClick(count->edit(), Qt::LeftButton, {}, QPoint(4, count->edit()->height() / 2));
        QTRY_COMPARE(count->edit()->selectedText(), QStringLiteral("0"));
        QTest::keyClicks(count->edit(), QStringLiteral("7"));
        QCOMPARE(count->value(), 7);

        // Focus given by the program (a page shown first) selects a zero too.
        zero->setText(QStringLiteral("0"));
        number->setFocus();
        zero->setFocus();
        QTRY_COMPARE(zero->selectedText(), QStringLiteral("0"));
    }
};

VERDIKA_UI_TEST(ZeroSelectTest);

#include "zero_select_test.moc"
