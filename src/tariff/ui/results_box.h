#pragma once
// "Výsledek": the six totals of a calculation, each with its two copy
// buttons ("Kč" as shown, "123" the plain number).
#include <QGroupBox>
#include <array>

#include "tariff/tariff.h"

namespace verdika::ui {

class ResultField;

class TariffResultsBox : public QGroupBox {
    Q_OBJECT
public:
    explicit TariffResultsBox(QWidget* parent = nullptr);
    void showCalculation(const tariff::TAdvokatni_Tarif& calc);
    void clear();

private:
    std::array<ResultField*, 6> fields_{};
};

}  // namespace verdika::ui
