#include "fees/executor_page.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/data_module.h"
#include "app/ui/page_host.h"
#include "common/ui/action.h"
#include "common/ui/number_field.h"
#include "common/ui/qt_convert.h"
#include "fees/executor_fee.h"
#include "fees/ui/fee_item_panel.h"

namespace verdika::ui {

ExecutorPage::ExecutorPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("TabSheet20"));
    // The fee stands under the note here, below the voluntary-payment box.
    const FeeItemNames n{.decreeCaption = "Exekutor_Vyhlaska_Label",
                         .decreeText = "Dle vyhlášky č. 330/2001 Sb. ve znění vyhlášky č. 518/2025 Sb.",
                         .list = "Exekutor_ListBox", .search = "hledani_exekutor_edit", .searchNext = "Button67",
                         .itemCaption = "", .value = "Exekutor_Tarif_Edit", .decimals = 2, .compute = "BitBtn8",
                         .fee = "Exekutor_Odmena_Edit", .toCalculator = "Button69", .info = "BitBtn16",
                         .note = "exekutor_Label", .regulation = "exekutor_predpis",
                         .regulationText = "Zobraz předpis 330/2001 Sb.", .feeBelowNote = true,
                         .resultPrefix = "Odměna exekutora: ", .regulationFile = "exekutor.vrd"};
    panel_ = new FeeItemPanel(host_, n, fees::executorItems(), this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel_);

    advance_ = new QCheckBox(QStringLiteral("záloha"), panel_);
    advance_->setObjectName(QStringLiteral("zaloha_exekutor_CheckBox"));
    advance_->setEnabled(false);
    panel_->addBesideCompute(advance_);

    voluntary_ = new QCheckBox(panel_);
    voluntary_->setObjectName(QStringLiteral("splni_exekutor_CheckBox"));
    // A check box does not wrap its caption; the caption is a label next to an empty box.
    voluntaryText_ = new QLabel(
        QStringLiteral("Splní-li povinný ve lhůtě 30 dnů ode dne doručení výzvy ke splnění vymáhané povinnosti "
                       "vymáhaný nárok a uhradí zálohu na snížené náklady exekuce a náklady oprávněného (§ 11)"),
        panel_);
    voluntaryText_->setObjectName(QStringLiteral("splni_exekutor_Label"));
    voluntaryText_->setWordWrap(true);
    voluntaryText_->setBuddy(voluntary_);
    voluntary_->setAccessibleName(voluntaryText_->text());
    auto* voluntaryRow = new QHBoxLayout;
    voluntaryRow->addWidget(voluntary_, 0, Qt::AlignTop);
    voluntaryRow->addWidget(voluntaryText_, 1);
    panel_->addUnderValue(voluntaryRow);
    voluntaryText_->installEventFilter(this);
    panel_->value()->installEventFilter(this);

    connect(panel_, &FeeItemPanel::itemChanged, this, &ExecutorPage::zmena_exekutor_listbox);
    connect(advance_, &QCheckBox::clicked, this, &ExecutorPage::zmena_exekutor_listbox);
    connect(voluntary_, &QCheckBox::clicked, this, &ExecutorPage::zmena_exekutor_listbox);
}

bool ExecutorPage::eventFilter(QObject* watched, QEvent* e) {
    // A click into the tariff value runs the item change, as the page always did.
    if (watched == panel_->value() && e->type() == QEvent::MouseButtonPress && panel_->value()->isEnabled())
        zmena_exekutor_listbox();
    // The box's caption is a wrapped label; a click on it ticks the box.
    if (watched == voluntaryText_ && e->type() == QEvent::MouseButtonRelease && voluntary_->isEnabled())
        voluntary_->click();
    return QWidget::eventFilter(watched, e);
}

void ExecutorPage::zmena_exekutor_listbox() {
    const int item = panel_->item();
    if (item <= 0) return;  // nothing chosen: nothing to compute
    runAction(this, [&] {
        const IniFile table = IniFile::load(host_.data().programFile(fees::kExecutorTable));
        // The boxes and the field follow the item first, so a failing value still leaves them right.
        const auto plain = fees::executorFee(table, item, voluntary_->isChecked(), advance_->isChecked(), 0);
        voluntary_->setEnabled(plain.voluntaryEnabled);
        advance_->setEnabled(plain.advanceEnabled);
        panel_->value()->setEnabled(plain.tariffEnabled);
        panel_->setNote(qs(plain.note));
        panel_->showFee(plain.fee);
        if (plain.tariffEnabled)
            panel_->showFee(fees::executorFee(table, item, voluntary_->isChecked(), advance_->isChecked(),
                                              panel_->value()->value())
                                .fee);
    });
}

}  // namespace verdika::ui
