#pragma once
// Number fields of the pages: right-aligned, a fixed number of decimals and
// thousands dots ("12.345,67"). Typing is free; the text is re-formatted when
// the field is left, and value() reads it back. A thousands dot counts only
// where it groups thousands, so "12.5" is refused rather than read as 125.
#include <QLineEdit>

#include "common/ui/zero_select.h"  // NumberField selects a zero itself; plain edits of numbers call it

namespace verdika::ui {

class NumberField : public QLineEdit {
    Q_OBJECT
public:
    NumberField(const QString& objectName, int decimals, QWidget* parent = nullptr);

    // The number shown; throws ConversionError (naming the text) when the
    // text is not a number. An empty field is 0.
    double value() const;
    // True when the text reads as a number.
    bool hasValue() const;
    void setValue(double v);
    int decimals() const { return decimals_; }

private:
    void reformat();
    int decimals_;
};

}  // namespace verdika::ui
