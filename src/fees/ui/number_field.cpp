#include "fees/ui/number_field.h"

#include "common/errors.h"
#include "common/ui/qt_convert.h"
#include "fees/fee_text.h"

namespace verdika::ui {

NumberField::NumberField(const QString& objectName, int decimals, QWidget* parent)
    : QLineEdit(parent), decimals_(decimals) {
    setObjectName(objectName);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setValue(0);
    connect(this, &QLineEdit::editingFinished, this, &NumberField::reformat);
}

double NumberField::value() const { return fees::parseGrouped(ss(text())); }

bool NumberField::hasValue() const {
    try {
        fees::parseGrouped(ss(text()));
        return true;
    } catch (const ConversionError&) {
        return false;
    }
}

void NumberField::setValue(double v) { setText(qs(fees::formatGrouped(v, decimals_))); }

void NumberField::reformat() {
    if (isReadOnly() || !hasValue()) return;
    const QString formatted = qs(fees::formatGrouped(value(), decimals_));
    if (formatted != text()) setText(formatted);
}

}  // namespace verdika::ui
