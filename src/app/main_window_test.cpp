#include "app/main_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

#include "common/ui/find_dialog.h"
#include "common/ui/multi_row_tabs.h"
#include "common/ui/vat_payer.h"
#include "maintenance/about_window.h"
#include "reference/laws_page.h"
#include "ui_test_support.h"

using namespace verdika;
using namespace verdika::test;
using verdika::ui::MainWindow;

namespace {

void addTaskDueTomorrow(DataModule& dm) {
    // Tomorrow at midnight is 0 or 1 rounded days away at any time of today.
    dm.tasks().insert(Task{0, DateTime{today() + std::chrono::days(1), 0}, "Odvolání", "", false, 0});
}

void sendWheel(QWidget* target, int dy) {
    QWheelEvent e(QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, dy), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &e);
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void pagesCaptionsAndHiddenTabs() {
        AppFixture app;
        QTabWidget* pages = app.window->pageControl();
        const QStringList captions = {
            "Náklady řízení - zrušeno", "Advokátní tarif", "Cestovné", "Soudní poplatky", "Správní poplatky",
            "Odměna notáře", "Odměna exekutora", "Notářské tarify", "Lhůty", "Zadostiučinění", "Úkolníček",
            "Insolvenční správce - odměna", "Vypořádání manželů", "Úroky", "Srážky ze mzdy",
            "Průměrný měsíční výdělek", "Adresy institucí", "Kalkulačka", "Zákony", "TXT"};
        QCOMPARE(pages->count(), 20);
        auto* tabs = app.find<ui::MultiRowTabs>("PageControl1_tabs");
        QVERIFY(tabs);
        for (int i = 0; i < 20; ++i) {
            QCOMPARE(pages->tabText(i), captions[i]);
            const bool hidden = i == 4 || i == 7 || i == 15;
            QCOMPARE(pages->isTabVisible(i), !hidden);
            QCOMPARE(tabs->button(i)->isHidden(), hidden);
        }
        QCOMPARE(pages->widget(1)->objectName(), QStringLiteral("TabSheet2"));
        QCOMPARE(pages->widget(10)->objectName(), QStringLiteral("Lhuty_TabSheet"));
        QCOMPARE(pages->currentIndex(), 1);
        QCOMPARE(app.window->windowTitle(), QStringLiteral("Verdika"));
        QCOMPARE(app.window->height(), 690);  // the start height; selecting the tariff page keeps it
    }

    void heightsFollowTheVisibleTab() {
        AppFixture app;
        app.window->show();
        const std::array<int, 17> expected = {690, 620, 640, 600, 630, 590, 660, 540, 600,
                                              550, 600, 730, 716, 716, 526, 550, 650};
        int visible = 0;
        for (int i = 0; i < 20; ++i) {
            if (!app.window->pageControl()->isTabVisible(i)) {
                QCOMPARE(app.window->visibleIndexOf(i), -1);
                continue;
            }
            QCOMPARE(app.window->visibleIndexOf(i), visible);
            // A click on the page's tab, as the user does it.
            QTest::mouseClick(app.find<ui::MultiRowTabs>("PageControl1_tabs")->button(i), Qt::LeftButton);
            QCOMPARE(app.window->pageControl()->currentIndex(), i);
            QCOMPARE(app.window->height(), expected[static_cast<size_t>(visible)]);
            ++visible;
        }
        QCOMPARE(visible, 17);
    }

    void tabChangeRecentresAWindowReachingBelowTheScreen() {
        AppFixture app;
        app.window->show();
        const int screenHeight = app.window->screen()->availableGeometry().height();
        app.window->move(10, screenHeight - 100);
        app.window->showPage(ui::kInterestPage);  // 730 px
        QCOMPARE(app.window->y(), (screenHeight - 15 - 730) / 2);
    }

    void dueTaskWarnsAndShowsTheTaskList() {
        MessageRecorder messages;
        ui::MainWindowOptions options = AppFixture::quietOptions();
        options.startupMessages = true;
        AppFixture app({}, options, addTaskDueTomorrow);
        QCOMPARE(app.window->pageControl()->currentIndex(), int(ui::kTaskPage));
        QCOMPARE(app.window->height(), 600);
        app.window->show();
        QTRY_VERIFY(messages.anyContains(QStringLiteral("Blížící se konec lhůt!")));
        QCOMPARE(messages.messages.size(), 1);
    }

