#include "common/ui/number_field.h"

#include "common/errors.h"
#include "common/numbers.h"
#include "common/ui/qt_convert.h"

namespace verdika::ui {

NumberField::NumberField(const QString& objectName, int decimals, QWidget* parent)
    : QLineEdit(parent), decimals_(decimals) {
    setObjectName(objectName);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setValue(0);
    selectZeroOnFocus(this);
    connect(this, &QLineEdit::editingFinished, this, &NumberField::reformat);
}

double NumberField::value() const { return parseGrouped(ss(text())); }

bool NumberField::hasValue() const {
    try {
        parseGrouped(ss(text()));
        return true;
    } catch (const ConversionError&) {
        return false;
    }
}

void NumberField::setValue(double v) { setText(qs(formatGrouped(v, decimals_))); }

void NumberField::reformat() {
    if (isReadOnly() || !hasValue()) return;
    const QString formatted = qs(formatGrouped(value(), decimals_));
    if (formatted != text()) setText(formatted);
}

}  // namespace verdika::ui
