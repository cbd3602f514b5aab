#include "deadlines/ui/blank_date_edit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QSignalBlocker>

#include "deadlines/holidays.h"

namespace verdika::ui {

namespace {
// One day before the range: the value that shows as the blank text.
QDate blankMarker() { return firstPickerDate().addDays(-1); }
}  // namespace

bool isEntry(Qt::FocusReason reason) {
    // The program's own setFocus (the first input of a page when it is first
    // shown) is no entry either: showing a page computes nothing by itself.
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
           reason != Qt::OtherFocusReason;
}

QDate firstPickerDate() { return QDate(kFirstCalendarYear, 1, 1); }
QDate lastPickerDate() { return QDate(kLastCalendarYear, 12, 31); }

BlankDateEdit::BlankDateEdit(const QString& objectName, QWidget* parent) : QDateEdit(parent) {
    setObjectName(objectName);
    setDisplayFormat(QStringLiteral("d.M.yyyy"));
    setCalendarPopup(true);
    setDateRange(firstPickerDate(), lastPickerDate());
    setDate(QDate::currentDate());
}

void BlankDateEdit::setBlank(bool blank) {
    if (blank == blank_) return;
    const QSignalBlocker quiet(this);
    if (blank) {
        held_ = date();
        setMinimumDate(blankMarker());
        setSpecialValueText(QStringLiteral(" "));
        setDate(blankMarker());
    } else {
        // A date set while hidden (by the calendar or the program) is the new value.
        const QDate shown = date() != blankMarker() ? date() : held_;
        setSpecialValueText(QString());
        setMinimumDate(firstPickerDate());
        setDate(shown);
    }
    blank_ = blank;
}

void BlankDateEdit::setValueQuietly(const QDate& d) {
    if (blank_) {
        held_ = d;
        return;
    }
    const QSignalBlocker quiet(this);
    setDate(d);
}

void BlankDateEdit::keyPressEvent(QKeyEvent* e) {
    if (blank_ && !e->text().isEmpty() && e->text().at(0).isDigit()) {
        setBlank(false);
        setCurrentSection(QDateTimeEdit::DaySection);
        setSelectedSection(QDateTimeEdit::DaySection);
    }
    QDateEdit::keyPressEvent(e);
}

void BlankDateEdit::focusInEvent(QFocusEvent* e) {
    QDateEdit::focusInEvent(e);
    if (onEntry && isEntry(e->reason())) onEntry();
}

}  // namespace verdika::ui
