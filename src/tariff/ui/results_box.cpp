#include "tariff/ui/results_box.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "common/ui/controls.h"
#include "common/ui/result_field.h"

namespace verdika::ui {

TariffResultsBox::TariffResultsBox(QWidget* parent) : QGroupBox(QStringLiteral("Výsledek"), parent) {
    setObjectName(QStringLiteral("Tarif_Vysledky_GroupBox"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setVerticalSpacing(3);
    const char* names[] = {"odmena_177_vsechnyPU_edit", "Rezijni_Pausaly_Tarif_Edit", "Tarif_DPH_Odmena_Edit",
                           "Tarif_DPH_RP_Edit",         "Tarif_DPH_Odmena_RP_Edit",   "Tarif_Odmena_Celkem"};
    const char* captions[] = {"Odměna za všechny PÚ činí :", "Režijní paušály:", "DPH (z odměny):",
                              "DPH (z RP):", "DPH (z odměny + RP):", "Odměna včetně RP a DPH:"};
    for (int i = 0; i < 6; ++i) {
        // Two columns of three, the copy buttons BitBtn49 … BitBtn60 in pairs.
        auto* field = new ResultField(QString::fromLatin1(names[i]), this, QStringLiteral("BitBtn%1").arg(49 + 2 * i),
                                      QStringLiteral("BitBtn%1").arg(50 + 2 * i));
        field->edit()->setMinimumWidth(110);
        fields_[static_cast<std::size_t>(i)] = field;
        const int row = i % 3, col = (i / 3) * 2;
        grid->addWidget(buddyLabel(QString::fromUtf8(captions[i]), field->edit(), this), row, col);
        grid->addWidget(field, row, col + 1);
    }
    fields_[5]->setBold(true);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
}

void TariffResultsBox::showCalculation(const tariff::TAdvokatni_Tarif& calc) {
    const double values[] = {calc.feeTotal,      calc.lumpSumTotal, calc.vatOnFees,
                             calc.vatOnLumpSums, calc.vatTotal(),   calc.grandTotal()};
    for (std::size_t i = 0; i < fields_.size(); ++i) fields_[i]->setAmount(values[i]);
}

void TariffResultsBox::clear() {
    for (ResultField* f : fields_) f->clear();
}

}  // namespace verdika::ui
