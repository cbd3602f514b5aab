#pragma once
// Helpers of the string grids (QTableWidget). The grids show their column
// captions in the header, so every row of the widget is a data row.
class QTableWidget;
class QGroupBox;
class QLineEdit;
class QString;

namespace verdika::ui {

// Removes the cursor row; the last remaining row is emptied instead.
void Odebrat_Radek(QTableWidget* grid);

// The act lists' removal (double-click or "-"): removes the cursor row, keeps
// at least one row, and sets the list's caption to "Právní úkony: N právní
// úkony" (or "Právní úkony" when the list is empty).
void PU_SGDblClick(QTableWidget* grid, QGroupBox* caption);
void updateActListCaption(QTableWidget* grid, QGroupBox* caption);

// Empties every cell and leaves one row.
void Vymaz_StringGrid(QTableWidget* grid);

QString cellText(const QTableWidget* grid, int row, int col);
void setCellText(QTableWidget* grid, int row, int col, const QString& text);
// True when every cell of the row is empty.
bool rowIsEmpty(const QTableWidget* grid, int row);

// Result fields copy their text, as shown, to the clipboard on double-click.
void Odmena_EditDblClick(QLineEdit* edit);
void installCopyOnDoubleClick(QLineEdit* edit);

}  // namespace verdika::ui
