#include "costs/ui/nonmonetary_tab.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/data_module.h"
#include "app/settings.h"
#include "app/ui/page_host.h"
#include "common/numbers.h"
#include "common/ui/action.h"
#include "common/ui/date_edit.h"
#include "common/ui/messages.h"
#include "common/ui/qt_convert.h"
#include "common/ui/scrolling.h"
#include "common/ui/vat_payer.h"
#include "costs/cost_set.h"
#include "costs/costs_page.h"
#include "costs/lists.h"
#include "costs/summary.h"
#include "fees/court_fee.h"
#include "fees/fee_text.h"
#include "fees/ui/fee_page_parts.h"
#include "common/ui/radio_group.h"
#include "tariff/ui/tariff_widgets.h"

namespace verdika::ui {
namespace {

std::vector<std::string> nodeCaptions(const std::vector<costs::TreeNode>& nodes) {
    std::vector<std::string> out;
    for (const auto& n : nodes) out.push_back(n.caption);
    return out;
}

}  // namespace

NonMonetaryTab::NonMonetaryTab(CostsPage& page, QWidget* parent) : QWidget(parent), page_(page) {
    setObjectName(QStringLiteral("Naklady_Nepenezite_TabSheet"));
    auto* content = new QWidget;
    auto* outer = new QVBoxLayout(content);
    outer->setContentsMargins(6, 6, 6, 6);
    outer->setSpacing(6);

    // The kinds of proceedings and the court fees, each with its search.
    auto* lists = new QHBoxLayout;
    auto* treeColumn = new QVBoxLayout;
    auto* treeLabel = new QLabel(QStringLiteral("Tarifní základ:"), content);
    tree_ = new QTreeWidget(content);
    tree_->setObjectName(QStringLiteral("TreeView1"));
    tree_->setHeaderHidden(true);
    tree_->setMinimumHeight(120);
    treeLabel->setBuddy(tree_);
    nodes_ = costs::treeNodes();
    QTreeWidgetItem* group = nullptr;
    for (const costs::TreeNode& n : nodes_) {
        QTreeWidgetItem* item = n.item == 0 ? new QTreeWidgetItem(tree_, {qs(n.caption)})
                                            : new QTreeWidgetItem(group, {qs(n.caption)});
        if (n.item == 0) {
            group = item;
            QFont f = item->font(0);
            f.setBold(true);
            item->setFont(0, f);
        }
        item->setToolTip(0, qs(n.caption));
        nodeItems_.push_back(item);
    }
    tree_->expandAll();
    treeSearch_ = new QLineEdit(content);
    treeSearch_->setObjectName(QStringLiteral("Edit1"));
    auto* treeNext = makeButton("Button101", QStringLiteral("další"), content);
    treeColumn->addWidget(treeLabel);
    treeColumn->addWidget(tree_, 1);
    addSearchRow(treeColumn, QStringLiteral("Hledání v tarifním základu"), treeSearch_, treeNext, content);
    lists->addLayout(treeColumn, 3);

    auto* feeColumn = new QVBoxLayout;
    auto* feeHead = new QHBoxLayout;
    auto* feeLabel = new QLabel(QStringLiteral("Soudní poplatek:"), content);
    feeHead->addWidget(feeLabel);
    feeHead->addStretch();
    feeHead->addWidget(courtFeeTipButton(QStringLiteral("BitBtn79"), content));
    feeList_ = new QListWidget(content);
    feeList_->setObjectName(QStringLiteral("Naklady_Poplatek_Listbox"));
    feeList_->setMinimumHeight(120);
    feeLabel->setBuddy(feeList_);
    feeCaptions_ = fees::courtFeeItems(IniFile::load(page_.host().data().programFile(fees::kCourtFeeTable)));
    for (const std::string& c : feeCaptions_) {
        feeList_->addItem(qs(c));
        feeList_->item(feeList_->count() - 1)->setToolTip(qs(c));
    }
    feeSearch_ = new QLineEdit(content);
    feeSearch_->setObjectName(QStringLiteral("Naklady_Poplatek_Hledat"));
    auto* feeNext = makeButton("Naklady_Poplatek_HledatDalsi", QStringLiteral("další"), content);
    feeColumn->addLayout(feeHead);
    feeColumn->addWidget(feeList_, 1);
    addSearchRow(feeColumn, QStringLiteral("Hledání v poplatku"), feeSearch_, feeNext, content);
    lists->addLayout(feeColumn, 2);
    outer->addLayout(lists, 1);

    // Options and acts.
    auto* middle = new QHBoxLayout;
    auto* inputs = new QGridLayout;
    inputs->setVerticalSpacing(4);
    int row = 0;
    date_ = makeDateEdit(QStringLiteral("Naklad_Date_2"), content);
    date_->setDate(QDate::currentDate());
    auto* dateLabel = new QLabel(QStringLiteral("Účinnost:"), content);
    dateLabel->setBuddy(date_);
    inputs->addWidget(dateLabel, row, 0);
    inputs->addWidget(date_, row, 1);

    persons_ = makePersonsBox(QStringLiteral("Naklad_pocet_osob_2"), content);
    auto* personsLabel = new QLabel(QStringLiteral("Počet osob:"), content);
    personsLabel->setBuddy(persons_);
    auto* personsRow = new QHBoxLayout;
    personsRow->addWidget(personsLabel);
    personsRow->addWidget(persons_);
    personsRow->addStretch();
    inputs->addLayout(personsRow, row++, 2);

    vatPayer_ = new QCheckBox(QStringLiteral("Plátce DPH"), content);
    vatPayer_->setObjectName(QStringLiteral("Naklad_DPH_Check_2"));
    vatDate_ = makeDateEdit(QStringLiteral("Naklady_Dph2_date"), content);
    vatDate_->setDate(QDate::currentDate());
    vatRate_ = new QLabel(content);
    vatRate_->setObjectName(QStringLiteral("Naklad_DPH_sazba_2"));
    auto* vatRow = new QHBoxLayout;
    vatRow->addWidget(vatRate_);
    vatRow->addWidget(vatTipButton(QStringLiteral("BitBtn78"), content));
    vatRow->addStretch();
    inputs->addWidget(vatPayer_, row, 0);
    inputs->addWidget(vatDate_, row, 1);
    inputs->addLayout(vatRow, row++, 2);


    courtFee_ = new QCheckBox(QStringLiteral("Započítat soudní poplatek"), content);
    courtFee_->setObjectName(QStringLiteral("Naklad_Poplatek_Check_2"));
    courtFee_->setChecked(true);
    courtFeeDate_ = makeDateEdit(QStringLiteral("DateTimePicker8"), content);
    courtFeeDate_->setDate(QDate::currentDate());
    inputs->addWidget(courtFee_, row, 0);
    inputs->addWidget(courtFeeDate_, row++, 1);

    choice_ = new RadioGroup(QStringLiteral("Naklad_2_Radio_2"), QString(),
                             {QStringLiteral("Odmítnutí žaloby nebo zastavení řízení § 13/1"),
                              QStringLiteral("Odmítnutí odvolání nebo zastavení odvolacího řízení § 14/1")},
                             1, content);
    auto* x = new QToolButton(content);
    x->setObjectName(QStringLiteral("Button93"));
    x->setText(QStringLiteral("x"));
    x->setToolTip(QStringLiteral("Zrušit volbu"));
    auto* choiceRow = new QHBoxLayout;
    choiceRow->addWidget(choice_, 1);
    choiceRow->addWidget(x, 0, Qt::AlignTop);
    inputs->addLayout(choiceRow, row++, 0, 1, 3);

    complexFrame_ = new QFrame(content);
    complexFrame_->setObjectName(QStringLiteral("Mimoradne_Slozita_Panel"));
    complexFrame_->setFrameShape(QFrame::StyledPanel);
    auto* frameLayout = new QHBoxLayout(complexFrame_);
    frameLayout->setContentsMargins(6, 3, 6, 3);
    complex_ = new QCheckBox(QStringLiteral("Mimořádně složitá věc § 18 /2"), complexFrame_);
    complex_->setObjectName(QStringLiteral("Mimoradne_Slozita_CheckBox"));
    frameLayout->addWidget(complex_);
    inputs->addWidget(complexFrame_, row++, 0, 1, 3);
    inputs->setColumnStretch(2, 1);
    inputs->setRowStretch(row, 1);
    middle->addLayout(inputs, 1);

    acts_ = new ActList({QStringLiteral("DateTimePicker4"), QStringLiteral("ComboBox4"), QStringLiteral("Button26"),
                         QStringLiteral("Button33"), QStringLiteral("Naklady_SG_2"), QStringLiteral("BitBtn28")},
                        content);
    acts_->setObjectName(QStringLiteral("Naklad_Ukony_GroupBox_2"));
    middle->addWidget(acts_, 1);
    outer->addLayout(middle);

    auto* resultsBox = new QGroupBox(QStringLiteral("Výsledek"), content);
    resultsBox->setObjectName(QStringLiteral("Naklad_Vysledky_GroupBox_2"));
    auto* rg = new QGridLayout(resultsBox);
    rg->setContentsMargins(6, 4, 6, 4);
    rg->setVerticalSpacing(2);
    const costs::TNaklady_rizeni& r = page_.record();
    struct Spec {
        const char *label, *field, *blue, *white;
        std::function<double()> value;
        int row, column;
    };
    const Spec specs[] = {
        {"Soudní poplatek:", "Naklad_SP_2", "BitBtn64", "BitBtn65", [&r] { return r.soudni_poplatek; }, 0, 0},
        {"Odměna:", "Naklad_Odmena_2", "BitBtn66", "BitBtn67", [&r] { return r.odmena; }, 1, 0},
        {"Režijní paušály (§17 AT):", "Naklad_RP_2", "BitBtn68", "BitBtn69",
         [&r] { return static_cast<double>(r.rezijni_pausaly); }, 2, 0},
        {"Odměna + RP:", "Naklad_Odmena_RP_2", "BitBtn70", "BitBtn71", [&r] { return r.odmenaRp(); }, 3, 0},
        {"DPH (z odměny + RP):", "Naklad_DPH_3_2", "BitBtn72", "BitBtn73", [&r] { return r.dphCelkem(); }, 2, 4},
        {"Náklady řízení (odměna, RP, případně SP, DPH):", "Naklad_celkem_2", "BitBtn74", "BitBtn75",
         [&r] { return r.celkem(); }, 4, 4},
        {"DPH (z odměny):", "Naklad_DPH_1_2", "BitBtn80", "BitBtn81", [&r] { return r.dph_odmena; }, 0, 4},
        {"DPH (z RP):", "Naklad_DPH_2_2", "BitBtn82", "BitBtn83", [&r] { return r.dph_rp; }, 1, 4},
    };
    for (size_t i = 0; i < 8; ++i) {
        const Spec& s = specs[i];
        results_[i] = addResultRow(rg, s.row, s.column, QString::fromUtf8(s.label), QString::fromLatin1(s.field),
                                   QString::fromLatin1(s.blue), QString::fromLatin1(s.white), s.value, resultsBox);
    }
    QFont bold = results_[5].field->font();
    bold.setBold(true);
    results_[5].field->setFont(bold);
    QWidget* totalLabel = rg->itemAtPosition(4, 4)->widget();
    rg->removeWidget(totalLabel);
    rg->addWidget(totalLabel, 4, 0, 1, 5, Qt::AlignRight);
    rg->setColumnStretch(1, 1);
    rg->setColumnStretch(5, 1);
    outer->addWidget(resultsBox);

    auto* buttons = new QHBoxLayout;
    auto* compute = makeButton("Button81", QStringLiteral("Vypočítat"), content);
    compute->setDefault(true);
    compute->setFont(bold);
    auto* reset = makeButton("Button31", QStringLiteral("Vynulovat"), content);
    auto* regulation = makeButton("Button1", QStringLiteral("Zobraz předpis 484/2000 Sb."), content);
    auto* save = makeButton("naklad_2_ulozit", QStringLiteral("Uložit sestavu"), content);
    auto* load = makeButton("Button50", QStringLiteral("Načíst sestavu"), content);
    auto* state = new QLabel(QStringLiteral("Zapracován stav k 1.3.2012"), content);
    state->setObjectName(QStringLiteral("Naklad_Stav_Label_2"));
    for (QPushButton* b : {compute, reset, regulation}) buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(state);
    buttons->addSpacing(12);
    for (QPushButton* b : {save, load}) buttons->addWidget(b);
    outer->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scrollingArea(content, QStringLiteral("Naklady_Nepenezite_Scroll")));

