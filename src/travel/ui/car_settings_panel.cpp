#include "travel/ui/car_settings_panel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "common/errors.h"
#include "common/files.h"
#include "common/ui/action.h"
#include "common/ui/controls.h"
#include "common/ui/grid_helpers.h"
#include "common/ui/messages.h"
#include "common/ui/qt_convert.h"
#include "common/ui/zero_select.h"
#include "travel/user_files.h"

namespace verdika::ui {

namespace {

QLineEdit* priceEdit(const QString& name, QWidget* parent) {
    auto* e = new QLineEdit(QStringLiteral("0"), parent);
    e->setObjectName(name);
    e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    e->setFixedWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("000,000")) + 14);
    selectZeroOnFocus(e);
    return e;
}

}  // namespace

CarSettingsPanel::CarSettingsPanel(std::filesystem::path carsFile, std::filesystem::path ownPricesFile,
                                   QWidget* parent)
    : QWidget(parent), carsFile_(std::move(carsFile)), ownPricesFile_(std::move(ownPricesFile)) {
    setObjectName(QStringLiteral("Cestovne_Nastaveni_TabSheet"));
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(buildCarsBox(), 3);
    layout->addWidget(buildPricesBox(), 2, Qt::AlignTop);

    runAction(this, [&] {
        const travel::OwnPrices own = travel::loadOwnPrices(ownPricesFile_);
        own91_->setText(qs(own.petrol91));
        own95_->setText(qs(own.petrol95));
        own98_->setText(qs(own.petrol98));
        ownDiesel_->setText(qs(own.diesel));
    });
}

QWidget* CarSettingsPanel::buildCarsBox() {
    auto* box = new QGroupBox(QStringLiteral("Automobily"), this);
    auto* layout = new QVBoxLayout(box);
    // Name, consumption as stored, fuel; the list has no captions of its own.
    grid_ = dataGrid(QStringLiteral("Auto_StringGrid"), {QString(), QString(), QString()}, box, 0);
    grid_->horizontalHeader()->hide();
    grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    grid_->setColumnWidth(1, grid_->fontMetrics().horizontalAdvance(QStringLiteral("00,000")) + 16);
    grid_->setColumnWidth(2, grid_->fontMetrics().horizontalAdvance(QStringLiteral("neznámé palivo")) + 16);
    layout->addWidget(grid_, 1);

    auto* form = new QGridLayout;
    name_ = new QLineEdit(box);
    name_->setObjectName(QStringLiteral("Auto_Nazev_Edit"));
    consumption_ = new QLineEdit(box);
    consumption_->setObjectName(QStringLiteral("Auto_Spotreba_Edit"));
    consumption_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    consumption_->setFixedWidth(consumption_->fontMetrics().horizontalAdvance(QStringLiteral("00,000")) + 14);
    fuel_ = new QComboBox(box);
    fuel_->setObjectName(QStringLiteral("Palivo_ComboBox"));
    for (int k = 0; k < travel::kFuelKinds; ++k) fuel_->addItem(qs(travel::fuelName(k)));
    fuel_->setCurrentIndex(0);
    form->addWidget(buddyLabel(QStringLiteral("&Název"), name_, box), 0, 0);
    form->addWidget(name_, 0, 1);
    form->addWidget(buddyLabel(QStringLiteral("&Spotřeba"), consumption_, box), 1, 0);
    auto* consumptionRow = new QHBoxLayout;
    consumptionRow->addWidget(consumption_);
    consumptionRow->addWidget(new QLabel(QStringLiteral("l/100 km"), box));
    consumptionRow->addStretch();
    form->addLayout(consumptionRow, 1, 1);
    form->addWidget(buddyLabel(QStringLiteral("&Druh paliva"), fuel_, box), 2, 0);
    form->addWidget(fuel_, 2, 1, Qt::AlignLeft);
    layout->addLayout(form);

    auto* buttons = new QHBoxLayout;
    auto* add = pushButton(QStringLiteral("Button87"), QStringLiteral("Přidat auto"), box);
    auto* remove = pushButton(QStringLiteral("Button88"), QStringLiteral("Odstranit"), box);
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(add, &QPushButton::clicked, this, &CarSettingsPanel::addCar);
    connect(remove, &QPushButton::clicked, this, &CarSettingsPanel::removeCar);
    return box;
}

QWidget* CarSettingsPanel::buildPricesBox() {
    auto* box = new QGroupBox(QStringLiteral("Vlastní ceny paliv"), this);
    auto* g = new QGridLayout(box);
    own95_ = priceEdit(QStringLiteral("Natural95_Edit"), box);
    own91_ = priceEdit(QStringLiteral("Natural91_Edit"), box);
    own98_ = priceEdit(QStringLiteral("Natural98_Edit"), box);
    ownDiesel_ = priceEdit(QStringLiteral("Nafta_Edit"), box);
    int row = 0;
    for (auto [caption, edit] : {std::pair{"Benzín 95", own95_}, std::pair{"Benzín 91", own91_},
                                 std::pair{"Benzín 98", own98_}, std::pair{"Nafta", ownDiesel_}}) {
        g->addWidget(buddyLabel(QString::fromUtf8(caption), edit, box), row, 0);
        g->addWidget(edit, row, 1);
        g->addWidget(new QLabel(QStringLiteral("Kč/l"), box), row, 2);
        ++row;
    }
    auto* save = pushButton(QStringLiteral("Button6"), QStringLiteral("Uložit"), box);
    g->addWidget(save, row, 1);
    g->setColumnStretch(3, 1);
    connect(save, &QPushButton::clicked, this, &CarSettingsPanel::saveOwnPrices);
    return box;
}

void CarSettingsPanel::loadCars() {
    std::vector<travel::CarEntry> cars;
    if (!runAction(this, [&] { cars = travel::loadCars(carsFile_); })) return;
    grid_->setRowCount(static_cast<int>(cars.size()));
    QStringList names;
    for (int i = 0; i < static_cast<int>(cars.size()); ++i) {
        const auto& c = cars[static_cast<size_t>(i)];
        setCellText(grid_, i, 0, qs(c.name));
        setCellText(grid_, i, 1, qs(c.consumptionText));
        setCellText(grid_, i, 2, qs(travel::fuelGridText(c.fuelKind)));
        names << qs(c.name);
    }
    emit carsChanged(names);
}

void CarSettingsPanel::addCar() {
    runAction(this, [&] {
        std::optional<std::string> warning;
        try {
            warning = travel::addCar(carsFile_, ss(name_->text()), ss(consumption_->text()), fuel_->currentIndex());
        } catch (const IoError&) {
            throw IoError("Nelze vytvořit soubor ini.\r\n" + pathText(carsFile_));
        }
        if (warning) showMessage(this, qs(*warning));
    });
    loadCars();
}

void CarSettingsPanel::removeCar() {
    if (grid_->rowCount() == 0) return;
    const int row = grid_->currentRow();
    if (row < 0) {
        showMessage(this, QStringLiteral("Vyberte automobil, který chcete odstranit."));
        return;
    }
    runAction(this, [&] { travel::removeCar(carsFile_, row + 1); });
    loadCars();
}

void CarSettingsPanel::saveOwnPrices() {
    runAction(this, [&] {
        travel::saveOwnPrices(ownPricesFile_,
                              {ss(own91_->text()), ss(own95_->text()), ss(own98_->text()), ss(ownDiesel_->text())});
    });
}

}  // namespace verdika::ui
