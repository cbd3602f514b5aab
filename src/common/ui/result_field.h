#pragma once
// A computed result: a read-only field and, beside it, the two copy buttons
// every page shows the same way: "Kč" copies the text as shown
// ("1.234,50 Kč"), "123" the plain number ("1234,5") for further use.
// A double-click on the field copies it as shown.
#include <QString>
#include <QWidget>

class QLineEdit;
class QToolButton;

namespace verdika::ui {

class ResultField : public QWidget {
    Q_OBJECT
public:
    enum class Copy { AsShown, AsNumber };

    // The field takes objectName; the buttons their own names, and a field
    // whose button names are empty has no buttons (the double-click stays).
    ResultField(const QString& objectName, QWidget* parent, const QString& copyShownName = {},
                const QString& copyNumberName = {});

    // Shows the amount as Format_Castky writes it.
    void setAmount(double value);
    // Shows the value in a form of the page's own (for example without "Kč").
    void setValue(double value, const QString& shown);
    // Empty field; "copy as number" gives 0.
    void clear();

    double value() const { return value_; }
    QString text() const;
    QString copyText(Copy kind) const;
    void copy(Copy kind) const;

    QLineEdit* edit() const { return edit_; }
    QToolButton* copyButton(Copy kind) const { return kind == Copy::AsShown ? copyShown_ : copyNumber_; }
    void setBold(bool bold);

private:
    QLineEdit* edit_;
    QToolButton* copyShown_ = nullptr;
    QToolButton* copyNumber_ = nullptr;
    double value_ = 0;
};

}  // namespace verdika::ui