    connect(treeSearch_, &QLineEdit::textEdited, this, [this] { Edit1Change(false); });
    connect(treeNext, &QPushButton::clicked, this, [this] { Edit1Change(true); });
    connect(feeSearch_, &QLineEdit::textEdited, this, [this] { courtFeeSearch(false); });
    connect(feeNext, &QPushButton::clicked, this, [this] { courtFeeSearch(true); });
    connect(vatDate_, &QDateEdit::dateChanged, this, [this] { Naklady_Dph2_dateChange(); });
    connect(vatPayer_, &QCheckBox::toggled, this, [this] { Naklady_Dph2_dateChange(); });
    connect(choice_, &RadioGroup::itemClicked, this, [this] { setGroupHighlight(choice_, true); });
    connect(x, &QToolButton::clicked, this, [this] {
        choice_->setItemIndex(-1);
        setGroupHighlight(choice_, false);
    });
    connect(complex_, &QCheckBox::toggled, this, [this] { Mimoradne_Slozita_CheckBoxClick(); });
    connect(compute, &QPushButton::clicked, this, [this] { Button81Click(); });
    connect(reset, &QPushButton::clicked, this, [this] { Button31Click(); });
    connect(regulation, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(save, &QPushButton::clicked, this, [this] { naklad_2_ulozitClick(); });
    connect(load, &QPushButton::clicked, this, [this] { Button50Click(); });

    Settings& settings = page_.host().data().settings();
    vatPayer_->setChecked(settings.getBool(setting::VatPayer, false));
    connectVatPayerBox(vatPayer_, settings, page_.host().mainWindow());
    Naklady_Dph2_dateChange();
}

int NonMonetaryTab::selectedItem() const {
    QTreeWidgetItem* current = tree_->currentItem();
    if (!current || !current->isSelected()) return 0;
    for (size_t i = 0; i < nodeItems_.size(); ++i)
        if (nodeItems_[i] == current) return nodes_[i].item;
    return 0;
}

void NonMonetaryTab::selectNode(int node) {
    if (node < 0 || node >= static_cast<int>(nodeItems_.size())) return;
    tree_->setCurrentItem(nodeItems_[static_cast<size_t>(node)]);
    tree_->scrollToItem(nodeItems_[static_cast<size_t>(node)]);
}

void NonMonetaryTab::selectItem(int item) {
    for (size_t i = 0; i < nodes_.size(); ++i)
        if (item > 0 && nodes_[i].item == item) return selectNode(static_cast<int>(i));
    tree_->setCurrentItem(nullptr);
    tree_->clearSelection();
}

costs::NonMonetaryInput NonMonetaryTab::form() const {
    costs::NonMonetaryInput in;
    in.item = selectedItem();
    const int fee = feeList_->currentRow();
    in.courtFeeItem = fee >= 0 && feeList_->currentItem() && feeList_->currentItem()->isSelected() ? fee + 1 : 0;
    if (in.courtFeeItem > 0) in.courtFeeCaption = feeCaptions_[static_cast<size_t>(fee)];
    in.date = fromQDate(date_->date());
    in.vatPayer = vatPayer_->isChecked();
    in.vatDate = fromQDate(vatDate_->date());
    in.persons = persons_->value();
    in.courtFee = courtFee_->isChecked();
    in.courtFeeDate = fromQDate(courtFeeDate_->date());
    in.choice2 = choice_->itemIndex();
    in.complex = complex_->isChecked();
    in.acts = acts_->rows();
    in.actDate = fromQDate(acts_->date()->date());
    return in;
}

void NonMonetaryTab::setForm(const costs::NonMonetaryInput& in) {
    selectItem(in.item);
    if (in.courtFeeItem > 0 && in.courtFeeItem <= feeList_->count()) {
        feeList_->setCurrentRow(in.courtFeeItem - 1);
        feeList_->scrollToItem(feeList_->currentItem());
    } else {
        feeList_->setCurrentRow(-1);
        feeList_->clearSelection();
    }
    date_->setDate(toQDate(in.date));
    vatPayer_->setChecked(in.vatPayer);
    Naklad_DPH_CheckClick(vatPayer_, page_.host().data().settings(), page_.host().mainWindow());
    vatDate_->setDate(toQDate(in.vatDate));
    persons_->setValue(in.persons);
    courtFee_->setChecked(in.courtFee);
    courtFeeDate_->setDate(toQDate(in.courtFeeDate));
    choice_->setItemIndex(in.choice2);
    setGroupHighlight(choice_, in.choice2 >= 0);
    complex_->setChecked(in.complex);
    if (!in.acts.empty()) acts_->setRows(in.acts);
}

void NonMonetaryTab::showResults(const costs::TNaklady_rizeni& r) {
    const double values[] = {r.soudni_poplatek, r.odmena,      static_cast<double>(r.rezijni_pausaly),
                             r.odmenaRp(),      r.dphCelkem(), r.celkem(),
                             r.dph_odmena,      r.dph_rp};
    for (size_t i = 0; i < 8; ++i) results_[i].field->setText(qs(Format_Castky(values[i])));
}

void NonMonetaryTab::Button81Click() {
    runAction(this, [&] {
        const costs::NonMonetaryInput in = form();
        const auto tables = costs::Tables::load(page_.host().data().paths().programDir);
        const costs::Calculation c = costs::calculateNonMonetary(in, tables);
        acts_->setRows(c.acts);
        acts_->chooser()->setCurrentIndex(0);
        if (!c.warning.empty()) showWarning(this, qs(c.warning));
        showResults(c.record);
        page_.publish(c.record, costs::nonMonetarySummaryLines(c.record, costs::itemCaption(in.item), in.courtFeeCaption));
    });
}

void NonMonetaryTab::Button31Click() {
    for (size_t i : {0, 1, 2, 3, 4, 5}) results_[i].field->clear();  // the two VAT parts stay
    acts_->clear();
    choice_->setItemIndex(-1);
    setGroupHighlight(choice_, false);
    complex_->setChecked(false);
}

void NonMonetaryTab::Button1Click() { page_.showDecree(fromQDate(date_->date())); }

void NonMonetaryTab::naklad_2_ulozitClick() {
    if (selectedItem() == 0) {
        // A set without its kind of proceedings could not be loaded back meaningfully.
        showMessage(this, qs(costs::kNoItemMessage));
        return;
    }
    const QString path = askSetFile(this, qpath(page_.host().data().paths().dataDir), true);
    if (path.isEmpty()) return;
    runAction(this, [&] { costs::saveNonMonetarySet(fspath(path), form()); });
}

void NonMonetaryTab::Button50Click() {
    const QString path = askSetFile(this, qpath(page_.host().data().paths().dataDir), false);
    if (path.isEmpty()) return;
    runAction(this, [&] { setForm(costs::loadNonMonetarySet(fspath(path))); });
}

void NonMonetaryTab::Edit1Change(bool next) {
    const auto captions = nodeCaptions(nodes_);
    const std::string text = ss(treeSearch_->text());
    if (!next) {
        const int found = fees::findCaption(captions, text, 0);
        if (found >= 0) selectNode(found);
        return;
    }
    int current = -1;
    for (size_t i = 0; i < nodeItems_.size(); ++i)
        if (nodeItems_[i] == tree_->currentItem()) current = static_cast<int>(i);
    int found = fees::findCaption(captions, text, current + 1);
    if (found < 0) {
        // Past the last match: back to the first node, and once more from the top.
        selectNode(0);
        found = fees::findCaption(captions, text, 0);
    }
    if (found >= 0) selectNode(found);
}

void NonMonetaryTab::courtFeeSearch(bool next) {
    const std::string text = ss(feeSearch_->text());
    int found = fees::findCaption(feeCaptions_, text, next ? feeList_->currentRow() + 1 : 0);
    if (found < 0 && next && !feeCaptions_.empty()) {
        feeList_->setCurrentRow(0);
        found = fees::findCaption(feeCaptions_, text, 0);
    }
    if (found >= 0) {
        feeList_->setCurrentRow(found);
        feeList_->scrollToItem(feeList_->item(found));
    }
}

void NonMonetaryTab::Naklady_Dph2_dateChange() {
    vatRate_->setText(vatRateText(qpath(page_.host().data().paths().programDir), vatDate_->date(), vatPayer_->isChecked()));
}

void NonMonetaryTab::Mimoradne_Slozita_CheckBoxClick() { setGroupHighlight(complexFrame_, complex_->isChecked()); }

}  // namespace verdika::ui
