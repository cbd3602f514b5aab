#include "deadlines/task_page.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include "common/ini.h"
#include "deadlines/ui/blank_date_edit.h"
#include "ui_test_support.h"

using namespace verdika;
using namespace verdika::test;
using ui::TaskPage;

namespace {

Date inDays(int n) { return today() + std::chrono::days(n); }

std::vector<std::string> names(const std::vector<Task>& rows) {
    std::vector<std::string> out;
    for (const auto& t : rows) out.push_back(t.nazev);
    return out;
}

struct TaskFixture : AppFixture {
    explicit TaskFixture(const std::function<void(DataModule&)>& tasks = {},
                         const std::function<void(const fs::path&)>& prepare = {})
        : AppFixture(prepare, quietOptions(), tasks) {
        window->show();
        window->showPage(ui::kTaskPage);
        page = window->findChild<TaskPage*>();
    }
    TaskPage* page = nullptr;
    void press(TaskPage::NavButton b) const { QTest::mouseClick(page->navigatorButton(b), Qt::LeftButton); }
    QTableWidget* grid(const char* name) const { return find<QTableWidget>(QString::fromLatin1(name)); }
    ui::BlankDateEdit* date() const { return find<ui::BlankDateEdit>("Lhuty_DBDateTimePicker"); }
    void enter(const char* gridName) const {
        grid(gridName)->setFocus(Qt::MouseFocusReason);
        QApplication::processEvents();
    }
};

void add(DataModule& dm, const char* name, Date when, bool done = false) {
    dm.tasks().insert(Task{0, DateTime{when, 0}, name, "", done, 0});
}

}  // namespace

class TaskPageTest : public QObject {
    Q_OBJECT
private slots:
    void navigatorHasTenButtonsWithTheirCaptions() {
        TaskFixture app;
        const QStringList captions = {"První", "Předchozí", "Další",  "Poslední",  "Přidat",
                                      "Smazat", "Upravit",   "Ulož",   "Neukládat", "Obnovit"};
        const QStringList hints = {"Vložit položku", "Smazat položku", "Upravit", "Uložit", "Neukládat"};
        int visible = 0;
        for (int i = 0; i < TaskPage::kNavButtons; ++i) {
            QToolButton* b = app.page->navigatorButton(static_cast<TaskPage::NavButton>(i));
            QCOMPARE(b->text(), captions[i]);
            QVERIFY(!b->icon().isNull());
            if (!b->isHidden()) QCOMPARE(b->toolTip(), hints[visible++]);
        }
        QCOMPARE(visible, 5);
        QVERIFY(!app.page->navigatorButton(TaskPage::Insert)->isHidden());
        QVERIFY(app.page->navigatorButton(TaskPage::First)->isHidden());
    }

    void focusStartsInTheOpenTasksOrInAHandedOverTitle() {
        TaskFixture app;
        QTRY_COMPARE(app.window->focusWidget(), app.grid("Lhuty1_DBGrid"));

        AppFixture handedOver;
        handedOver.window->show();
        handedOver.window->startTaskWithDate(QDate(2031, 3, 3));
        auto* title = handedOver.find<QLineEdit>("DBEdit1");
        QTRY_COMPARE(handedOver.window->focusWidget(), title);
    }

    void insertPresetsTodayAndSavesAnOpenTask() {
        TaskFixture app;
        QVERIFY(app.date()->isBlank());  // an empty view shows no date
        app.press(TaskPage::Insert);
        QCOMPARE(app.page->state(), TaskPage::State::Insert);
        QVERIFY(!app.date()->isBlank());
        QCOMPARE(app.date()->date(), QDate::currentDate());
        QTest::keyClicks(app.find<QLineEdit>("DBEdit1"), QStringLiteral("Zalozit spis"));
        app.press(TaskPage::Post);
        QCOMPARE(app.page->state(), TaskPage::State::Browse);
        const auto all = app.data->tasks().all();
        QCOMPARE(all.size(), size_t(1));
        QCOMPARE(all[0].datum, (DateTime{today(), 0}));
        QVERIFY(!all[0].splneno);
        QCOMPARE(names(app.page->rows(TaskPage::OpenView)), std::vector<std::string>{"Zalozit spis"});
        QCOMPARE(app.grid("Lhuty1_DBGrid")->item(0, 2)->text(), QStringLiteral("NE"));
    }

