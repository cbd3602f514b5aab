#pragma once
// Pieces the fee pages share: the "Schránkulačka" tip of the information
// buttons, the decree caption, the list search row, an amount row (label,
// field, "Kč"), and the item list's change signal (a click or a key, once
// per change).
#include <QString>
#include <functional>

class QBoxLayout;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QListWidget;
class QToolButton;
class QWidget;

namespace verdika::ui {

// The tip of the notary and executor pages' information buttons.
void addCalculatorTip(QToolButton* button);
// The bold caption naming the decree and its amendments.
QLabel* addDecreeCaption(QBoxLayout* layout, const QString& objectName, const QString& text, QWidget* parent);
// The list search: a label (the edit's buddy), the edit and the find-next button in one row.
void addSearchRow(QBoxLayout* layout, const QString& label, QLineEdit* edit, QPushButton* next, QWidget* parent);
// label in column 0, the field in 1, "Kč" in 2.
void addAmountRow(QGridLayout* grid, int row, const QString& label, QWidget* field, QWidget* parent);
// Runs the action when the user chooses an item: a click (also on the item
// already chosen) or a key that moves the choice, or a choice made by the program.
void onItemChosen(QListWidget* list, QWidget* context, const std::function<void()>& action);

}  // namespace verdika::ui
