#include "costs/ui/costs_widgets.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "common/ui/controls.h"
#include "common/errors.h"
#include "common/ini.h"
#include "common/numbers.h"
#include "common/ui/balloon.h"
#include "common/ui/date_edit.h"
#include "common/ui/desktop.h"
#include "common/ui/grid_helpers.h"
#include "common/ui/qt_convert.h"
#include "common/versioned.h"
#include "costs/costs.h"
#include "costs/lists.h"
#include "fees/ui/fee_page_parts.h"

namespace verdika::ui {
namespace {

// Blue copies what the field shows, white the bare number: told apart by colour.
QIcon square(const QColor& fill) {
    QPixmap p(12, 12);
    p.fill(Qt::transparent);
    QPainter painter(&p);
    painter.setPen(QColor(70, 70, 70));
    painter.setBrush(fill);
    painter.drawRect(0, 0, 11, 11);
    return QIcon(p);
}

QToolButton* copyButton(const QString& name, bool blue, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setIcon(square(blue ? QColor(60, 110, 215) : QColor(Qt::white)));
    b->setToolTip(blue ? QStringLiteral("Kopírovat částku, jak je zobrazena")
                       : QStringLiteral("Kopírovat číslo bez formátování"));
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QToolButton* tipButton(const QString& name, const QString& title, const QString& text, QWidget* parent) {
    QToolButton* b = infoButton(name, parent);
    infoBalloon(b, title, text);
    return b;
}

}  // namespace

ActList::ActList(const Names& names, QWidget* parent) : QGroupBox(QStringLiteral("Právní úkony"), parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    auto* row = new QHBoxLayout;
    date_ = makeDateEdit(names.date, this);
    date_->setDate(QDate::currentDate());
    chooser_ = new QComboBox(this);
    chooser_->setObjectName(names.chooser);
    chooser_->setEditable(true);
    chooser_->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string& name : costs::actNames()) chooser_->addItem(qs(name));
    chooser_->setCurrentIndex(0);
    chooser_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    chooser_->setMinimumContentsLength(8);
    auto* add = new QPushButton(QStringLiteral("+"), this);
    add->setObjectName(names.add);
    add->setToolTip(QStringLiteral("Přidat úkon"));
    add->setFixedWidth(28);
    auto* remove = new QPushButton(QStringLiteral("-"), this);
    remove->setObjectName(names.remove);
    remove->setToolTip(QStringLiteral("Odebrat vybraný úkon"));
    remove->setFixedWidth(28);
    row->addWidget(date_);
    row->addWidget(chooser_, 1);
    row->addWidget(add);
    row->addWidget(remove);
    row->addWidget(actsTipButton(names.tip, this));
    layout->addLayout(row);

    grid_ = new QTableWidget(1, 2, this);
    grid_->setObjectName(names.grid);
    grid_->setHorizontalHeaderLabels({QStringLiteral("Datum"), QStringLiteral("Úkon")});
    grid_->verticalHeader()->hide();
    grid_->setColumnWidth(0, 80);
    grid_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->setDefaultSectionSize(20);
    grid_->setMinimumHeight(90);
    layout->addWidget(grid_, 1);

    connect(add, &QPushButton::clicked, this, [this] { this->add(); });
    connect(remove, &QPushButton::clicked, this, [this] { removeCurrent(); });
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this] { removeCurrent(); });
}

std::vector<costs::ActRow> ActList::rows() const {
    std::vector<costs::ActRow> out;
    for (int r = 0; r < grid_->rowCount(); ++r) out.push_back({ss(cellText(grid_, r, 0)), ss(cellText(grid_, r, 1))});
    return out;
}

void ActList::setRows(const std::vector<costs::ActRow>& rows) {
    grid_->setRowCount(std::max<int>(1, static_cast<int>(rows.size())));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        setCellText(grid_, r, 0, qs(rows[static_cast<size_t>(r)].date));
        setCellText(grid_, r, 1, qs(rows[static_cast<size_t>(r)].description));
        grid_->item(r, 1)->setToolTip(grid_->item(r, 1)->text());
    }
    updateActListCaption(grid_, this);
}

void ActList::clear() {
    Vymaz_StringGrid(grid_);
    if (QTableWidgetItem* item = grid_->item(0, 1)) item->setToolTip(QString());
    updateActListCaption(grid_, this);
}

