#pragma once
// The list of computed trips under the inputs: its buttons, the grid of
// trip rows (editable, a click hands the row back) and the running total.
// The panel keeps the rows, their order and the total; the page answers the
// buttons that need the last result, a file or a statement.
#include <QWidget>
#include <vector>

#include "travel/trip_list.h"

class QLabel;
class QTableWidget;

namespace verdika::ui {

class TripListPanel : public QWidget {
    Q_OBJECT
public:
    explicit TripListPanel(QWidget* parent = nullptr);

    std::vector<travel::TripRow> rows() const;
    travel::TripRow row(int r) const;
    QString totalText() const;
    QTableWidget* grid() const { return grid_; }

    // "Přidat": fills the last row when it is empty, else appends one.
    void addTrip(const travel::TripRow& cells);
    // A loaded trip set with its total as stored, not recomputed.
    void setTripSet(const travel::TripSet& set);
    void removeSelected();      // "Odstranit řádek"
    void clear();               // "Odstranit vše"
    void moveSelected(int step);  // "výš" -1, "níž" +1
    void recomputeTotal();

signals:
    void addClicked();
    void rowClicked(int row);
    void loadClicked();
    void saveClicked();
    void excelClicked();
    void pdfClicked();
    void printClicked();
    void txtClicked();

private:
    QLayout* buildButtons();
    void setRow(int r, const travel::TripRow& cells);
    void fitColumns();

    QTableWidget* grid_;
    QLabel* total_;
};

}  // namespace verdika::ui
