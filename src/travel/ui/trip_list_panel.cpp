#include "travel/ui/trip_list_panel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "common/ui/controls.h"
#include "common/ui/grid_helpers.h"
#include "common/ui/qt_convert.h"

namespace verdika::ui {

TripListPanel::TripListPanel(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addLayout(buildButtons());

    QStringList header;
    for (const auto& h : travel::kListHeader) header << qs(h);
    grid_ = dataGrid(QStringLiteral("Cestovne_SG"), header, this);
    // The cells stay editable, as the list is the user's to correct; the total follows.
    grid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    grid_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    grid_->setMinimumHeight(110);
    fitColumns();
    layout->addWidget(grid_, 1);

    total_ = new QLabel(qs(travel::listTotalLabel(0)), this);
    total_->setObjectName(QStringLiteral("Cestovne_Celkem_Label"));
    total_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    total_->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    layout->addWidget(total_);

    connect(grid_, &QTableWidget::cellClicked, this, [this](int r, int) { emit rowClicked(r); });
    connect(grid_, &QTableWidget::itemChanged, this, &TripListPanel::recomputeTotal);
}

QLayout* TripListPanel::buildButtons() {
    auto* row = new QHBoxLayout;
    row->setSpacing(3);
    auto button = [&](const char* name, const char* caption) {
        auto* b = pushButton(QString::fromLatin1(name), QString::fromUtf8(caption), this);
        // Sized to the caption, so that the whole row fits the page's width.
        b->setFixedWidth(b->fontMetrics().horizontalAdvance(b->text()) + 18);
        row->addWidget(b);
        return b;
    };
    auto* add = button("Cestovne_Pridat_Button", "Přidat");
    auto* remove = button("Cestovne_Odstranit_Button", "Odstranit řádek");
    auto* removeAll = button("Cestovne_Odstranit_Button_2", "Odstranit vše");
    auto* up = button("Vys_Button", "výš");
    auto* down = button("Niz_Button", "níž");
    row->addSpacing(8);
    auto* load = button("Button61", "Načíst sestavu");
    auto* save = button("Cestovne_ulozit", "Uložit sestavu");
    row->addSpacing(8);
    auto* excel = button("Cestovne_Excel_Button", "Excel");
    auto* pdf = button("Cestovne_PDF_Button_2", "PDF");
    auto* print = button("Cestovne_Tisk_Button_2", "Tisk");
    auto* txt = button("Cestovne_TXT_Button", "Přidat do záložky TXT");
    row->addStretch();

    connect(add, &QPushButton::clicked, this, &TripListPanel::addClicked);
    connect(remove, &QPushButton::clicked, this, &TripListPanel::removeSelected);
    connect(removeAll, &QPushButton::clicked, this, &TripListPanel::clear);
    connect(up, &QPushButton::clicked, this, [this] { moveSelected(-1); });
    connect(down, &QPushButton::clicked, this, [this] { moveSelected(+1); });
    connect(load, &QPushButton::clicked, this, &TripListPanel::loadClicked);
    connect(save, &QPushButton::clicked, this, &TripListPanel::saveClicked);
    connect(excel, &QPushButton::clicked, this, &TripListPanel::excelClicked);
    connect(pdf, &QPushButton::clicked, this, &TripListPanel::pdfClicked);
    connect(print, &QPushButton::clicked, this, &TripListPanel::printClicked);
    connect(txt, &QPushButton::clicked, this, &TripListPanel::txtClicked);
    return row;
}

// Every column as wide as its caption and its widest cell, so that neither
// is cut ("Pauš. náhrada"); the reason takes what is left.
void TripListPanel::fitColumns() {
    for (int c = 0; c < travel::kListColumns; ++c)
        if (c != 1) grid_->resizeColumnToContents(c);
}

std::vector<travel::TripRow> TripListPanel::rows() const {
    std::vector<travel::TripRow> rows;
    for (int r = 0; r < grid_->rowCount(); ++r) rows.push_back(row(r));
    return rows;
}

travel::TripRow TripListPanel::row(int r) const {
    travel::TripRow cells;
    for (int c = 0; c < travel::kListColumns; ++c) cells[static_cast<size_t>(c)] = ss(cellText(grid_, r, c));
    return cells;
}

QString TripListPanel::totalText() const { return total_->text(); }

void TripListPanel::setRow(int r, const travel::TripRow& cells) {
    for (int c = 0; c < travel::kListColumns; ++c) setCellText(grid_, r, c, qs(cells[static_cast<size_t>(c)]));
}

void TripListPanel::addTrip(const travel::TripRow& cells) {
    {
        const QSignalBlocker block(grid_);
        if (grid_->rowCount() == 0 || !cellText(grid_, grid_->rowCount() - 1, 0).isEmpty())
            grid_->setRowCount(grid_->rowCount() + 1);
        setRow(grid_->rowCount() - 1, cells);
        fitColumns();
    }
    recomputeTotal();
}

void TripListPanel::setTripSet(const travel::TripSet& set) {
    const QSignalBlocker block(grid_);
    grid_->clearContents();
    grid_->setRowCount(static_cast<int>(set.rows.size()));
    for (int r = 0; r < grid_->rowCount(); ++r) setRow(r, set.rows[static_cast<size_t>(r)]);
    fitColumns();
    total_->setText(qs(set.totalLabel));
}

void TripListPanel::removeSelected() {
    {
        const QSignalBlocker block(grid_);
        Odebrat_Radek(grid_);
    }
    recomputeTotal();
}

void TripListPanel::clear() {
    {
        const QSignalBlocker block(grid_);
        Vymaz_StringGrid(grid_);
    }
    recomputeTotal();
}

void TripListPanel::moveSelected(int step) {
    const int r = grid_->currentRow();
    const int target = r + step;
    if (r < 0 || target < 0 || target >= grid_->rowCount()) return;
    const QSignalBlocker block(grid_);
    const travel::TripRow moving = row(r);
    setRow(r, row(target));
    setRow(target, moving);
    grid_->setCurrentCell(target, std::max(grid_->currentColumn(), 0));
}

void TripListPanel::recomputeTotal() { total_->setText(qs(travel::listTotalLabel(travel::listSum(rows())))); }

}  // namespace verdika::ui
