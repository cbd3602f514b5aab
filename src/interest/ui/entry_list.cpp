#include "interest/ui/entry_list.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "common/numbers.h"
#include "common/ui/action.h"
#include "common/ui/controls.h"
#include "common/ui/date_edit.h"
#include "common/ui/grid_helpers.h"
#include "common/ui/messages.h"
#include "common/ui/number_field.h"
#include "common/ui/qt_convert.h"
#include "interest/interest.h"

namespace verdika::ui {

namespace {

const QString kDuplicateLabel =
    QStringLiteral("Nelze přidat dvě jistiny stejné skupiny závazku! Změňte označení skupiny závazku.");

QString dateText(const QDateEdit* e) { return e->date().toString(QStringLiteral("d.M.yyyy")); }

}  // namespace

EntryList::EntryList(const EntryListSpec& spec, QWidget* extra, QWidget* parent)
    : QGroupBox(spec.title, parent), columns_(spec.columns), oneRowPerLabel_(spec.oneRowPerLabel) {
    setObjectName(spec.box);
    auto* g = new QGridLayout(this);
    g->setContentsMargins(6, 4, 6, 4);
    g->setVerticalSpacing(3);

    amount_ = new NumberField(spec.amount, 2, this);
    // Room for a principal in the hundreds of millions; the field may grow.
    amount_->setMinimumWidth(amount_->fontMetrics().horizontalAdvance(QStringLiteral("999.999.999,99")) + 12);
    date_ = makeDateEdit(spec.date, this);
    if (!spec.until.isEmpty()) until_ = makeDateEdit(spec.until, this);
    label_ = new QComboBox(this);
    label_->setObjectName(spec.label);
    if (oneRowPerLabel_) {
        label_->setEditable(true);
        label_->setInsertPolicy(QComboBox::NoInsert);
    }
    if (!spec.describe.isEmpty()) {
        describe_ = toolButton(spec.describe, QStringLiteral("Vlož popis"),
                               QStringLiteral("Vlastní označení skupiny závazků (např. číslo faktury) vložte do "
                                              "seznamu skupin"),
                               this);
        connect(describe_, &QToolButton::clicked, this, &EntryList::describe);
    }
    std::vector<QWidget*> tabOrder = placeFields(g, spec, extra);

    auto* addNow = pushButton(spec.add, QStringLiteral("Přidat"), this);
    auto* addMonth = pushButton(spec.addMonth, QStringLiteral("Přidat stejné následující měsíc"), this);
    auto* addRow = new QHBoxLayout;
    addRow->addWidget(addNow);
    addRow->addWidget(addMonth, 1);
    const int buttonsRow = g->rowCount();
    g->addLayout(addRow, buttonsRow, 0, 1, 4);

    grid_ = dataGrid(spec.grid, spec.captions, this);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid_->setFixedHeight(86);
    auto* edit = pushButton(spec.edit, QStringLiteral("Upravit záznam"), this);
    auto* remove = pushButton(spec.remove, QStringLiteral("Odebrat řádek"), this);
    auto* clear = pushButton(spec.clear, QStringLiteral("Vymazat"), this);
    auto* side = new QVBoxLayout;
    for (QPushButton* b : {edit, remove, clear}) {
        roomyCaption(b);
        side->addWidget(b);
    }
    side->addStretch(1);
    auto* gridRow = new QHBoxLayout;
    gridRow->addWidget(grid_, 1);
    gridRow->addLayout(side);
    g->addLayout(gridRow, buttonsRow + 1, 0, 1, 4);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);
    // Tab follows the fields as they read, left to right and down.
    tabOrder.insert(tabOrder.end(), {addNow, addMonth, grid_, edit, remove, clear});
    for (size_t i = 1; i < tabOrder.size(); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);

