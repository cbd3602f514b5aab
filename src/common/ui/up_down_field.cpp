#include "common/ui/up_down_field.h"

#include <QLineEdit>

#include "common/ui/zero_select.h"

namespace verdika::ui {

UpDownField::UpDownField(const QString& objectName, int minimum, int maximum, QWidget* parent,
                         const QString& editName)
    : QSpinBox(parent) {
    setObjectName(objectName);
    setRange(minimum, maximum);
    setValue(minimum);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (!editName.isEmpty()) lineEdit()->setObjectName(editName);
    selectZeroOnFocus(lineEdit());
}

}  // namespace verdika::ui
