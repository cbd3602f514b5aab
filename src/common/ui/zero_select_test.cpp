#include "common/ui/zero_select.h"

#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include "app/main_window.h"
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

        // The kit's spin box selects its zero by itself.
        QTest::mouseClick(count->edit(), Qt::LeftButton, {}, QPoint(4, count->edit()->height() / 2));
        QTRY_COMPARE(count->edit()->selectedText(), QStringLiteral("0"));
        QTest::keyClicks(count->edit(), QStringLiteral("7"));
        QCOMPARE(count->value(), 7);

        // Focus given by the program (a page shown first) selects a zero too.
        zero->setText(QStringLiteral("0"));
        number->setFocus();
        zero->setFocus();
        QTRY_COMPARE(zero->selectedText(), QStringLiteral("0"));
        // A click into the zero of a field that has the focus already (a page's first field).
        zero->deselect();
        QTest::mouseClick(zero, Qt::LeftButton, {}, QPoint(zero->width() - 4, zero->height() / 2));
        QCOMPARE(zero->selectedText(), QStringLiteral("0"));
    }

    // The pages' own fields: a number field, a spin box's edit and a plain
    // percentage edit, each clicked as a user does and typed into.
    void clickingAPageFieldHoldingZeroAndTyping12345Gives12345() {
        verdika::test::AppFixture app;
        app.window->show();
        app.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(app.window.get()));
        const std::pair<int, const char*> fields[] = {
            {kInsolvencyPage, "zajistene_edit"}, {kDeadlinePage, "Edit28"}, {kCompensationPage, "Edit7"}};
        for (const auto& [pageIndex, name] : fields) {
            app.window->showPage(pageIndex);
            auto* edit = app.find<QLineEdit>(QString::fromLatin1(name));
            QVERIFY2(edit, name);
            edit->setText(QStringLiteral("0"));
            edit->clearFocus();
            QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(edit->width() / 2, edit->height() / 2));
            QTRY_VERIFY2(!edit->selectedText().isEmpty(), name);
            QTest::keyClicks(edit, QStringLiteral("12345"));
            QVERIFY2(edit->text().remove(QLatin1Char('.')) == QStringLiteral("12345"), qPrintable(edit->text()));
        }
    }
};

VERDIKA_UI_TEST(ZeroSelectTest);

#include "zero_select_test.moc"
