#include "interest/ui/result_grid.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "common/ui/controls.h"
#include "common/ui/grid_helpers.h"
#include "common/ui/qt_convert.h"

namespace verdika::ui {

using interest::GridRow;

ResultGrid::ResultGrid(QWidget* parent) : QWidget(parent) {
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(3);
    grid_ = dataGrid(QStringLiteral("Vysledek_StringGrid"),
                     {QStringLiteral("Skupina"), QStringLiteral("Prodlení od:"), QStringLiteral("Prodlení do:"),
                      QStringLiteral("Dnů:"), QStringLiteral("Úroky:"), QStringLiteral("Zbývající dluh:"),
                      QStringLiteral("Celkem:")},
                     this);
    QHeaderView* header = grid_->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(true);
    header->setDefaultAlignment(Qt::AlignCenter | Qt::Alignment(Qt::TextWordWrap));
    header->setMinimumHeight(2 * header->fontMetrics().lineSpacing() + 6);
    // Room for two groups, the totals and the empty row below the two-line
    // captions, with the sideways scroll bar of a wide case.
    grid_->setMinimumHeight(header->minimumHeight() + 4 * grid_->verticalHeader()->defaultSectionSize() +
                            grid_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2 * grid_->frameWidth());
    fitColumns();
    v->addWidget(grid_, 1);

    auto* txt = toolButton(QStringLiteral("BitBtn32"), QStringLiteral("TXT"),
                           QStringLiteral("Vložit výsledky do záložky TXT"), this);
    auto* excel = pushButton(QStringLiteral("Button39"), QStringLiteral("MS Excel"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(txt);
    buttons->addWidget(excel);
    v->addLayout(buttons);

    connect(txt, &QToolButton::clicked, this, &ResultGrid::toTxtClicked);
    connect(excel, &QPushButton::clicked, this, &ResultGrid::excelClicked);
}

void ResultGrid::fitColumns() {
    // Seven captions on one line are wider than the page's right half, so a
    // caption may wrap at its blanks: a column is as wide as its longest
    // word or its widest cell, never cutting either.
    QHeaderView* header = grid_->horizontalHeader();
    const QFontMetrics captions = header->fontMetrics(), cells = grid_->fontMetrics();
    const int pad = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header) + 8;
    for (int c = 0; c < grid_->columnCount(); ++c) {
        int width = 0;
        for (const QString& w : grid_->horizontalHeaderItem(c)->text().split(QLatin1Char(' ')))
            width = std::max(width, captions.horizontalAdvance(w));
        for (int r = 0; r < grid_->rowCount(); ++r) width = std::max(width, cells.horizontalAdvance(cellText(grid_, r, c)));
        grid_->setColumnWidth(c, width + pad);
    }
}

void ResultGrid::showRows(const std::vector<GridRow>& rows) {
    grid_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        for (int c = 0; c < 7; ++c) setCellText(grid_, r, c, qs(rows[static_cast<size_t>(r)][static_cast<size_t>(c)]));
    fitColumns();
}

std::vector<GridRow> ResultGrid::rows() const {
    std::vector<GridRow> out;
    for (int r = 0; r < grid_->rowCount(); ++r) {
        GridRow row;
        for (int c = 0; c < 7; ++c) row[static_cast<size_t>(c)] = ss(cellText(grid_, r, c));
        out.push_back(row);
    }
    return out;
}

void ResultGrid::clear() {
    Vymaz_StringGrid(grid_);
    fitColumns();
}

}  // namespace verdika::ui
