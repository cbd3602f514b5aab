#pragma once
// A date picker that can show no date while it keeps its value: the starting
// days of the deadline page until they are first used, and the task list's
// date when the entered view has no task.
#include <QDate>
#include <QDateEdit>
#include <functional>

namespace verdika::ui {

class BlankDateEdit : public QDateEdit {
public:
    explicit BlankDateEdit(const QString& objectName, QWidget* parent = nullptr);

    bool isBlank() const { return blank_; }
    // Hides or shows the date; the value is kept either way and no change is signalled.
    void setBlank(bool blank);
    // The date, also while it is hidden.
    QDate value() const { return blank_ ? held_ : date(); }
    // Sets the date without signalling a change (it stays hidden when it is).
    void setValueQuietly(const QDate& d);

    // Runs when the user moves into the picker (the "entry" of the pages).
    std::function<void()> onEntry;

protected:
    void focusInEvent(QFocusEvent* e) override;
    // Typing a digit into the blank picker starts the date at its day.
    void keyPressEvent(QKeyEvent* e) override;

private:
    bool blank_ = false;
    QDate held_;
};

// True when the focus came from the user moving into the control, not from
// the window getting active again (after a message box), a closed popup or
// the program.
bool isEntry(Qt::FocusReason reason);

// The pages' date range: the years the holiday calendar is kept for.
QDate firstPickerDate();
QDate lastPickerDate();

}  // namespace verdika::ui
