#pragma once
// The head of the tariff page: the kind of proceedings with its search, the
// tariff value with the amount it reads as, the number of represented
// persons and the VAT payer box. The page looks up a chosen kind's value
// (kindChosen) and shows it here.
#include <QWidget>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace verdika::ui {

class KindComboBox;
class UpDownField;

class ProceedingsBox : public QWidget {
    Q_OBJECT
public:
    explicit ProceedingsBox(QWidget* parent = nullptr);

    std::optional<int> kind() const;
    // Selects the kind without kindChosen: a loaded calculation keeps the value field's state.
    void setKind(std::optional<int> kind);

    QString tariffValue() const;
    void setTariffValue(const QString& text);
    // Kind 0: "0", typed by the user (green); another kind: the table's value, read-only (grey).
    void showTypedValue();
    void showFixedValue(const QString& value);
    QLineEdit* valueEdit() const { return value_; }

    int persons() const;
    void setPersons(int persons);
    QCheckBox* vatPayer() const { return vatPayer_; }

    // The search in the kinds: from the top when the text changed, from the
    // kind after the chosen one for "Další" (wrapping to the top).
    void Hledat_TarifChange(bool next);
    // The value as an amount beside the field.
    void tarifni_hodnota_editChange();

signals:
    void kindChosen();  // in the list or by the search
    void valueEntered();  // Enter in the value field

private:
    KindComboBox* kinds_;
    QLineEdit* value_;
    QLabel* valueLabel_;
    UpDownField* persons_;
    QCheckBox* vatPayer_;
    QLineEdit* search_;
};

}  // namespace verdika::ui
