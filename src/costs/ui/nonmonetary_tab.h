#pragma once
#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "costs/calculation.h"
#include "costs/lists.h"
#include "costs/ui/costs_widgets.h"

class QCheckBox;
class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QSpinBox;
class QTreeWidget;
class QTreeWidgetItem;

namespace verdika::ui {

class CostsPage;
class RadioGroup;

// The sub-tab "Nepeněžité plnění": a claim that is not monetary, priced by
// the kind of proceedings.
class NonMonetaryTab : public QWidget {
    Q_OBJECT
public:
    explicit NonMonetaryTab(CostsPage& page, QWidget* parent = nullptr);

    costs::NonMonetaryInput form() const;
    void setForm(const costs::NonMonetaryInput& in);

    int selectedItem() const;       // 1 … 22, 0 for none or a group
    void selectItem(int item);      // 0 clears the selection

    void Button81Click();           // "Vypočítat"
    void Button31Click();           // "Vynulovat"
    void Button1Click();            // "Zobraz předpis 484/2000 Sb."
    void naklad_2_ulozitClick();
    void Button50Click();           // "Načíst sestavu"
    void Edit1Change(bool next);    // the tree search; next: "další"
    void courtFeeSearch(bool next); // Naklady_Poplatek_Hledat / …HledatDalsi
    void Naklady_Dph2_dateChange();
    void Mimoradne_Slozita_CheckBoxClick();

private:
    void showResults(const costs::TNaklady_rizeni& r);
    void selectNode(int node);

    CostsPage& page_;
    std::vector<costs::TreeNode> nodes_;
    std::vector<QTreeWidgetItem*> nodeItems_;
    std::vector<std::string> feeCaptions_;
    QTreeWidget* tree_ = nullptr;
    QLineEdit* treeSearch_ = nullptr;
    QDateEdit* date_ = nullptr;
    QCheckBox* vatPayer_ = nullptr;
    QDateEdit* vatDate_ = nullptr;
    QLabel* vatRate_ = nullptr;
    QSpinBox* persons_ = nullptr;
    QCheckBox* courtFee_ = nullptr;
    QListWidget* feeList_ = nullptr;
    QLineEdit* feeSearch_ = nullptr;
    QDateEdit* courtFeeDate_ = nullptr;
    RadioGroup* choice_ = nullptr;
    QFrame* complexFrame_ = nullptr;
    QCheckBox* complex_ = nullptr;
    ActList* acts_ = nullptr;
    std::array<ResultRow, 8> results_{};
};

}  // namespace verdika::ui
