#pragma once
#include <QWidget>
#include <array>

#include "costs/calculation.h"

class QCheckBox;
class QDateEdit;
class QGridLayout;
class QLabel;
class QLineEdit;

namespace verdika::ui {

class ActList;
class ChoiceGroup;
class CostResults;
class CostsPage;
class UpDownField;
class VatPayerRow;

// The sub-tab "484/2000 Sb. Zrušeno": a monetary claim.
class MonetaryTab : public QWidget {
    Q_OBJECT
public:
    explicit MonetaryTab(CostsPage& page, QWidget* parent = nullptr);

    // What the controls say (the set file's content).
    costs::MonetaryInput form() const;
    void setForm(const costs::MonetaryInput& in);  // loading a set file: no calculation
    CostResults* results() const { return results_; }
    // The principal, where a new user starts typing.
    QWidget* firstInput() const;

    void Naklad_VypocitatClick();
    void Naklad_VynulovatClick();
    void Naklad_PredpisClick();
    void naklady_ulozitClick();
    void Button34Click();  // "Načíst sestavu"
    void Naklad_JistinaChange();

private:
    QGridLayout* buildInputs(QWidget* parent);
    QGridLayout* buildButtons(QWidget* parent);

    CostsPage& page_;
    QDateEdit* date_ = nullptr;
    QLineEdit* principal_ = nullptr;
    QLabel* principalLabel_ = nullptr;
    VatPayerRow* vat_ = nullptr;
    UpDownField* persons_ = nullptr;
    QCheckBox* courtFee_ = nullptr;
    QDateEdit* courtFeeDate_ = nullptr;
    ChoiceGroup* proceedings_ = nullptr;  // Naklad_1_Radio
    ChoiceGroup* dismissal_ = nullptr;    // Naklad_2_Radio
    ActList* acts_ = nullptr;
    CostResults* results_ = nullptr;
};

}  // namespace verdika::ui
