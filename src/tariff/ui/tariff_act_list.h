#pragma once
// "Právní úkony": the date of the next act, the two lists of act names with
// their "+" buttons, the list of acts (date, description, "úkon" or
// "půl-úkon") and "-". The caption counts the acts.
#include <QGroupBox>
#include <vector>

#include "common/dates.h"
#include "tariff/tariff.h"

class QComboBox;
class QDateEdit;
class QTableWidget;

namespace verdika::ui {

class TariffActList : public QGroupBox {
    Q_OBJECT
public:
    explicit TariffActList(QWidget* parent = nullptr);

    // Every row of the list, an empty one included.
    std::vector<tariff::ActRow> rows() const;
    void setRows(const std::vector<tariff::ActRow>& rows);
    // An empty list of one row.
    void clear();

    // The date of the next act (also the day of the kinds' values and of the regulation shown).
    Date date() const;
    QString fullActText() const;

    // "+": the date and the list's text as a new last row (the empty row of an empty list).
    void pridat_ukonClick(bool halfAct);
    // "-" or a double-click: removes the chosen act.
    void Button14Click();

private:
    QComboBox* actNames(const QString& name, const std::vector<std::string>& names, int rows);

    QDateEdit* date_;
    QComboBox* fullActs_;
    QComboBox* halfActs_;
    QTableWidget* grid_;
};

}  // namespace verdika::ui