void ActList::add() {
    const int last = grid_->rowCount() - 1;
    if (last < 0 || !cellText(grid_, last, 0).isEmpty()) grid_->setRowCount(grid_->rowCount() + 1);
    const int row = grid_->rowCount() - 1;
    setCellText(grid_, row, 0, qs(formatDate(fromQDate(date_->date()))));
    setCellText(grid_, row, 1, chooser_->currentText());
    grid_->item(row, 1)->setToolTip(chooser_->currentText());
    setTitle(QStringLiteral("Právní úkony: %1 právní úkony").arg(grid_->rowCount()));
}

void ActList::removeCurrent() { PU_SGDblClick(grid_, this); }

ResultRow addResultRow(QGridLayout* grid, int row, int column, const QString& label, const QString& fieldName,
                       const QString& blueName, const QString& whiteName, std::function<double()> value,
                       QWidget* parent) {
    ResultRow r;
    auto* l = new QLabel(label, parent);
    r.field = new QLineEdit(parent);
    r.field->setObjectName(fieldName);
    r.field->setReadOnly(true);
    r.field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    r.field->setMinimumWidth(105);
    l->setBuddy(r.field);
    installCopyOnDoubleClick(r.field);
    r.blue = copyButton(blueName, true, parent);
    r.white = copyButton(whiteName, false, parent);
    QLineEdit* field = r.field;
    QObject::connect(r.blue, &QToolButton::clicked, parent, [field] { Odmena_EditDblClick(field); });
    QObject::connect(r.white, &QToolButton::clicked, parent,
                     [value] { QApplication::clipboard()->setText(qs(Format_Cislo(value()))); });
    grid->addWidget(l, row, column);
    grid->addWidget(r.field, row, column + 1);
    grid->addWidget(r.blue, row, column + 2);
    grid->addWidget(r.white, row, column + 3);
    return r;
}

QPushButton* makeButton(const char* objectName, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(objectName));
    return b;
}

QString askSetFile(QWidget* parent, const QString& dataDir, bool save) {
    FileDialogRequest r;
    r.save = save;
    r.title = save ? QStringLiteral("Uložit sestavu") : QStringLiteral("Načíst sestavu");
    r.directory = dataDir;
    r.filter = QStringLiteral("Verdika (*.vrd)");
    r.defaultSuffix = QStringLiteral("vrd");
    return askFileName(parent, r);
}

QSpinBox* makePersonsBox(const QString& objectName, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(objectName);
    box->setRange(0, 100);
    box->setValue(1);
    box->setMaximumWidth(60);
    return box;
}

QToolButton* actsTipButton(const QString& objectName, QWidget* parent) {
    return tipButton(objectName, QStringLiteral("Počet úkonů"),
                     QStringLiteral("Právní úkony přidáte tlačítkem se znaménkem plus.\n"
                                    "Odeberete je tlačítkem se znaménkem minus nebo poklepáním na řádek.\n\n"
                                    "Pokud nezadáte žádný úkon, pak budou automaticky zadány dva úkony - převzetí a "
                                    "příprava zastoupení a písemné podání ve věci samé.\n"
                                    "Během výpočtu se jednotlivé právní úkony uspořádaní podle data, takže můžete "
                                    "úkony zadat i jinak, než ve správném pořadí.\n"
                                    "Pokud bude pouze jeden právní úkon, odměna bude automaticky snížena o přísušnou "
                                    "část.\n"
                                    "Popisek úkonů a půlúkonů je pouze informativní - v sumarizaci budou uvedeny a "
                                    "poslouží k lepší srozumitelnosti výpočtu.\n"),
                     parent);
}

QToolButton* vatTipButton(const QString& objectName, QWidget* parent) {
    return tipButton(objectName, QStringLiteral("Plátce DPH"), QStringLiteral("Datum zdanitelného plnění."), parent);
}

QToolButton* courtFeeTipButton(const QString& objectName, QWidget* parent) {
    return tipButton(objectName, QStringLiteral("Soudní poplatek"),
                     QStringLiteral("Pokud necháte pole zatrženo, program vypočítá soudní poplatek a připočte ho ke "
                                    "konečnému výsledku. Zadejte tedy datum, ke kterému má být soudní poplatek "
                                    "vypočten.\nPokud nebude zatrženo, pak se soudní poplatek nevypočítá a nebude "
                                    "nikam přičteno."),
                     parent);
}

QString vatRateText(const QString& programDir, const QDate& date, bool vatPayer) {
    if (!vatPayer) return {};
    try {
        const IniFile vat = IniFile::load(fspath(programDir) / costs::kVatTable);
        return qs(vat.readString(Platna_Novelizace(vat, 0, fromQDate(date)), "zvysena", "0")) + QStringLiteral("%");
    } catch (const Error&) {
        return QStringLiteral("0%");
    }
}

}  // namespace verdika::ui
