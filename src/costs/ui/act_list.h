#pragma once
#include <QGroupBox>
#include <QString>
#include <vector>

#include "costs/calculation.h"

class QComboBox;
class QDateEdit;
class QTableWidget;

namespace verdika::ui {

// The group "Právní úkony" of both calculation sub-tabs: the act's date and
// name, "+" and "-", and the grid (date, description). Its caption counts
// the acts.
class ActList : public QGroupBox {
    Q_OBJECT
public:
    struct Names {
        QString date, chooser, add, remove, grid, tip;
    };
    ActList(const Names& names, QWidget* parent = nullptr);

    std::vector<costs::ActRow> rows() const;
    void setRows(const std::vector<costs::ActRow>& rows);
    Date actDate() const;
    void clear();          // Vymaz_StringGrid
    void add();            // "+": fills the last row when its date is empty, else a new row
    void removeCurrent();  // "-" and a double click: PU_SGDblClick

    QDateEdit* date() const { return date_; }
    QComboBox* chooser() const { return chooser_; }
    QTableWidget* grid() const { return grid_; }

private:
    QDateEdit* date_;
    QComboBox* chooser_;
    QTableWidget* grid_;
};

}  // namespace verdika::ui
