#include "common/ui/date_edit.h"

namespace verdika::ui {

QDateEdit* makeDateEdit(const QString& objectName, QWidget* parent) {
    auto* e = new QDateEdit(parent);
    e->setObjectName(objectName);
    e->setDisplayFormat(QStringLiteral("d.M.yyyy"));
    e->setCalendarPopup(true);
    e->setDate(QDate::currentDate());
    e->setMinimumDate(QDate(1900, 1, 1));
    e->setMaximumDate(QDate(2199, 12, 31));
    return e;
}

}  // namespace verdika::ui
