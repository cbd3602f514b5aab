#include "reference/admin_fees_page.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "ui_test_support.h"

using namespace verdika;
using namespace verdika::test;

class AdminFeesPageTest : public QObject {
    Q_OBJECT
private slots:
    void theActOpensInTheBrowserOnceAndAgainFromHome() {
        DesktopRecorder desktop;
        MessageRecorder messages;
        AppFixture app(
            [](const fs::path& dir) { writeBytes(dir / "nastaveni.ini", "[sluzby]\npredpisy=http://zakony.test/\n"); });
        QVERIFY(!app.window->pageControl()->isTabVisible(ui::kAdminFeesPage));
        app.window->show();
        QVERIFY(desktop.opened.isEmpty());  // only a shown page opens the act
        app.window->showPage(ui::kAdminFeesPage);
        app.window->showPage(ui::kTariffPage);
        app.window->showPage(ui::kAdminFeesPage);
        const QString act = QStringLiteral("http://zakony.test/cs/2004-634");
        QCOMPARE(desktop.opened, QStringList({act}));
        QCOMPARE(app.find<QLineEdit>(QStringLiteral("Edit3"))->text(), act);

        QTest::mouseClick(app.find<QPushButton>(QStringLiteral("Domu_Button")), Qt::LeftButton);
        QCOMPARE(desktop.opened, QStringList({act, act}));
        QVERIFY(!app.find<QPushButton>(QStringLiteral("Zpet_Button"))->isEnabled());
        QTest::mouseClick(app.find<QPushButton>(QStringLiteral("Hledat_Button")), Qt::LeftButton);
        QVERIFY(messages.lastContains(QStringLiteral("Ctrl+F")));
    }
};

VERDIKA_UI_TEST(AdminFeesPageTest);
#include "admin_fees_page_test.moc"
