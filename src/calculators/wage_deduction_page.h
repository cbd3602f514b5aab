#pragma once
#include <QWidget>
#include <optional>

#include "calculators/wage_deduction.h"

class QButtonGroup;
class QCheckBox;
class QDateEdit;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QToolButton;

namespace verdika::ui {

class NumberField;
class PageHost;
class SummaryBox;

// The page "Srážky ze mzdy": the monthly deduction from a debtor's net wage
// in enforcement or debt relief, from the dated table "srazky.ini".
class WageDeductionPage : public QWidget {
    Q_OBJECT
public:
    explicit WageDeductionPage(PageHost& host, QWidget* parent = nullptr);

    void Srazky_VypocitatClick();
    void Srazky_VynulovatClick();
    void Srazky_PredpisClick();
    void Srazky_WebClick();
    void Srazky_TXTClick();
    // The address "Otevřít webovou kalkulačku" opens.
    QString webCalculatorAddress() const;

    const std::optional<wage::Result>& result() const { return result_; }

private:
    QWidget* buildInputs();
    QWidget* buildResults();
    QLineEdit* addResultRow(QGridLayout* grid, int row, const QString& caption, const QString& name,
                            double wage::Result::*field);
    wage::Input readInput() const;
    void periodChanged();
    void updateInfo();
    void clearResults();

    PageHost& host_;
    QDateEdit* period_ = nullptr;    // Srazky_Obdobi_DateEdit (month and year)
    QDateEdit* payment_ = nullptr;   // Srazky_Vyplata_DateTimePicker
    NumberField* wage_ = nullptr;    // Srazky_Mzda_Edit
    QSpinBox* dependants_ = nullptr; // Srazky_Vyzivovane_SpinEdit
    QCheckBox* spouse_ = nullptr;
    QGroupBox* claimBox_ = nullptr;
    QButtonGroup* claim_ = nullptr;
    QCheckBox* fourExecutions_ = nullptr;
    QCheckBox* insolvency_ = nullptr;
    QToolButton* info_ = nullptr;
    QLabel* periodUsed_ = nullptr;
    std::vector<std::pair<QLineEdit*, double wage::Result::*>> results_;
    SummaryBox* summary_ = nullptr;
    std::optional<wage::Result> result_;
};

}  // namespace verdika::ui
