#include "common/ui/number_field.h"

#include <QTest>
#include <QVBoxLayout>

#include "ui_test_support.h"

using namespace verdika::ui;

class NumberFieldTest : public QObject {
    Q_OBJECT
private slots:
    // Clicking into a field that shows zero and typing gives the typed
    // number, not "012345"; a field holding a number keeps it under the cursor.
    void typingReplacesAZeroButNotANumber() {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* amount = new NumberField(QStringLiteral("Castka"), 2, &window);
        auto* rate = new QLineEdit(QStringLiteral("0"), &window);
        selectZeroOnFocus(rate);
        auto* other = new QLineEdit(&window);
        for (QWidget* w : {static_cast<QWidget*>(amount), static_cast<QWidget*>(rate), static_cast<QWidget*>(other)})
            layout->addWidget(w);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        struct Case {
            QLineEdit* edit;
            QString before, after;
        } cases[] = {
            {amount, QStringLiteral("0,00"), QStringLiteral("12.345,00")},
            {rate, QStringLiteral("0"), QStringLiteral("12345")},
            {rate, QStringLiteral("7"), QStringLiteral("712345")},
        };
        for (const Case& c : cases) {
            other->setFocus();
            c.edit->setText(c.before);
            QTest::mouseClick(c.edit, Qt::LeftButton, {}, QPoint(c.edit->width() - 4, c.edit->height() / 2));
            QCoreApplication::processEvents();
            QTest::keyClicks(c.edit, QStringLiteral("12345"));
            other->setFocus();  // leaving re-formats the number field
            QCOMPARE(c.edit->text(), c.after);
        }
        // By Tab too.
        amount->setValue(0);
        amount->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        QCOMPARE(amount->selectedText(), QStringLiteral("0,00"));
    }
};

VERDIKA_UI_TEST(NumberFieldTest);
#include "number_field_test.moc"
