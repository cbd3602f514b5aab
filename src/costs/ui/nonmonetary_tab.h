#pragma once
#include <QWidget>

#include "costs/calculation.h"

class QBoxLayout;
class QCheckBox;
class QDateEdit;
class QFrame;
class QGridLayout;

namespace verdika::ui {

class ActList;
class ChoiceGroup;
class CostResults;
class CostsPage;
class CourtFeeChooser;
class ItemTree;
class UpDownField;
class VatPayerRow;

// The sub-tab "Nepeněžité plnění": a claim that is not monetary, priced by
// the kind of proceedings.
class NonMonetaryTab : public QWidget {
    Q_OBJECT
public:
    explicit NonMonetaryTab(CostsPage& page, QWidget* parent = nullptr);

    costs::NonMonetaryInput form() const;
    void setForm(const costs::NonMonetaryInput& in);
    CostResults* results() const { return results_; }
    ItemTree* items() const { return items_; }

    void Button81Click();  // "Vypočítat"
    void Button31Click();  // "Vynulovat"
    void Button1Click();   // "Zobraz předpis 484/2000 Sb."
    void naklad_2_ulozitClick();
    void Button50Click();  // "Načíst sestavu"
    void Mimoradne_Slozita_CheckBoxClick();

private:
    QGridLayout* buildInputs(QWidget* parent);
    QBoxLayout* buildButtons(QWidget* parent);

    CostsPage& page_;
    ItemTree* items_ = nullptr;
    CourtFeeChooser* courtFees_ = nullptr;
    QDateEdit* date_ = nullptr;
    VatPayerRow* vat_ = nullptr;
    UpDownField* persons_ = nullptr;
    QCheckBox* courtFee_ = nullptr;
    QDateEdit* courtFeeDate_ = nullptr;
    ChoiceGroup* dismissal_ = nullptr;
    QFrame* complexFrame_ = nullptr;
    QCheckBox* complex_ = nullptr;
    ActList* acts_ = nullptr;
    CostResults* results_ = nullptr;
};

}  // namespace verdika::ui
