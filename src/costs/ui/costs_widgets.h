#pragma once
// Controls both calculation sub-tabs of the costs tab share: the act list
// with its chooser, the result fields with their two copy buttons, the persons
// spin box and the information tips.
#include <QGroupBox>
#include <QString>
#include <functional>
#include <vector>

#include "costs/calculation.h"

class QComboBox;
class QDateEdit;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QToolButton;

namespace verdika::ui {

// The group "Právní úkony": the act's date and name, "+" and "-" and the grid
// (date, description). Its caption counts the acts.
class ActList : public QGroupBox {
    Q_OBJECT
public:
    struct Names {
        QString date, chooser, add, remove, grid, tip;
    };
    ActList(const Names& names, QWidget* parent = nullptr);

    std::vector<costs::ActRow> rows() const;
    void setRows(const std::vector<costs::ActRow>& rows);
    void clear();                 // Vymaz_StringGrid
    void add();                   // "+": fills the last row when its date is empty, else a new row
    void removeCurrent();         // "-" and a double click: PU_SGDblClick
    QDateEdit* date() const { return date_; }
    QComboBox* chooser() const { return chooser_; }
    QTableWidget* grid() const { return grid_; }

private:
    QDateEdit* date_;
    QComboBox* chooser_;
    QTableWidget* grid_;
};

// A result field with its blue button (copies the text as shown) and its white
// one (copies the plain number the value() function gives, from the record).
struct ResultRow {
    QLineEdit* field;
    QToolButton* blue;
    QToolButton* white;
};
ResultRow addResultRow(QGridLayout* grid, int row, int column, const QString& label, const QString& fieldName,
                       const QString& blueName, const QString& whiteName, std::function<double()> value,
                       QWidget* parent);

// A push button with its object name.
QPushButton* makeButton(const char* objectName, const QString& caption, QWidget* parent);

// The open or save dialog of the set files (*.vrd, starting in the data
// directory); empty when cancelled.
QString askSetFile(QWidget* parent, const QString& dataDir, bool save);

// The represented persons, 0 to 100, 1 at the start.
QSpinBox* makePersonsBox(const QString& objectName, QWidget* parent);

// Information buttons with the costs tab's tips.
QToolButton* actsTipButton(const QString& objectName, QWidget* parent);
QToolButton* vatTipButton(const QString& objectName, QWidget* parent);
QToolButton* courtFeeTipButton(const QString& objectName, QWidget* parent);

// The rate label beside a VAT date: the rate text + "%" while the payer box
// is ticked, else empty.
QString vatRateText(const QString& programDir, const QDate& date, bool vatPayer);

}  // namespace verdika::ui
