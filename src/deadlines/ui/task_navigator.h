#pragma once
// The record navigator of the task list: ten tool buttons with a glyph and
// the caption under it. Moving by one or five, the first and the last task
// and refreshing stay available to the page but are hidden, as on the old
// navigator the office used.
#include <QWidget>
#include <array>

class QToolButton;

namespace verdika::ui {

class TaskNavigator : public QWidget {
    Q_OBJECT
public:
    enum Button { First, Prior, Next, Last, Insert, Delete, EditButton, Post, Cancel, Refresh, kNavButtons };

    explicit TaskNavigator(QWidget* parent = nullptr);
    QToolButton* button(Button b) const { return buttons_[b]; }
    // Enables what applies to the view's cursor row of count rows.
    void update(bool hasTask, int row, int count, bool editing);

signals:
    // ctrl: Ctrl was held (Prior and Next move by five).
    void pressed(TaskNavigator::Button button, bool ctrl);

private:
    std::array<QToolButton*, kNavButtons> buttons_{};
};

}  // namespace verdika::ui
