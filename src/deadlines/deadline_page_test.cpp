#include "deadlines/deadline_page.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "deadlines/task_page.h"
#include "deadlines/ui/blank_date_edit.h"
#include "ui_test_support.h"

using namespace verdika;
using namespace verdika::test;

namespace {

QDate d(int day, int month, int year) { return QDate(year, month, day); }

struct DeadlineFixture : AppFixture {
    DeadlineFixture() {
        window->show();
        window->showPage(ui::kDeadlinePage);
    }
    QDateEdit* date(const char* name) const { return find<QDateEdit>(QString::fromLatin1(name)); }
    QString memo(const char* name) const { return find<QPlainTextEdit>(QString::fromLatin1(name))->toPlainText(); }
    void click(const char* name) const { QTest::mouseClick(find<QPushButton>(QString::fromLatin1(name)), Qt::LeftButton); }
};

}  // namespace

class DeadlinePageTest : public QObject {
    Q_OBJECT
private slots:
    void quickButtonComputesTheEndAndEnforceability() {
        DeadlineFixture app;
        app.date("DateTimePicker3")->setDate(d(1, 3, 2013));
        app.click("Button45");  // "15"
        QCOMPARE(app.find<QLineEdit>("Edit28")->text(), QStringLiteral("15"));
        QCOMPARE(app.date("Konec_Lhuty_DateTimePicker")->date(), d(18, 3, 2013));
        QCOMPARE(app.memo("Lhuty_Proc_Memo"), QStringLiteral("16.3.2013: vyšlo to na sobotu"));
        QCOMPARE(app.date("Vykonatelnost_DateTimePicker")->date(), d(22, 3, 2013));
        QCOMPARE(app.memo("Lhuty_Proc2_Memo"), QString());

        // The enforceability days alone do not recompute; the next change does.
        app.find<QLineEdit>("Vykonatelnost_Edit")->setText(QStringLiteral("4"));
        QCOMPARE(app.date("Vykonatelnost_DateTimePicker")->date(), d(22, 3, 2013));
        app.click("Button30");
        QCOMPARE(app.date("Vykonatelnost_DateTimePicker")->date(), d(25, 3, 2013));
        QCOMPARE(app.memo("Lhuty_Proc2_Memo"), QStringLiteral("23.3.2013: vyšlo to na sobotu"));

        // Months, typed count.
        app.date("DateTimePicker3")->setDate(d(31, 1, 2013));
        app.find<QComboBox>("typ_lhuty_combo")->setCurrentIndex(1);
        QLineEdit* units = app.find<QLineEdit>("Edit28");
        units->selectAll();
        QTest::keyClicks(units, QStringLiteral("1"));
        QCOMPARE(app.date("Konec_Lhuty_DateTimePicker")->date(), d(28, 2, 2013));
        QCOMPARE(app.memo("Lhuty_Proc_Memo"), QString());

        // An emptied count is 0.
        app.find<QComboBox>("typ_lhuty_combo")->setCurrentIndex(0);
        units->selectAll();
        QTest::keyClick(units, Qt::Key_Backspace);
        QCOMPARE(app.date("Konec_Lhuty_DateTimePicker")->date(), d(31, 1, 2013));
        QTRY_COMPARE(units->text(), QStringLiteral("0"));
    }

    void suspensionStretchesTheLimit() {
        DeadlineFixture app;
        app.date("DateTimePicker3")->setDate(d(15, 5, 2012));
        app.date("DateTimePicker6")->setDate(d(10, 5, 2012));
        app.date("DateTimePicker7")->setDate(d(20, 5, 2012));
        app.click("Button45");
        QCOMPARE(app.date("Konec_Lhuty_DateTimePicker")->date(), d(30, 5, 2012));
        QTest::mouseClick(app.find<QCheckBox>("staveni_Checkbox"), Qt::LeftButton, {}, QPoint(5, 5));
        // The suspension before the start counts from the start: 5 days.
        QCOMPARE(app.date("DateTimePicker6")->date(), d(15, 5, 2012));
        QCOMPARE(app.date("Konec_Lhuty_DateTimePicker")->date(), d(4, 6, 2012));
    }

    void badEnforceabilityDaysStopTheComputation() {
        MessageRecorder messages;
        DeadlineFixture app;
        app.date("DateTimePicker3")->setDate(d(1, 3, 2013));
        app.click("Button45");
        app.find<QLineEdit>("Vykonatelnost_Edit")->setText(QStringLiteral("tři"));
        app.date("DateTimePicker3")->setDate(d(16, 3, 2013));
        QVERIFY(messages.lastContains(QStringLiteral("tři")));
        QCOMPARE(app.date("Konec_Lhuty_DateTimePicker")->date(), d(18, 3, 2013));  // kept
        QCOMPARE(app.memo("Lhuty_Proc_Memo"), QString());                         // already cleared
    }

