#pragma once
// The edit controls of the task list: date, title, note and "Splněno" of the
// task shown (or of the one being added). A change the user makes is
// announced; filling the controls from a task is not.
#include <QGroupBox>

#include "deadlines/task_store.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

namespace verdika::ui {

class BlankDateEdit;

class TaskEditor : public QGroupBox {
    Q_OBJECT
public:
    explicit TaskEditor(QWidget* parent = nullptr);

    // Shows the task; without one the controls are empty and the date blank.
    void showTask(const Task* task);
    // The task as the controls hold it (id and remaining days from base).
    Task edited(const Task& base) const;
    void setEditable(bool on);
    void focusTitle();

signals:
    void userChanged();

private:
    void changed();

    BlankDateEdit* date_;    // Lhuty_DBDateTimePicker
    QLineEdit* title_;       // DBEdit1
    QPlainTextEdit* note_;   // DBMemo1
    QCheckBox* done_;        // DBCheckBox1
    bool loading_ = false;
};

}  // namespace verdika::ui
