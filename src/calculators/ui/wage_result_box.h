#pragma once
// The results of the wage-deduction page ("Výsledek"): every amount of the
// computation with its copy buttons, and the table period the figures came from.
#include <QGroupBox>
#include <utility>
#include <vector>

#include "calculators/wage_deduction.h"

class QLabel;

namespace verdika::ui {

class ResultField;

class WageResultBox : public QGroupBox {
    Q_OBJECT
public:
    explicit WageResultBox(QWidget* parent = nullptr);
    void showResult(const wage::Result& result);
    void clear();

private:
    std::vector<std::pair<ResultField*, double wage::Result::*>> fields_;
    QLabel* periodUsed_;  // Srazky_Obdobi_Label
};

}  // namespace verdika::ui
