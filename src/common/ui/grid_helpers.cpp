#include "common/ui/grid_helpers.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QTableWidget>

namespace verdika::ui {

QString cellText(const QTableWidget* grid, int row, int col) {
    const QTableWidgetItem* item = grid->item(row, col);
    return item ? item->text() : QString();
}

void setCellText(QTableWidget* grid, int row, int col, const QString& text) {
    if (QTableWidgetItem* item = grid->item(row, col)) item->setText(text);
    else grid->setItem(row, col, new QTableWidgetItem(text));
}

bool rowIsEmpty(const QTableWidget* grid, int row) {
    for (int c = 0; c < grid->columnCount(); ++c)
        if (!cellText(grid, row, c).isEmpty()) return false;
    return true;
}

namespace {
void clearRow(QTableWidget* grid, int row) {
    for (int c = 0; c < grid->columnCount(); ++c) setCellText(grid, row, c, QString());
}
}  // namespace

void Odebrat_Radek(QTableWidget* grid) {
    const int row = grid->currentRow();
    if (row < 0 || row >= grid->rowCount()) return;
    if (grid->rowCount() > 1) grid->removeRow(row);
    else clearRow(grid, row);
}

void updateActListCaption(QTableWidget* grid, QGroupBox* caption) {
    if (!caption) return;
    if (grid->rowCount() > 0 && !cellText(grid, 0, 0).isEmpty())
        caption->setTitle(QStringLiteral("Právní úkony: %1 právní úkony").arg(grid->rowCount()));
    else
        caption->setTitle(QStringLiteral("Právní úkony"));
}

void PU_SGDblClick(QTableWidget* grid, QGroupBox* caption) {
    const int row = grid->currentRow();
    if (row >= 0 && row < grid->rowCount()) {
        if (grid->rowCount() > 1) grid->removeRow(row);
        else clearRow(grid, row);
    }
    if (grid->rowCount() == 0) grid->setRowCount(1);
    updateActListCaption(grid, caption);
}

void Vymaz_StringGrid(QTableWidget* grid) {
    grid->clearContents();
    grid->setRowCount(1);
}

void Odmena_EditDblClick(QLineEdit* edit) {
    if (edit) QApplication::clipboard()->setText(edit->text());
}

namespace {
class CopyOnDoubleClick : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::MouseButtonDblClick) {
            Odmena_EditDblClick(qobject_cast<QLineEdit*>(watched));
            return true;
        }
        return false;
    }
};
}  // namespace

void installCopyOnDoubleClick(QLineEdit* edit) {
    static auto* filter = new CopyOnDoubleClick(qApp);
    edit->installEventFilter(filter);
}

}  // namespace verdika::ui
