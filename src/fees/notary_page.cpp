#include "fees/notary_page.h"

#include <QVBoxLayout>

#include "app/data_module.h"
#include "app/ui/page_host.h"
#include "common/ui/action.h"
#include "common/ui/number_field.h"
#include "common/ui/qt_convert.h"
#include "fees/notary_fee.h"
#include "fees/ui/fee_item_panel.h"

namespace verdika::ui {

NotaryPage::NotaryPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("TabSheet19"));
    const FeeItemNames n{
        .decreeCaption = "Notar_Vyhlaska_Label",
        .decreeText = "Podle vyhlášky č. 196/2001 Sb. ve znění pozdějších předpisů (naposledy vyhlášky č. 63/2025 Sb.)",
        .list = "Notar_ListBox", .search = "hledani_notar_edit", .searchNext = "Button68",
        .itemCaption = "Notar_Nazev_Label", .value = "Notar_Tarif_Edit", .decimals = 1, .compute = "BitBtn5",
        .fee = "Notar_Odmena_Edit", .toCalculator = "Button70", .info = "BitBtn29", .note = "notar_Label",
        .regulation = "notar_predpis", .regulationText = "Zobraz předpis 196/2001 Sb.", .feeBelowNote = false,
        .resultPrefix = "Odměna notáře: ", .regulationFile = "notar.vrd"};
    panel_ = new FeeItemPanel(host_, n, fees::notaryItems(), this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel_);

    connect(panel_, &FeeItemPanel::itemChanged, this, &NotaryPage::zmena_notar_listbox);
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

}  // namespace verdika::ui