    void tickingDoneRemovesTheTaskFromEveryView() {
        TaskFixture app([](DataModule& dm) {
            add(dm, "zitra", inDays(1));
            add(dm, "predevcirem", inDays(-2));
        });
        QCOMPARE(names(app.page->rows(TaskPage::ApproachingView)), std::vector<std::string>{"zitra"});
        QCOMPARE(names(app.page->rows(TaskPage::OverdueView)), std::vector<std::string>{"predevcirem"});
        app.enter("Lhuty1_DBGrid");
        QCOMPARE(app.page->currentView(), TaskPage::OpenView);
        QCOMPARE(app.find<QLineEdit>("DBEdit1")->text(), QStringLiteral("zitra"));
        QTest::mouseClick(app.find<QCheckBox>("DBCheckBox1"), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(app.page->state(), TaskPage::State::Edit);  // typing into a task starts editing it
        app.press(TaskPage::Post);
        QVERIFY(app.page->rows(TaskPage::OpenView).empty());
        QVERIFY(app.page->rows(TaskPage::ApproachingView).empty());

        app.enter("DBGrid2");
        QCOMPARE(app.page->currentView(), TaskPage::OverdueView);
        QCOMPARE(app.find<QLineEdit>("DBEdit1")->text(), QStringLiteral("predevcirem"));
        QTest::mouseClick(app.find<QCheckBox>("DBCheckBox1"), Qt::LeftButton, {}, QPoint(5, 5));
        app.press(TaskPage::Post);
        QVERIFY(app.page->rows(TaskPage::OverdueView).empty());
        QVERIFY(app.date()->isBlank());

        // Show-all lists done tasks in the open view again.
        QTest::mouseClick(app.find<QCheckBox>("I_Splnene_CheckBox"), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(names(app.page->rows(TaskPage::OpenView)), (std::vector<std::string>{"zitra", "predevcirem"}));
        QCOMPARE(app.grid("Lhuty1_DBGrid")->item(0, 2)->text(), QStringLiteral("ANO"));
    }

    void movingToAnotherTaskSavesTheEdit() {
        TaskFixture app([](DataModule& dm) {
            add(dm, "prvni", inDays(5));
            add(dm, "druhy", inDays(4));
        });
        app.enter("Lhuty1_DBGrid");
        auto* title = app.find<QLineEdit>("DBEdit1");
        QCOMPARE(title->text(), QStringLiteral("prvni"));
        title->selectAll();
        QTest::keyClicks(title, QStringLiteral("upraveny"));
        app.grid("Lhuty1_DBGrid")->setCurrentCell(1, 0);
        QCOMPARE(app.page->state(), TaskPage::State::Browse);
        QCOMPARE(title->text(), QStringLiteral("druhy"));
        QCOMPARE(names(app.page->rows(TaskPage::OpenView)), (std::vector<std::string>{"upraveny", "druhy"}));
        // Cancel drops an edit.
        title->selectAll();
        QTest::keyClicks(title, QStringLiteral("zahozeno"));
        app.press(TaskPage::Cancel);
        QCOMPARE(title->text(), QStringLiteral("druhy"));
        QCOMPARE(names(app.data->tasks().all()), (std::vector<std::string>{"upraveny", "druhy"}));
    }

    void tooLongNoteKeepsTheRecordInEditMode() {
        MessageRecorder messages;
        TaskFixture app;
        app.press(TaskPage::Insert);
        app.find<QPlainTextEdit>("DBMemo1")->setPlainText(QString(256, QLatin1Char('x')));
        app.press(TaskPage::Post);
        QCOMPARE(messages.messages.size(), 1);
        QCOMPARE(app.page->state(), TaskPage::State::Insert);
        QVERIFY(app.data->tasks().all().empty());
        app.press(TaskPage::Cancel);
        QCOMPARE(app.page->state(), TaskPage::State::Browse);
        QVERIFY(app.date()->isBlank());
    }

    void deleteAsksFirst() {
        MessageRecorder messages;
        TaskFixture app([](DataModule& dm) { add(dm, "smazat", inDays(3)); });
        app.enter("Lhuty1_DBGrid");
        messages.answers = {false};
        app.press(TaskPage::Delete);
        QCOMPARE(app.data->tasks().all().size(), size_t(1));
        app.press(TaskPage::Delete);  // answered Yes
        QVERIFY(app.data->tasks().all().empty());
        QVERIFY(app.page->rows(TaskPage::OpenView).empty());
        QVERIFY(app.date()->isBlank());
        QCOMPARE(messages.messages.size(), 2);
    }

    void ctrlMovesFiveTasks() {
        TaskFixture app([](DataModule& dm) {
            for (int i = 1; i <= 7; ++i) add(dm, "ukol", inDays(i));
        });
        app.enter("Lhuty1_DBGrid");
        QTableWidget* grid = app.grid("Lhuty1_DBGrid");
        QCOMPARE(grid->currentRow(), 0);
        app.page->Lhuty_DBNavigatorClick(TaskPage::Next, true);
        QCOMPARE(grid->currentRow(), 5);
        app.page->Lhuty_DBNavigatorClick(TaskPage::Next, true);
        QCOMPARE(grid->currentRow(), 6);
        app.page->Lhuty_DBNavigatorClick(TaskPage::Prior, false);
        QCOMPARE(grid->currentRow(), 5);
        app.page->Lhuty_DBNavigatorClick(TaskPage::First);
        QCOMPARE(grid->currentRow(), 0);
    }

    void warningSettings() {
        TaskFixture app([](DataModule& dm) { add(dm, "za8", inDays(8)); });
        QVERIFY(app.page->rows(TaskPage::ApproachingView).empty());
        auto* days = app.find<QLineEdit>("Dni_Predem_Edit");
        QCOMPARE(days->text(), QStringLiteral("3"));
        days->setText(QStringLiteral("10"));
        QTest::mouseClick(app.find<QPushButton>("Button43"), Qt::LeftButton);
        QCOMPARE(names(app.page->rows(TaskPage::ApproachingView)), std::vector<std::string>{"za8"});
        QCOMPARE(app.data->settings().getString(setting::DaysAhead), std::string("10"));
        QVERIFY(app.data->settings().getBool(setting::DeadlineWarning, false));

        // Not a number: stored as typed, the view takes the default 3.
        days->setText(QStringLiteral("3) OR (1=1"));
        QTest::mouseClick(app.find<QPushButton>("Button43"), Qt::LeftButton);
        QVERIFY(app.page->rows(TaskPage::ApproachingView).empty());

        auto* warn = app.find<QCheckBox>("Lhuty_upozorneni_CheckBox");
        QVERIFY(warn->isChecked());
        QTest::mouseClick(warn, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!app.data->settings().getBool(setting::DeadlineWarning, true));
    }

    void settingsAreReadNotWrittenAtStart() {
        TaskFixture app({}, [](const fs::path& dir) {
            writeBytes(dir / "nastaveni.ini", "[Lhuty]\nDni_predem=7\nUpozorneni=0\n");
        });
        QCOMPARE(app.find<QLineEdit>("Dni_Predem_Edit")->text(), QStringLiteral("7"));
        QVERIFY(!app.find<QCheckBox>("Lhuty_upozorneni_CheckBox")->isChecked());
        QCOMPARE(readBytes(app.data->settings().file()), std::string("[Lhuty]\nDni_predem=7\nUpozorneni=0\n"));
    }
};

VERDIKA_UI_TEST(TaskPageTest);

#include "task_page_test.moc"