    // Showing the page computes nothing: the starting day and the results stay
    // blank until the user first computes, and showing it again then recomputes.
    void resultsStayBlankUntilTheFirstComputation() {
        DeadlineFixture app;
        const char* blankUntilUsed[] = {"DateTimePicker3", "Konec_Lhuty_DateTimePicker", "Vykonatelnost_DateTimePicker"};
        for (const char* name : blankUntilUsed) {
            auto* picker = app.find<ui::BlankDateEdit>(QString::fromLatin1(name));
            QVERIFY2(picker->isBlank(), name);
            QCOMPARE(picker->text().trimmed(), QString());
        }
        QCOMPARE(app.memo("Lhuty_Proc_Memo"), QString());
        // The first input has the focus, and that alone computes nothing.
        QWidget* start = app.find<QWidget>("DateTimePicker3");
        QTRY_VERIFY(app.window->focusWidget() == start || start->isAncestorOf(app.window->focusWidget()));
        QVERIFY(app.find<ui::BlankDateEdit>("Konec_Lhuty_DateTimePicker")->isBlank());

        // Typing a date into the focused, blank starting day computes.
        QTest::keyClicks(app.date("DateTimePicker3"), QStringLiteral("1.3.2013"));
        QCOMPARE(app.date("DateTimePicker3")->date(), d(1, 3, 2013));
        app.click("Button45");
        QCOMPARE(app.date("Konec_Lhuty_DateTimePicker")->text(), QStringLiteral("18.3.2013"));
        app.window->showPage(ui::kTariffPage);
        app.date("DateTimePicker3")->blockSignals(true);
        app.date("DateTimePicker3")->setDate(d(4, 3, 2013));
        app.date("DateTimePicker3")->blockSignals(false);
        app.window->showPage(ui::kDeadlinePage);
        QCOMPARE(app.date("Konec_Lhuty_DateTimePicker")->text(), QStringLiteral("19.3.2013"));
    }

    void aTaskFromTheEndBeforeAnyComputationComputesFirst() {
        DeadlineFixture app;
        app.click("Button42");
        auto* end = app.find<ui::BlankDateEdit>("Konec_Lhuty_DateTimePicker");
        QVERIFY(!end->isBlank());
        QCOMPARE(app.window->pageControl()->currentIndex(), int(ui::kTaskPage));
        QCOMPARE(app.date("Lhuty_DBDateTimePicker")->date(), end->date());
    }

    void appealAidAndItsCopy() {
        DeadlineFixture app;
        auto* deposited = app.find<ui::BlankDateEdit>("DateTimePicker1");
        QVERIFY(deposited->isBlank());
        QCOMPARE(deposited->text().trimmed(), QString());
        deposited->setDate(d(2, 1, 2013));
        QVERIFY(!deposited->isBlank());
        const QString memo = app.memo("Lhuty_Memo");
        QVERIFY2(memo.startsWith(QStringLiteral("12.1.2013: vyšlo to na sobotu\nuloženo: 2.1.2013, středa\n")),
                 qPrintable(memo));
        QVERIFY(memo.contains(QStringLiteral("poslední den lhůty:\t29.1.2013, úterý\nv právní moci:\t30.1.2013, středa")));
        QTest::mouseClick(app.find<QRadioButton>("RadioGroup2_8"), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(app.memo("Lhuty_Memo").contains(QStringLiteral("+8dnů: 22.1.2013, úterý")));
        app.click("Button78");
        QCOMPARE(QApplication::clipboard()->text(), app.memo("Lhuty_Memo"));
    }

    void differenceOfTwoDates() {
        DeadlineFixture app;
        app.date("Pocatek_Lhuty_Date")->setDate(d(1, 1, 2013));
        app.date("Konec_Lhuty_date")->setDate(d(1, 1, 2012));
        app.click("Button4");
        QCOMPARE(app.find<QLabel>("Rozdil_Dat_Label")->text(),
                 QStringLiteral("Rozdíl dat je celkem 366, což je 1 roků a 1 dnů."));
    }

    void endDateGoesToTheTaskListAndIsSaved() {
        DeadlineFixture app;
        app.date("DateTimePicker3")->setDate(d(1, 3, 2013));
        app.click("Button45");
        app.click("Pridat_Do_Lhut_Button");  // the enforceability date
        QCOMPARE(app.window->pageControl()->currentIndex(), int(ui::kTaskPage));
        auto* tasks = app.window->findChild<ui::TaskPage*>();
        QCOMPARE(tasks->state(), ui::TaskPage::State::Insert);
        QCOMPARE(tasks->currentView(), ui::TaskPage::OpenView);
        QCOMPARE(app.date("Lhuty_DBDateTimePicker")->date(), d(22, 3, 2013));
        QTest::keyClicks(app.find<QLineEdit>("DBEdit1"), QStringLiteral("Vykonatelnost rozsudku"));
        tasks->Lhuty_DBNavigatorClick(ui::TaskPage::Post);
        QCOMPARE(tasks->state(), ui::TaskPage::State::Browse);
        const auto all = app.data->tasks().all();
        QCOMPARE(all.size(), size_t(1));
        QCOMPARE(all[0].nazev, std::string("Vykonatelnost rozsudku"));
        QCOMPARE(all[0].datum, (DateTime{makeDate(2013, 3, 22), 0}));
        QVERIFY(!all[0].splneno);
        // A date in the past is not in the open view, but overdue.
        QVERIFY(tasks->rows(ui::TaskPage::OpenView).empty());
        QCOMPARE(tasks->rows(ui::TaskPage::OverdueView).size(), size_t(1));
    }

    void dueDateGoesToTheInterestPage() {
        DeadlineFixture app;
        app.click("Button46");
        QCOMPARE(app.window->pageControl()->currentIndex(), int(ui::kInterestPage));
    }
};

VERDIKA_UI_TEST(DeadlinePageTest);

#include "deadline_page_test.moc"
