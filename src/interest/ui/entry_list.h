#pragma once
// One box of the interest page's entries, used for the debts ("Závazky") and
// the payments ("Úhrady"): the entry controls, "Přidat" and "Přidat stejné
// následující měsíc", the grid, and "Upravit záznam", "Odebrat řádek" and
// "Vymazat". The grid's last row is always the empty one a new row goes into;
// choosing a row copies it back into the entry controls.
#include <QGroupBox>
#include <QStringList>
#include <vector>

class QComboBox;
class QDateEdit;
class QGridLayout;
class QPushButton;
class QTableWidget;
class QToolButton;

namespace verdika::ui {

class NumberField;

// An entry control, and so a grid column.
enum class EntryField { Amount, Date, Until, Label, Extra };

struct EntryListSpec {
    QString box, title;
    QString amount, amountCaption;
    QString date, dateCaption;           // the date "Přidat stejné následující měsíc" moves on
    QString until, untilCaption, today;  // a second date with a "Dnes" button; empty: none
    QString label, labelCaption;
    QString describe;                    // "Vlož popis" beside the label; empty: none
    // Debts: the label is typed or chosen, every label has one row at most,
    // and an added row moves the list on to the next label.
    bool oneRowPerLabel = false;
    QString add, addMonth, edit, remove, clear;
    QString grid;
    QStringList captions;
    std::vector<EntryField> columns;  // of the grid
    std::vector<EntryField> fields;   // the entry controls, two to a row
};

class EntryList : public QGroupBox {
    Q_OBJECT
public:
    // extra takes the place of EntryField::Extra among the fields.
    EntryList(const EntryListSpec& spec, QWidget* extra, QWidget* parent = nullptr);

    NumberField* amount() const { return amount_; }
    QDateEdit* date() const { return date_; }
    QDateEdit* until() const { return until_; }
    QComboBox* labels() const { return label_; }
    QTableWidget* grid() const { return grid_; }

    // The grid's rows with text, one text per column.
    std::vector<QStringList> rows() const;
    bool hasRows() const;
    void setRows(const std::vector<QStringList>& rows);

    // A label into the list unless it is there: first, or last.
    void offerLabel(const QString& label, bool first);
    void selectLabel(const QString& label);

    // The buttons' actions.
    void add(bool nextMonth);
    void editRow();
    void removeRow();
    void clear();     // "Vymazat": the grid, the first label, amount 0
    void describe();  // "Vlož popis": the typed label first in the list

signals:
    // A row was written with this label (the payments' list offers it too).
    void labelUsed(const QString& label);
    // "Vlož popis" put the label first.
    void labelDescribed(const QString& label);
    // The user chose a label from the drop-down.
    void labelChosen(const QString& label);

private:
    // Returns the placed controls in reading order, for the Tab order.
    std::vector<QWidget*> placeFields(QGridLayout* g, const EntryListSpec& spec, QWidget* extra);
    QStringList entryRow() const;
    void showRow(int row);
    bool refuseLabel(int exceptRow);
    int emptyLastRow();

    std::vector<EntryField> columns_;
    bool oneRowPerLabel_;
    NumberField* amount_;
    QDateEdit* date_;
    QDateEdit* until_ = nullptr;
    QComboBox* label_;
    QToolButton* describe_ = nullptr;
    QTableWidget* grid_;
};

}  // namespace verdika::ui
