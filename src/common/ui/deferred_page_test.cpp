#include "common/ui/deferred_page.h"

#include <QLabel>
#include <QTabWidget>
#include <QTest>

#include "ui_test_support.h"

using verdika::ui::DeferredPage;

class DeferredPageTest : public QObject {
    Q_OBJECT
private slots:
    void madeOnceWhenFirstShown() {
        QTabWidget tabs;
        int made = 0;
        auto* second = new DeferredPage(QStringLiteral("Second"), [&] {
            ++made;
            auto* l = new QLabel(QStringLiteral("obsah"));
            l->setObjectName(QStringLiteral("Content"));
            return l;
        });
        tabs.addTab(new QLabel(QStringLiteral("první")), QStringLiteral("1"));
        tabs.addTab(second, QStringLiteral("2"));
        tabs.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tabs));
        QCOMPARE(made, 0);
        QVERIFY(!tabs.findChild<QLabel*>(QStringLiteral("Content")));

        tabs.setCurrentIndex(1);
        QCOMPARE(made, 1);
        auto* content = tabs.findChild<QLabel*>(QStringLiteral("Content"));
        QVERIFY(content && content->isVisible());
        QCOMPARE(second->content(), content);
        tabs.setCurrentIndex(0);
        tabs.setCurrentIndex(1);
        QCOMPARE(made, 1);
    }

    void buildAllMakesPagesThatAppearWhileMaking() {
        QWidget root;
        int made = 0;
        new DeferredPage(
            QStringLiteral("Outer"),
            [&] {
                ++made;
                auto* w = new QWidget;
                new DeferredPage(
                    QStringLiteral("Inner"),
                    [&] {
                        ++made;
                        return new QLabel(QStringLiteral("uvnitř"));
                    },
                    w);
                return w;
            },
            &root);
        QVERIFY(DeferredPage::buildAll(&root));
        QCOMPARE(made, 2);
        QVERIFY(!DeferredPage::buildAll(&root));

        // A factory that asks for its own page, or makes nothing, ends the recursion and the loop.
        QWidget other;
        DeferredPage* self = nullptr;
        self = new DeferredPage(QStringLiteral("Self"), [&]() -> QWidget* { return self->content(); }, &other);
        QVERIFY(DeferredPage::buildAll(&other));
        QVERIFY(self->isBuilt() && !self->content());
    }
};

VERDIKA_UI_TEST(DeferredPageTest);

#include "deferred_page_test.moc"
