#include "common/ui/first_focus.h"

#include <QLineEdit>
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
};

VERDIKA_UI_TEST(FirstFocusTest);

#include "first_focus_test.moc"