    connect(addNow, &QPushButton::clicked, this, [this] { add(false); });
    connect(addMonth, &QPushButton::clicked, this, [this] { add(true); });
    connect(edit, &QPushButton::clicked, this, &EntryList::editRow);
    connect(remove, &QPushButton::clicked, this, &EntryList::removeRow);
    connect(clear, &QPushButton::clicked, this, &EntryList::clear);
    connect(grid_, &QTableWidget::cellClicked, this, [this](int row, int) { showRow(row); });
    connect(label_, &QComboBox::activated, this, [this](int) { emit labelChosen(label_->currentText()); });
}

std::vector<QWidget*> EntryList::placeFields(QGridLayout* g, const EntryListSpec& spec, QWidget* extra) {
    std::vector<QWidget*> order;
    auto beside = [&](QWidget* main, QWidget* next) {
        order.push_back(next);
        auto* row = new QHBoxLayout;
        row->setSpacing(4);
        row->addWidget(main, 1);
        row->addWidget(next);
        return row;
    };
    for (size_t i = 0; i < spec.fields.size(); ++i) {
        const int row = static_cast<int>(i / 2), col = static_cast<int>(i % 2) * 2;
        auto caption = [&](const QString& text, QWidget* buddy) { g->addWidget(buddyLabel(text, buddy, this), row, col); };
        switch (spec.fields[i]) {
        case EntryField::Amount:
            caption(spec.amountCaption, amount_);
            order.push_back(amount_);
            g->addWidget(amount_, row, col + 1);
            break;
        case EntryField::Date:
            caption(spec.dateCaption, date_);
            order.push_back(date_);
            g->addWidget(date_, row, col + 1);
            break;
        case EntryField::Until: {
            caption(spec.untilCaption, until_);
            order.push_back(until_);
            auto* today = toolButton(spec.today, QStringLiteral("Dnes"), QString(), this);
            connect(today, &QToolButton::clicked, this, [this] { until_->setDate(QDate::currentDate()); });
            g->addLayout(beside(until_, today), row, col + 1);
            break;
        }
        case EntryField::Label:
            caption(spec.labelCaption, label_);
            order.push_back(label_);
            if (describe_)
                g->addLayout(beside(label_, describe_), row, col + 1);
            else
                g->addWidget(label_, row, col + 1);
            break;
        case EntryField::Extra:
            if (!extra) break;
            order.push_back(extra);
            g->addWidget(extra, row, col, 1, 2);
            break;
        }
    }
    return order;
}

QStringList EntryList::entryRow() const {
    QStringList out;
    for (EntryField c : columns_) {
        switch (c) {
        case EntryField::Amount: out << qs(Format_Cislo(amount_->value())); break;
        case EntryField::Date: out << dateText(date_); break;
        case EntryField::Until: out << dateText(until_); break;
        case EntryField::Label: out << label_->currentText(); break;
        case EntryField::Extra: out << QString(); break;
        }
    }
    return out;
}

void EntryList::showRow(int row) {
    if (row < 0 || cellText(grid_, row, 0).isEmpty()) return;
    for (int c = 0; c < static_cast<int>(columns_.size()); ++c) {
        const std::string text = ss(cellText(grid_, row, c));
        switch (columns_[static_cast<size_t>(c)]) {
        case EntryField::Amount:
            if (auto v = tryParseDecimal(text)) amount_->setValue(*v);
            break;
        case EntryField::Date:
            if (auto d = tryParseDate(text)) date_->setDate(toQDate(*d));
            break;
        case EntryField::Until:
            if (auto d = tryParseDate(text)) until_->setDate(toQDate(*d));
            break;
        case EntryField::Label:
            if (label_->isEditable()) {
                label_->setCurrentText(qs(text));
            } else {
                offerLabel(qs(text), false);
                selectLabel(qs(text));
            }
            break;
        case EntryField::Extra: break;
        }
    }
}

std::vector<QStringList> EntryList::rows() const {
    std::vector<QStringList> out;
    for (int r = 0; r < grid_->rowCount(); ++r) {
        if (rowIsEmpty(grid_, r)) continue;
        QStringList row;
        for (int c = 0; c < grid_->columnCount(); ++c) row << cellText(grid_, r, c);
        out.push_back(row);
    }
    return out;
}

