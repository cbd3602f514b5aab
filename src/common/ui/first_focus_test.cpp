#include "common/ui/first_focus.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QVBoxLayout>

#include "ui_test_support.h"

class FirstFocusTest : public QObject {
    Q_OBJECT
private slots:
    void firstInputGetsTheFocusOnlyTheFirstTimeThePageIsShown() {
        QWidget page;
        auto* layout = new QVBoxLayout(&page);
        auto* first = new QLineEdit(&page);
        auto* wanted = new QLineEdit(&page);
        layout->addWidget(first);
        layout->addWidget(wanted);
        wanted->setText(QStringLiteral("0,00"));
        verdika::ui::focusWhenFirstShown(&page, wanted);
        page.show();
        QCOMPARE(page.focusWidget(), wanted);
        QCOMPARE(wanted->selectedText(), QStringLiteral("0,00"));  // typing replaces it
        first->setFocus();
        page.hide();
        page.show();
        QCOMPARE(page.focusWidget(), first);

        QWidget handedOver;
        auto* title = new QLineEdit(&handedOver);
        verdika::ui::focusWhenFirstShown(&handedOver, new QLineEdit(&handedOver));
        title->setFocus();
        handedOver.show();
        QCOMPARE(handedOver.focusWidget(), title);
    }

    // The window's rule for a page that names no first input: the first
    // control in Tab order that takes input, on the sub-page shown.
    void firstInputOfSkipsWhatTakesNoInput() {
        QWidget page;
        auto* layout = new QVBoxLayout(&page);
        auto* readOnly = new QLineEdit(QStringLiteral("1.000,00 Kč"));
        readOnly->setReadOnly(true);
        auto* disabled = new QLineEdit;
        disabled->setEnabled(false);
        auto* tabs = new QTabWidget;
        tabs->addTab(new QLabel(QStringLiteral("Výsledek")), QStringLiteral("a"));
        tabs->addTab(new QLineEdit, QStringLiteral("b"));  // not the sub-page shown
        auto* kinds = new QComboBox;
        kinds->setEditable(true);  // its edit inside is no input of its own
        for (QWidget* w : {static_cast<QWidget*>(new QPushButton(QStringLiteral("Vypočítat"))),
                           static_cast<QWidget*>(readOnly), static_cast<QWidget*>(disabled),
                           static_cast<QWidget*>(tabs), static_cast<QWidget*>(kinds),
                           static_cast<QWidget*>(new QLineEdit)})
            layout->addWidget(w);
        QCOMPARE(verdika::ui::firstInputOf(&page), kinds);
        QVERIFY(!verdika::ui::hasFirstInput(&page));
        verdika::ui::focusWhenFirstShown(&page, kinds);
        QVERIFY(verdika::ui::hasFirstInput(&page));

        QWidget empty;
        new QLabel(QStringLiteral("Jen text"), &empty);
        QCOMPARE(verdika::ui::firstInputOf(&empty), nullptr);
    }

    // The window's rule gives way to a page that chooses its focus while it
    // is being shown (in its showEvent, after the rule's filter has run).
    void theWindowsRuleLeavesAPagesOwnChoice() {
        struct ChoosingPage : QWidget {
            QLineEdit* first = new QLineEdit(QStringLiteral("0"), this);
            QLineEdit* chosen = new QLineEdit(this);
            bool choose = true;
            void showEvent(QShowEvent*) override {
                if (choose) chosen->setFocus();
            }
        };
        for (bool choose : {true, false}) {
            ChoosingPage page;
            page.choose = choose;
            new QVBoxLayout(&page);
            page.layout()->addWidget(page.first);
            page.layout()->addWidget(page.chosen);
            verdika::ui::focusFirstInputWhenFirstShown(&page);
            page.show();
            QTRY_COMPARE(page.focusWidget(), choose ? page.chosen : page.first);
            QTest::qWait(1);
            QCOMPARE(page.focusWidget(), choose ? page.chosen : page.first);
            if (!choose) QCOMPARE(page.first->selectedText(), QStringLiteral("0"));
        }

        // A page hidden again before its showing is done (another tab chosen
        // at once) gets its first input when it is shown next, not while hidden.
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(new QLineEdit);  // where the window's own focus goes
        auto* page = new QWidget;
        auto* first = new QLineEdit(page);
        layout->addWidget(page);
        verdika::ui::focusFirstInputWhenFirstShown(page);
        window.show();
        page->hide();
        QTest::qWait(1);
        QCOMPARE(page->focusWidget(), nullptr);
        page->show();
        QTRY_COMPARE(page->focusWidget(), first);
    }
};

VERDIKA_UI_TEST(FirstFocusTest);

#include "first_focus_test.moc"