    void warningOffKeepsTheTariffPage() {
        MessageRecorder messages;
        ui::MainWindowOptions options = AppFixture::quietOptions();
        options.startupMessages = true;
        AppFixture app([](const fs::path& dir) { writeBytes(dir / "nastaveni.ini", "[Lhuty]\nUpozorneni=0\n"); },
                       options, addTaskDueTomorrow);
        app.window->show();
        QTest::qWait(20);
        QVERIFY(messages.messages.isEmpty());
        QCOMPARE(app.window->pageControl()->currentIndex(), int(ui::kTariffPage));
        QCOMPARE(app.window->height(), 690);
    }

    void nonNumericDaysAheadFallsBackToThree() {
        AppFixture app([](const fs::path& dir) {
            writeBytes(dir / "nastaveni.ini", "[Lhuty]\nDni_predem=3) OR (1=1\n");
        }, AppFixture::quietOptions(), addTaskDueTomorrow);
        QVERIFY(app.window->deadlineWarningDue());
    }

    void statusBarClickOpensTheAboutWindow() {
        AppFixture app;
        app.window->show();
        auto* about = app.find<QLabel>("StatusBar1_about");
        QTest::mouseClick(about, Qt::LeftButton);
        QVERIFY(app.window->aboutWindow()->isVisible());
        QCOMPARE(app.window->aboutWindow()->windowTitle(), QStringLiteral("O programu"));
        QCOMPARE(app.window->aboutWindow()->findChild<QLabel*>("verze_label")->text(),
                 QStringLiteral("Verdika " VERDIKA_VERSION));
    }

    void wheelMovesSelectionsLikeArrowKeys() {
        ui::WheelAsArrowKeys filter;
        qApp->installEventFilter(&filter);
        QTableWidget grid(5, 2);
        grid.show();
        grid.setCurrentCell(2, 0);
        sendWheel(grid.viewport(), 120);  // away from the user
        QCOMPARE(grid.currentRow(), 1);
        sendWheel(grid.viewport(), -240);  // two notches towards the user
        QCOMPARE(grid.currentRow(), 3);
        QComboBox combo;
        combo.addItems({"a", "b", "c"});
        combo.show();
        sendWheel(&combo, -120);
        QCOMPARE(combo.currentIndex(), 1);
        qApp->removeEventFilter(&filter);
    }

    void findDialogSearchesTheLawText() {
        MessageRecorder messages;
        AppFixture app;
        app.window->show();
        auto* memo = app.find<QPlainTextEdit>("zakon_memo");
        memo->setPlainText(QStringLiteral("žaloba ŽALOBA soud ŽALOBA"));
        app.window->openLawFind();
        ui::FindDialog* dlg = app.window->findDialog();
        dlg->setFindText(QStringLiteral("ŽALOBA"));
        dlg->setMatchCase(false);
        app.window->finddialog1Find();
        QCOMPARE(memo->textCursor().selectionStart(), 7);
        QCOMPARE(memo->textCursor().selectedText(), QStringLiteral("ŽALOBA"));
        app.window->finddialog1Find();
        QCOMPARE(memo->textCursor().selectionStart(), 19);  // advances past the previous match
        app.window->finddialog1Find();
        QVERIFY(messages.lastContains(QStringLiteral("ŽALOBA nenalezeno.")));
        QCOMPARE(memo->textCursor().selectionStart(), 19);  // selection unchanged
    }

    void vatPayerBoxWritesOnlyUserClicksOfAShownWindow() {
        AppFixture app;
        auto* box = new QCheckBox(QStringLiteral("Plátce DPH"), app.window.get());
        ui::connectVatPayerBox(box, app.data->settings(), app.window.get());
        box->setChecked(true);  // the program setting it: never written
        QVERIFY(!app.data->settings().getBool(setting::VatPayer, false));
        app.window->show();
        box->setChecked(false);
        box->click();
        QVERIFY(app.data->settings().getBool(setting::VatPayer, false));
    }

    void failedSettingsWriteIsReported() {
        MessageRecorder messages;
        // A folder where the settings file should be: every write of it fails.
        AppFixture app([](const fs::path& dir) { fs::create_directory(dir / "nastaveni.ini"); });
        auto* box = new QCheckBox(QStringLiteral("Plátce DPH"), app.window.get());
        ui::connectVatPayerBox(box, app.data->settings(), app.window.get());
        app.window->show();
        box->click();
        QVERIFY(messages.lastContains(QStringLiteral("nelze uložit")));
        QVERIFY(fs::is_directory(app.data->paths().dataDir / "nastaveni.ini"));
    }
};

VERDIKA_UI_TEST(MainWindowTest);

#include "main_window_test.moc"
