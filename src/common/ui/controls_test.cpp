#include "common/ui/controls.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

#include "common/errors.h"
#include "common/ui/number_field.h"
#include "common/ui/result_field.h"
#include "common/ui/up_down_field.h"
#include "common/ui/zero_select.h"
#include "ui_test_support.h"

using namespace verdika;
using namespace verdika::ui;

class ControlsTest : public QObject {
    Q_OBJECT
private slots:
    void resultFieldCopiesAsShownOrAsNumber() {
        QWidget page;
        ResultField field(QStringLiteral("Vysledek"), &page, QStringLiteral("Kc"), QStringLiteral("Cislo"));
        auto* edit = page.findChild<QLineEdit*>(QStringLiteral("Vysledek"));
        QVERIFY(edit && edit->isReadOnly());
        field.setAmount(30041.095890411);
        QCOMPARE(edit->text(), QStringLiteral("30.041,10 Kč"));
        page.findChild<QToolButton*>(QStringLiteral("Kc"))->click();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("30.041,10 Kč"));
        // The number keeps every digit the computation gave, not the rounded text.
        page.findChild<QToolButton*>(QStringLiteral("Cislo"))->click();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("30041,095890411"));

        field.setValue(6540, QStringLiteral("6.540,0"));
        QApplication::clipboard()->clear();
        QTest::mouseDClick(edit, Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("6.540,0"));
        field.clear();
        QCOMPARE(field.copyText(ResultField::Copy::AsShown), QString());
        QCOMPARE(field.copyText(ResultField::Copy::AsNumber), QStringLiteral("0"));

        ResultField bare(QStringLiteral("Bez"), &page);
        QVERIFY(!bare.copyButton(ResultField::Copy::AsShown) && !bare.copyButton(ResultField::Copy::AsNumber));
    }

    void numberFieldReadsGroupsAndRefusesStrayDots() {
        NumberField field(QStringLiteral("Castka"), 2);
        QCOMPARE(field.text(), QStringLiteral("0,00"));
        struct Case {
            const char* typed;
            bool ok;
            double value;
            const char* shownAfterLeaving;
        } cases[] = {
            {"1.234.567,5", true, 1234567.5, "1.234.567,50"},
            {" 2500 ", true, 2500, "2.500,00"},
            {"", true, 0, "0,00"},
            {"12.5", false, 0, "12.5"},  // not a thousands group: left as typed for the message
            {"abc", false, 0, "abc"},
        };
        for (const auto& c : cases) {
            field.setText(QString::fromUtf8(c.typed));
            QCOMPARE(field.hasValue(), c.ok);
            if (c.ok) QCOMPARE(field.value(), c.value);
            else QVERIFY_THROWS_EXCEPTION(ConversionError, field.value());
            emit field.editingFinished();
            QCOMPARE(field.text(), QString::fromUtf8(c.shownAfterLeaving));
        }
    }

    void aZeroIsSelectedOnFocusSoTypingReplacesIt() {
        QWidget page;
        auto* layout = new QVBoxLayout(&page);
        auto* number = new NumberField(QStringLiteral("Castka"), 2, &page);
        auto* plain = new QLineEdit(QStringLiteral("0"), &page);
        selectZeroOnFocus(plain);
        auto* other = new QLineEdit(QStringLiteral("5"), &page);
        selectZeroOnFocus(other);
        for (QWidget* w : {static_cast<QWidget*>(number), static_cast<QWidget*>(plain), static_cast<QWidget*>(other)})
            layout->addWidget(w);
        page.show();
        page.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&page));
        // By the mouse, where the click would otherwise put the cursor after the zero.
        const std::pair<QLineEdit*, QString> cases[] = {
            {number, QStringLiteral("12")}, {plain, QStringLiteral("12")},
            {other, QStringLiteral("512")},  // not a zero: the click only places the cursor
        };
        for (const auto& [edit, typed] : cases) {
            QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(edit->width() - 4, edit->height() / 2));
            QCoreApplication::processEvents();  // the selection follows the click, before any typing
            QTest::keyClicks(edit, QStringLiteral("12"));
            QCOMPARE(edit->text(), typed);
        }
        // By the program or the keyboard.
        plain->setText(QStringLiteral("0"));
        number->setFocus();
        plain->setFocus(Qt::OtherFocusReason);
        QCoreApplication::processEvents();
        QCOMPARE(plain->selectedText(), QStringLiteral("0"));
    }

    void upDownFieldStepsWithinItsRange() {
        UpDownField months(QStringLiteral("mesice"), 0, 100, nullptr, QStringLiteral("mesice_edit"));
        QCOMPARE(months.edit()->objectName(), QStringLiteral("mesice_edit"));
        QCOMPARE(months.value(), 0);
        QTest::keyClick(&months, Qt::Key_Down);
        QCOMPARE(months.value(), 0);
        QTest::keyClick(&months, Qt::Key_Up);
        QCOMPARE(months.value(), 1);
        months.setValue(500);
        QCOMPARE(months.value(), 100);
    }
};

VERDIKA_UI_TEST(ControlsTest);

#include "controls_test.moc"
