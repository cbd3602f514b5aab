#include "tariff/ui/tariff_act_list.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>

#include "common/ui/controls.h"
#include "common/ui/date_edit.h"
#include "common/ui/grid_helpers.h"
#include "common/ui/qt_convert.h"
#include "tariff/lists.h"

namespace verdika::ui {

TariffActList::TariffActList(QWidget* parent) : QGroupBox(QStringLiteral("Právní úkony"), parent) {
    setObjectName(QStringLiteral("GroupBox3"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 4, 6, 6);
    grid->setHorizontalSpacing(4);

    date_ = makeDateEdit(QStringLiteral("Tarif_Date"), this);
    grid->addWidget(buddyLabel(QStringLiteral("Datum úkonu:"), date_, this), 0, 0);
    grid->addWidget(date_, 0, 1, Qt::AlignLeft);
    grid->addWidget(infoButton(QStringLiteral("BitBtn27"), QStringLiteral("Právní úkony"),
                               QStringLiteral("Úkon přidáte tlačítkem „+“ u seznamu úkonů podle § 11 odst. 1 (úkon) "
                                              "nebo podle § 11 odst. 2 (půlúkon); datum úkonu zvolte předem v "
                                              "kalendáři. Úkon odeberete tlačítkem „-“ nebo dvojklikem na jeho řádek.\n"
                                              "Nezadáte-li žádný úkon, program při výpočtu sám přidá jeden úkon "
                                              "s datem zvoleným v kalendáři."),
                               this),
                    0, 3, Qt::AlignRight);

    fullActs_ = actNames(QStringLiteral("ComboBox1"), tariff::fullActNames(), 26);
    auto* addFull = pushButton(QStringLiteral("pridat_ukon"), QStringLiteral("+"), this);
    addFull->setToolTip(QStringLiteral("Přidat úkon podle § 11 odst. 1"));
    halfActs_ = actNames(QStringLiteral("ComboBox2"), tariff::halfActNames(), 17);
    auto* addHalf = pushButton(QStringLiteral("pridat_pulukon"), QStringLiteral("+"), this);
    addHalf->setToolTip(QStringLiteral("Přidat úkon podle § 11 odst. 2"));
    grid->addWidget(buddyLabel(QStringLiteral("§ 11/1:"), fullActs_, this), 1, 0);
    grid->addWidget(fullActs_, 1, 1, 1, 2);
    grid->addWidget(addFull, 1, 3);
    grid->addWidget(buddyLabel(QStringLiteral("§ 11/2:"), halfActs_, this), 2, 0);
    grid->addWidget(halfActs_, 2, 1, 1, 2);
    grid->addWidget(addHalf, 2, 3);

    grid_ = dataGrid(QStringLiteral("PU_SG"), {QString(), QString(), QString()}, this);
    grid_->horizontalHeader()->hide();  // the rows say what they are
    // Widths of 72, 350 and 50 at the old 8-point font; the description takes the rest.
    grid_->setColumnWidth(0, 80);
    grid_->setColumnWidth(1, 350);
    grid_->setColumnWidth(2, 70);
    grid_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    grid->addWidget(grid_, 3, 0, 1, 4);
    auto* remove = pushButton(QStringLiteral("Button14"), QStringLiteral("-"), this);
    remove->setToolTip(QStringLiteral("Odebrat vybraný úkon"));
    for (QPushButton* b : {addFull, addHalf, remove}) b->setMaximumWidth(32);
    grid->addWidget(remove, 4, 3);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(1, 1);

    connect(addFull, &QPushButton::clicked, this, [this] { pridat_ukonClick(false); });
    connect(addHalf, &QPushButton::clicked, this, [this] { pridat_ukonClick(true); });
    connect(remove, &QPushButton::clicked, this, &TariffActList::Button14Click);
    connect(grid_, &QTableWidget::cellDoubleClicked, this, &TariffActList::Button14Click);
}

QComboBox* TariffActList::actNames(const QString& name, const std::vector<std::string>& names, int rows) {
    auto* box = new QComboBox(this);
    box->setObjectName(name);
    box->setEditable(true);
    box->setMaxVisibleItems(rows);
    box->setInsertPolicy(QComboBox::NoInsert);
    // At once rather than item by item: the model then tells its views once.
    box->addItems(toQStringList(names));
    box->setEditText(qs(names.front()));
    // The names are long: the box takes the width it is given, and a name chosen is shown from its start.
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(16);
    connect(box, &QComboBox::textActivated, this, [box] { box->lineEdit()->setCursorPosition(0); });
    return box;
}

std::vector<tariff::ActRow> TariffActList::rows() const {
    std::vector<tariff::ActRow> rows;
    for (int r = 0; r < grid_->rowCount(); ++r)
        rows.push_back({ss(cellText(grid_, r, 0)), ss(cellText(grid_, r, 1)), ss(cellText(grid_, r, 2))});
    return rows;
}

void TariffActList::setRows(const std::vector<tariff::ActRow>& rows) {
    grid_->setRowCount(std::max<int>(1, static_cast<int>(rows.size())));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const tariff::ActRow& row = rows[static_cast<std::size_t>(r)];
        setCellText(grid_, r, 0, qs(row.date));
        setCellText(grid_, r, 1, qs(row.description));
        setCellText(grid_, r, 2, qs(row.kind));
    }
    updateActListCaption(grid_, this);
}

void TariffActList::clear() {
    Vymaz_StringGrid(grid_);
    updateActListCaption(grid_, this);
}

Date TariffActList::date() const { return fromQDate(date_->date()); }
QString TariffActList::fullActText() const { return fullActs_->currentText(); }

void TariffActList::pridat_ukonClick(bool halfAct) {
    const int last = grid_->rowCount() - 1;
    if (last < 0 || !cellText(grid_, last, 0).isEmpty()) grid_->setRowCount(grid_->rowCount() + 1);
    const int row = grid_->rowCount() - 1;
    setCellText(grid_, row, 0, qs(formatDate(date())));
    setCellText(grid_, row, 1, halfAct ? halfActs_->currentText() : fullActs_->currentText());
    setCellText(grid_, row, 2, qs(halfAct ? tariff::kHalfActKind : tariff::kFullActKind));
    setTitle(QStringLiteral("Právní úkony: %1 právní úkony").arg(grid_->rowCount()));
}

void TariffActList::Button14Click() { PU_SGDblClick(grid_, this); }

}  // namespace verdika::ui
