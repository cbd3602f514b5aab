#include "tariff/ui/proceedings_box.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "common/numbers.h"
#include "common/text.h"
#include "common/ui/controls.h"
#include "common/ui/zero_select.h"
#include "common/ui/qt_convert.h"
#include "common/ui/up_down_field.h"
#include "tariff/lists.h"
#include "tariff/ui/tariff_widgets.h"

namespace verdika::ui {
namespace {

const QColor kTypedValue(0, 128, 0);
const QColor kFixedValue(128, 128, 128);
const QColor kNotFound(192, 0, 0);

void setTextColour(QLineEdit* edit, const QColor& colour) {
    QPalette pal = edit->palette();
    pal.setColor(QPalette::Text, colour);
    edit->setPalette(pal);
}

}  // namespace

ProceedingsBox::ProceedingsBox(QWidget* parent) : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);

    grid->addWidget(infoButton(QStringLiteral("BitBtn6"), QStringLiteral("Advokátní tarif - výběr odměny"),
                               QStringLiteral("Vyberte druh odměny. Pokud necháte peněžité plnění, pak zadejte "
                                              "sami tarifní hodnotu.\nV ostaních případech program přednastaví "
                                              "tarifní hodnotu."),
                               this),
                    0, 0);
    kinds_ = new KindComboBox(this);
    kinds_->setObjectName(QStringLiteral("Tarif_Druh_Rizeni"));
    for (const std::string& item : tariff::kindItems()) kinds_->addItem(qs(item));
    kinds_->setMaxVisibleItems(32);
    // The first computation of a new user works: the value typed is a sum of money.
    kinds_->setCurrentIndex(0);
    // The names are long; the closed box takes the width it is given, the open list is wider.
    kinds_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    kinds_->setMinimumContentsLength(20);
    kinds_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    grid->addWidget(buddyLabel(QStringLiteral("Druh řízení:"), kinds_, this), 0, 1);
    grid->addWidget(kinds_, 0, 2, 1, 3);

    value_ = new QLineEdit(QStringLiteral("0"), this);
    value_->setObjectName(QStringLiteral("tarifni_hodnota_edit"));
    value_->setMaximumWidth(130);
    installTariffValueFilter(value_);
    selectZeroOnFocus(value_);
    setTextColour(value_, kTypedValue);
    valueLabel_ = new QLabel(this);
    valueLabel_->setObjectName(QStringLiteral("Label43"));
    valueLabel_->setMinimumWidth(120);
    auto* valueRow = new QHBoxLayout;
    valueRow->addWidget(value_);
    valueRow->addWidget(valueLabel_, 1);
    grid->addWidget(buddyLabel(QStringLiteral("Tarifní hodnota:"), value_, this), 1, 1);
    grid->addLayout(valueRow, 1, 2);

    persons_ = new UpDownField(QStringLiteral("UpDown6"), 0, 100, this, QStringLiteral("Osob_Tarif_Edit"));
    persons_->setValue(1);
    vatPayer_ = new QCheckBox(QStringLiteral("Plátce DPH"), this);
    vatPayer_->setObjectName(QStringLiteral("Platce_DPH2_CheckBox"));
    auto* personsRow = new QHBoxLayout;
    personsRow->addWidget(buddyLabel(QStringLiteral("Počet osob:"), persons_, this));
    personsRow->addWidget(persons_);
    personsRow->addSpacing(8);
    personsRow->addWidget(vatPayer_);
    grid->addLayout(personsRow, 1, 3);

    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("Hledat_Tarif"));
    search_->setMinimumWidth(100);
    auto* next = pushButton(QStringLiteral("Hledat_Tarif_dalsi"), QStringLiteral("Další"), this);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(buddyLabel(QStringLiteral("Hledání"), search_, this));
    searchRow->addWidget(search_, 1);
    searchRow->addWidget(next);
    grid->addLayout(searchRow, 1, 4);
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(4, 1);

    connect(kinds_, &QComboBox::activated, this, &ProceedingsBox::kindChosen);
    connect(search_, &QLineEdit::textEdited, this, [this] { Hledat_TarifChange(false); });
    connect(next, &QPushButton::clicked, this, [this] { Hledat_TarifChange(true); });
    connect(value_, &QLineEdit::textChanged, this, &ProceedingsBox::tarifni_hodnota_editChange);
    connect(value_, &QLineEdit::returnPressed, this, &ProceedingsBox::valueEntered);
    tarifni_hodnota_editChange();
}

std::optional<int> ProceedingsBox::kind() const {
    const int k = kinds_->currentIndex();
    return k >= 0 ? std::optional<int>(k) : std::nullopt;
}

void ProceedingsBox::setKind(std::optional<int> kind) {
    kinds_->setCurrentIndex(kind && *kind < kinds_->count() ? *kind : -1);
}

QString ProceedingsBox::tariffValue() const { return value_->text(); }
void ProceedingsBox::setTariffValue(const QString& text) { value_->setText(text); }

void ProceedingsBox::showTypedValue() {
    value_->setText(QStringLiteral("0"));
    value_->setReadOnly(false);
    setTextColour(value_, kTypedValue);
}

void ProceedingsBox::showFixedValue(const QString& value) {
    value_->setText(value);
    value_->setReadOnly(true);
    setTextColour(value_, kFixedValue);
}

int ProceedingsBox::persons() const { return persons_->value(); }
void ProceedingsBox::setPersons(int persons) { persons_->setValue(persons); }

void ProceedingsBox::Hledat_TarifChange(bool next) {
    const std::string needle = asciiUpper(ss(search_->text()));
    auto findFrom = [&](int start) {
        for (int i = std::max(0, start); i < kinds_->count(); ++i)
            if (asciiUpper(ss(kinds_->itemText(i))).find(needle) != std::string::npos) return i;
        return -1;
    };
    int found = findFrom(next ? kinds_->currentIndex() + 1 : 0);
    if (found < 0 && next) {
        kinds_->setCurrentIndex(0);
        found = findFrom(0);
    }
    if (found >= 0) kinds_->setCurrentIndex(found);
    // A search that finds nothing leaves the kind as it was; the red text says so.
    QPalette pal = search_->palette();
    pal.setColor(QPalette::Text, found >= 0 || needle.empty() ? palette().color(QPalette::Text) : kNotFound);
    search_->setPalette(pal);
    emit kindChosen();
}

void ProceedingsBox::tarifni_hodnota_editChange() {
    const QString t = value_->text();
    const auto v = tryParseDecimal(ss(t));
    valueLabel_->setText(t.isEmpty() || !v ? QString() : qs(Format_Castky(*v)));
}

}  // namespace verdika::ui
