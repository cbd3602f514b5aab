#pragma once
#include <QWidget>
#include <optional>

#include "calculators/wage_deduction.h"

namespace verdika::ui {

class PageHost;
class SummaryBox;
class WageInputBox;
class WageResultBox;

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
    void updateInfo();
    void clearResults();

    PageHost& host_;
    WageInputBox* inputs_ = nullptr;
    WageResultBox* results_ = nullptr;
    SummaryBox* summary_ = nullptr;
    std::optional<wage::Result> result_;
};

}  // namespace verdika::ui
