#pragma once
#include <QDate>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>

#include "deadlines/task_store.h"
#include "deadlines/ui/task_navigator.h"

class QCheckBox;
class QPlainTextEdit;
class QToolButton;

namespace verdika::ui {

class PageHost;
class TaskEditor;
class TaskGrid;
class TaskWarningBox;

// The page "Úkolníček": the task list in three views of the same table (open
// tasks, tasks falling due within the warning days, overdue tasks), one set
// of edit controls and one record navigator for the view entered last.
class TaskPage : public QWidget {
    Q_OBJECT
public:
    enum View { OpenView = 0, ApproachingView = 1, OverdueView = 2 };
    enum class State { Browse, Edit, Insert };
    // The navigator's buttons, in their order.
    using NavButton = TaskNavigator::Button;
    using enum TaskNavigator::Button;

    explicit TaskPage(PageHost& host, QWidget* parent = nullptr);
    ~TaskPage() override;
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
    const std::vector<Task>& rows(View view) const;
    QToolButton* navigatorButton(NavButton b) const { return navigator_->button(b); }

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QWidget* buildViews();
    QWidget* buildSide();
    void fillView(View view, std::int64_t keepId);
    void refreshView(View view);
    void refreshAll(std::optional<std::int64_t> currentKeep = {});
    const Task* currentTask() const;
    void rowChanged(View view, int row, int previousRow);
    void showOpenNote();
    void showRecord();
    void updateControls();
    void userChanged();
    bool postPending();      // true when nothing is pending afterwards
    void cancelPending();
    void insertRecord(const QDate& date);
    void deleteRecord();
    void moveBy(int step);

    PageHost& host_;
    std::array<std::unique_ptr<TaskGrid>, 3> views_;
    View current_ = OpenView;
    State state_ = State::Browse;
    Task pending_;  // the record being edited or inserted

    TaskNavigator* navigator_ = nullptr;  // Lhuty_DBNavigator
    TaskEditor* editor_ = nullptr;
    QPlainTextEdit* openNote_ = nullptr;  // DBMemo2
    QCheckBox* showAll_ = nullptr;        // I_Splnene_CheckBox
    TaskWarningBox* warning_ = nullptr;
};

}  // namespace verdika::ui
