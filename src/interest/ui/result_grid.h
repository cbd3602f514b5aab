#pragma once
// The result grid of the interest page (one row per group, the totals, the
// refund row) with its "TXT" and "MS Excel" buttons. Its columns are at
// least as wide as their captions, so no caption is cut; a grid wider than
// the page scrolls sideways.
#include <QWidget>
#include <vector>

#include "interest/interest_report.h"

class QTableWidget;

namespace verdika::ui {

class ResultGrid : public QWidget {
    Q_OBJECT
public:
    explicit ResultGrid(QWidget* parent = nullptr);

    void showRows(const std::vector<interest::GridRow>& rows);
    std::vector<interest::GridRow> rows() const;
    void clear();
    QTableWidget* grid() const { return grid_; }

signals:
    void toTxtClicked();
    void excelClicked();

private:
    void fitColumns();
    QTableWidget* grid_;
};

}  // namespace verdika::ui
