#include "fees/notary_page.h"

#include <QVBoxLayout>

#include "app/data_module.h"
#include "app/ui/page_host.h"
#include "common/ui/action.h"
#include "common/ui/number_field.h"
#include "common/ui/qt_convert.h"
#include "common/ui/result_field.h"
#include "fees/notary_fee.h"
#include "fees/ui/fee_item_panel.h"
#include "reference/regulations.h"

namespace verdika::ui {

NotaryPage::NotaryPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("TabSheet19"));
    FeeItemNames n;
    n.decreeCaption = QStringLiteral("Notar_Vyhlaska_Label");
    n.decreeText =
        QStringLiteral("Podle vyhlášky č. 196/2001 Sb. ve znění pozdějších předpisů (naposledy vyhlášky č. 63/2025 Sb.)");
    n.list = QStringLiteral("Notar_ListBox");
    n.search = QStringLiteral("hledani_notar_edit");
    n.searchNext = QStringLiteral("Button68");
    n.itemCaption = QStringLiteral("Notar_Nazev_Label");
    n.value = QStringLiteral("Notar_Tarif_Edit");
    n.decimals = 1;
    n.compute = QStringLiteral("BitBtn5");
    n.fee = QStringLiteral("Notar_Odmena_Edit");
    n.toCalculator = QStringLiteral("Button70");
    n.info = QStringLiteral("BitBtn29");
    n.note = QStringLiteral("notar_Label");
    n.regulation = QStringLiteral("notar_predpis");
    n.regulationText = QStringLiteral("Zobraz předpis 196/2001 Sb.");
    panel_ = new FeeItemPanel(n, fees::notaryItems(), this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel_);

    connect(panel_, &FeeItemPanel::itemChanged, this, &NotaryPage::zmena_notar_listbox);
    connect(panel_, &FeeItemPanel::toCalculatorClicked, this, &NotaryPage::Button70Click);
    connect(panel_, &FeeItemPanel::regulationClicked, this, &NotaryPage::notar_predpisClick);
}

void NotaryPage::zmena_notar_listbox() {
    const int item = panel_->item();
    if (item <= 0) return;  // nothing chosen: nothing happens
    runAction(this, [&] {
        const IniFile table = IniFile::load(host_.data().programFile(fees::kNotaryTable));
        // The fixed fee or 0 first, as the field is enabled or disabled, then the fee from the value.
        const auto plain = fees::notaryFee(table, item, 0);
        panel_->value()->setEnabled(plain.tariffEnabled);
        panel_->showFee(plain.fee);
        panel_->setNote(qs(plain.note));
        if (plain.tariffEnabled) {
            const double x = panel_->value()->value();
            if (x != 0) panel_->showFee(fees::Spocitat_Odmenu_Notare(table, item, x));
        }
    });
}

void NotaryPage::Button70Click() {
    if (!panel_->hasFee()) return;
    runAction(this, [&] {
        host_.addCalculatorResult(panel_->fee()->value(), QStringLiteral("Odměna notáře: ") + panel_->itemText());
    });
}

void NotaryPage::notar_predpisClick() {
    host_.showRegulation(qpath(regulationFile(host_.data().paths(), "notar.vrd")));
}

}  // namespace verdika::ui
