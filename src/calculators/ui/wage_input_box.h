#pragma once
// The inputs of the wage-deduction page ("Zadání"): the wage month, the
// payment day, the net wage, the dependants, the spouse, the kind of claim,
// four or more executions and debt relief, with the page's buttons.
#include <QGroupBox>

#include "calculators/wage_deduction.h"

class QCheckBox;
class QGridLayout;
class QDateEdit;
class QSpinBox;
class QToolButton;

namespace verdika::ui {

class NumberField;
class RadioGroup;

class WageInputBox : public QGroupBox {
    Q_OBJECT
public:
    explicit WageInputBox(QWidget* parent = nullptr);

    // The form as filled in; throws ConversionError for a wage that is no number.
    wage::Input input() const;
    // The wage month and payment day only (what decides the table's period).
    wage::Input period() const;
    // Sets the wage month; the payment day moves to its default.
    void setPeriod(const QDate& firstOfMonth);
    // "Vynulovat": the wage and the options back to their start (the dates stay).
    void reset();
    // The explanation of the period in the information button's balloon.
    void setPeriodInfo(const QString& text);
    NumberField* wageField() const { return wage_; }

signals:
    void periodChanged();  // the wage month or the payment day
    void computeClicked();  // "Vypočítat", or Enter in the wage
    void resetClicked();
    void regulationClicked();  // "Zobraz předpis"
    void webClicked();         // "Otevřít webovou kalkulačku"

private:
    void addDates(QGridLayout* g, int& row);
    void addOptions(QGridLayout* g, int& row);
    void addButtons(QGridLayout* g, int& row);
    void monthChanged();

    QDateEdit* period_;    // Srazky_Obdobi_DateEdit (month and year)
    QDateEdit* payment_;   // Srazky_Vyplata_DateTimePicker
    NumberField* wage_;    // Srazky_Mzda_Edit
    QSpinBox* dependants_; // Srazky_Vyzivovane_SpinEdit
    QCheckBox* spouse_;
    RadioGroup* claim_;
    QCheckBox* fourExecutions_;
    QCheckBox* insolvency_;
    QToolButton* info_;
};

}  // namespace verdika::ui
