#pragma once
// A whole number with up and down arrows: counts of months, units, persons.
// The Up and Down keys (and so the mouse wheel) step it too. Holding 0 it
// selects its text on focus, so typing replaces the zero.
#include <QSpinBox>

namespace verdika::ui {

class UpDownField : public QSpinBox {
    Q_OBJECT
public:
    // editName names the edit inside, for a page whose edit has a name of its own.
    UpDownField(const QString& objectName, int minimum, int maximum, QWidget* parent = nullptr,
                const QString& editName = {});
    // The edit inside; its textChanged also reports an emptied field, which
    // the spin box itself passes over in silence.
    QLineEdit* edit() const { return lineEdit(); }
};

}  // namespace verdika::ui