bool EntryList::hasRows() const {
    for (int r = 0; r < grid_->rowCount(); ++r)
        if (!rowIsEmpty(grid_, r)) return true;
    return false;
}

void EntryList::setRows(const std::vector<QStringList>& rows) {
    Vymaz_StringGrid(grid_);
    grid_->setRowCount(static_cast<int>(rows.size()) + 1);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        for (int c = 0; c < rows[static_cast<size_t>(r)].size(); ++c)
            setCellText(grid_, r, c, rows[static_cast<size_t>(r)][c]);
}

int EntryList::emptyLastRow() {
    if (grid_->rowCount() == 0 || !rowIsEmpty(grid_, grid_->rowCount() - 1)) grid_->setRowCount(grid_->rowCount() + 1);
    return grid_->rowCount() - 1;
}

void EntryList::offerLabel(const QString& label, bool first) {
    if (label_->findText(label, Qt::MatchExactly) >= 0) return;
    if (first)
        label_->insertItem(0, label);
    else
        label_->addItem(label);
}

void EntryList::selectLabel(const QString& label) {
    const int i = label_->findText(label, Qt::MatchExactly);
    if (i >= 0) label_->setCurrentIndex(i);
}

// One principal per group: a label another row has (letter case aside) is refused.
bool EntryList::refuseLabel(int exceptRow) {
    if (!oneRowPerLabel_) return false;
    const std::string text = ss(label_->currentText());
    const int col = static_cast<int>(std::find(columns_.begin(), columns_.end(), EntryField::Label) - columns_.begin());
    for (int r = 0; r < grid_->rowCount(); ++r) {
        if (r == exceptRow || rowIsEmpty(grid_, r) || !interest::sameLabel(ss(cellText(grid_, r, col)), text)) continue;
        showMessage(this, kDuplicateLabel);
        return true;
    }
    return false;
}

void EntryList::add(bool nextMonth) {
    runAction(this, [&] {
        if (nextMonth) date_->setDate(date_->date().addMonths(1));
        const QString label = label_->currentText();
        if (oneRowPerLabel_ && label.trimmed().isEmpty()) {
            showMessage(this, QStringLiteral("Zadejte označení skupiny závazků."));
            return;
        }
        if (refuseLabel(-1)) return;
        const QStringList cells = entryRow();
        const int row = emptyLastRow();
        for (int c = 0; c < cells.size(); ++c) setCellText(grid_, row, c, cells[c]);
        grid_->setRowCount(row + 2);
        if (!oneRowPerLabel_) return;
        emit labelUsed(label);
        // Repeated adds go on with the next label.
        const int at = label_->findText(label, Qt::MatchExactly);
        if (at >= 0 && at + 1 < label_->count()) label_->setCurrentIndex(at + 1);
    });
}

void EntryList::editRow() {
    runAction(this, [&] {
        const int row = grid_->currentRow();
        if (row < 0 || cellText(grid_, row, 0).isEmpty() || refuseLabel(row)) return;
        const QStringList cells = entryRow();
        for (int c = 0; c < cells.size(); ++c) setCellText(grid_, row, c, cells[c]);
        if (oneRowPerLabel_) emit labelUsed(label_->currentText());
    });
}

void EntryList::removeRow() {
    const int row = grid_->currentRow();
    const int col = std::max(grid_->currentColumn(), 0);
    if (row >= 0 && !cellText(grid_, row, col).isEmpty()) Odebrat_Radek(grid_);
}

void EntryList::clear() {
    Vymaz_StringGrid(grid_);
    label_->setCurrentIndex(0);
    amount_->setValue(0);
}

void EntryList::describe() {
    const QString text = label_->currentText();
    if (text.trimmed().isEmpty()) return;
    offerLabel(text, true);
    selectLabel(text);
    emit labelDescribed(text);
}

}  // namespace verdika::ui
