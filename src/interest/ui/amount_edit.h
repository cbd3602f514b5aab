#pragma once
// An amount field: typed with the decimal comma, shown with two decimals
// and the thousands dot once the user leaves it ("10.000,00").
#include <QLineEdit>

namespace verdika::ui {

class AmountEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit AmountEdit(const QString& objectName, QWidget* parent = nullptr);
    // The value; a text that is not an amount throws ConversionError.
    double value() const;
    void setValue(double v);
    // "10.000,00" for 10000.
    static QString formatted(double v);
};

}  // namespace verdika::ui
