#pragma once
// The body the notary and executor pages share: the decree caption, the item
// list with its search, the tariff value with "Vypočítat", the fee with its
// way into the calculator's kept-results list, the note and the regulation
// button. The page computes; the panel says when (itemChanged).
#include <QWidget>
#include <string>
#include <vector>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QVBoxLayout;

namespace verdika::ui {

class NumberField;
class PageHost;
class ResultField;

struct FeeItemNames {
    QString decreeCaption, decreeText;
    QString list, search, searchNext;
    QString itemCaption;  // empty: no caption of the chosen item
    QString value;
    int decimals = 2;
    QString compute, fee, toCalculator, info, note;
    QString regulation, regulationText;
    bool feeBelowNote = false;  // else the fee stands under the tariff value
    QString resultPrefix;       // the kept result's description, before the item's caption
    const char* regulationFile = "";
};

class FeeItemPanel : public QWidget {
    Q_OBJECT
public:
    FeeItemPanel(PageHost& host, const FeeItemNames& names, std::vector<std::string> items,
                 QWidget* parent = nullptr);

    // The chosen item, 1-based; 0 when none is chosen.
    int item() const;
    QString itemText() const;
    NumberField* value() const { return value_; }
    ResultField* fee() const { return fee_; }
    bool hasFee() const;
    void showFee(double fee);
    void setNote(const QString& note);

    // Places a page's own controls: beside "Vypočítat", and under the value row.
    void addBesideCompute(QWidget* w);
    void addUnderValue(QLayout* row);

    // The search: the first item containing the text (from the one after the
    // chosen item with `next`), wrapping to the top.
    void search(bool next);

    // "Odměna do schránkulačky": the fee shown goes to the calculator's kept results.
    void toCalculator();
    // The decree's text in the regulation viewer.
    void showRegulation();

signals:
    // An item chosen, "Vypočítat" or Enter in the value: compute the fee.
    void itemChanged();

private:
    PageHost& host_;
    QString resultPrefix_;
    std::string regulationFile_;
    std::vector<std::string> items_;
    QVBoxLayout* layout_;
    int underValueAt_ = 0;
    QListWidget* list_;
    QLineEdit* search_;
    QLabel* itemCaption_ = nullptr;
    NumberField* value_;
    QHBoxLayout* computeRow_;
    QPushButton* compute_;
    ResultField* fee_;
    QLabel* note_;
};

}  // namespace verdika::ui
