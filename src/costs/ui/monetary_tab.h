#pragma once
#include <QWidget>
#include <array>

#include "costs/calculation.h"
#include "costs/ui/costs_widgets.h"

class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace verdika::ui {

class CostsPage;
class RadioGroup;

// The sub-tab "484/2000 Sb. Zrušeno": a monetary claim.
class MonetaryTab : public QWidget {
    Q_OBJECT
public:
    explicit MonetaryTab(CostsPage& page, QWidget* parent = nullptr);

    // What the controls say (the set file's content).
    costs::MonetaryInput form() const;
    void setForm(const costs::MonetaryInput& in);  // loading a set file: no calculation

    void Naklad_VypocitatClick();
    void Naklad_VynulovatClick();
    void Naklad_PredpisClick();
    void naklady_ulozitClick();
    void Button34Click();  // "Načíst sestavu"
    void Naklady_DPH_DateChange();
    void Naklad_Radio_Click(int group);  // 0 Naklad_1_Radio, 1 Naklad_2_Radio
    void Naklad_Radio_ButtonClick(int group);
    void Naklad_JistinaChange();

private:
    void showResults(const costs::TNaklady_rizeni& r);

    CostsPage& page_;
    QDateEdit* date_ = nullptr;
    QLineEdit* principal_ = nullptr;
    QLabel* principalLabel_ = nullptr;
    QDateEdit* vatDate_ = nullptr;
    QCheckBox* vatPayer_ = nullptr;
    QLabel* vatRate_ = nullptr;
    QSpinBox* persons_ = nullptr;
    QCheckBox* courtFee_ = nullptr;
    QDateEdit* courtFeeDate_ = nullptr;
    std::array<RadioGroup*, 2> choices_{};
    ActList* acts_ = nullptr;
    std::array<ResultRow, 9> results_{};
};

}  // namespace verdika::ui
