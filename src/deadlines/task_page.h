#pragma once
#include <QDate>
#include <QWidget>
#include <array>
#include <vector>

#include "deadlines/task_store.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QTableWidget;
class QToolButton;

namespace verdika::ui {

class BlankDateEdit;
class PageHost;

// The page "Úkolníček": the task list in three views of the same table (open
// tasks, tasks falling due within the warning days, overdue tasks), one set
// of edit controls and one record navigator for the view entered last.
class TaskPage : public QWidget {
    Q_OBJECT
public:
    enum View { OpenView = 0, ApproachingView = 1, OverdueView = 2 };
    enum class State { Browse, Edit, Insert };
    // The navigator's buttons, in their order.
    enum NavButton { First, Prior, Next, Last, Insert, Delete, EditButton, Post, Cancel, Refresh, kNavButtons };

    explicit TaskPage(PageHost& host, QWidget* parent = nullptr);
    // Starts a new task in the open view with the date preset.
    void startTaskWithDate(const QDate& date);

    // Grid entry: the navigator and the edit controls follow that view. A
    // pending edit is saved first; false when that failed (nothing switched).
    bool Zmena_Datasource(View view);
    // A navigator button as the user presses it (Ctrl moves Prior/Next by 5).
    void Lhuty_DBNavigatorClick(NavButton button, bool ctrl = false);
    // Refreshes the three views (after every save or delete).
    void Lhuty2_ADOQueryAfterPost();
    void I_Splnene_CheckBoxClick();
    void Lhuty_upozorneni_CheckBoxClick();
    void Button43Click();

    View currentView() const { return current_; }
    State state() const { return state_; }
    const std::vector<Task>& rows(View view) const { return views_[view].rows; }
    QToolButton* navigatorButton(NavButton b) const { return nav_[b]; }

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    struct ViewData {
        QTableWidget* grid = nullptr;
        std::vector<Task> rows;
    };

    void buildNavigator(QWidget* parent);
    void fillView(View view, std::int64_t keepId);
    void refreshView(View view);
    const Task* currentTask() const;
    void selectRow(View view, int row);
    void rowChanged(View view, int row, int previousRow);
    void showRecord();
    void updateControls();
    void userChanged();
    bool postPending();      // true when nothing is pending afterwards
    void cancelPending();
    void insertRecord(const QDate& date);
    void deleteRecord();
    void moveBy(int step);

    PageHost& host_;
    std::array<ViewData, 3> views_;
    View current_ = OpenView;
    State state_ = State::Browse;
    Task pending_;          // the record being edited or inserted
    bool loading_ = false;  // controls are being filled by the program

    std::array<QToolButton*, kNavButtons> nav_{};
    BlankDateEdit* date_ = nullptr;   // Lhuty_DBDateTimePicker
    QLineEdit* title_ = nullptr;      // DBEdit1
    QPlainTextEdit* note_ = nullptr;  // DBMemo1
    QCheckBox* done_ = nullptr;       // DBCheckBox1
    QPlainTextEdit* openNote_ = nullptr;  // DBMemo2
    QCheckBox* showAll_ = nullptr;    // I_Splnene_CheckBox
    QCheckBox* warn_ = nullptr;       // Lhuty_upozorneni_CheckBox
    QLineEdit* daysAhead_ = nullptr;  // Dni_Predem_Edit
};

}  // namespace verdika::ui
