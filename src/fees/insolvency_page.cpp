#include "fees/insolvency_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

#include "app/data_module.h"
#include "app/ui/page_host.h"
#include "common/ui/action.h"
#include "common/ui/controls.h"
#include "common/ui/first_focus.h"
#include "common/ui/qt_convert.h"
#include "common/ui/up_down_field.h"
#include "fees/insolvency_fee.h"
#include "fees/ui/fee_page_parts.h"
#include "common/ui/number_field.h"

namespace verdika::ui {
InsolvencyPage::InsolvencyPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("TabSheet9"));
    const IniFile table = IniFile::load(host_.data().programFile(fees::kInsolvencyTable));
    const auto versions = fees::insolvencyVersions(table);

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    caption_ = boldLabel(QStringLiteral("Insolvence_Vyhlaska_Label"), QString(), this);
    version_ = new QComboBox(this);
    version_->setObjectName(QStringLiteral("Insolvence_ComboBox"));
    for (const auto& v : versions) {
        version_->addItem(qs(v.label));
        prefixes_.push_back(v.prefix);
    }
    top->addWidget(caption_, 1);
    top->addWidget(buddyLabel(QStringLiteral("Účinnost"), version_, this));
    top->addWidget(version_);
    layout->addLayout(top);

    auto* inputs = new QHBoxLayout;
    inputs->addWidget(buildBankruptcyBox(), 1);
    inputs->addWidget(buildReorganisationBox(), 1);
    layout->addLayout(inputs);
    // The decree in force today is chosen already; the proceeds are what a user types first.
    focusWhenFirstShown(this, secured_);

    auto* buttons = new QHBoxLayout;
    compute_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("OK"), this);
    compute_->setObjectName(QStringLiteral("BitBtn15"));
    compute_->setDefault(true);
    reset_ = pushButton(QStringLiteral("Button15"), QStringLiteral("Vynulovat"), this);
    buttons->addWidget(compute_);
    buttons->addWidget(reset_);
    buttons->addStretch(1);
    layout->addLayout(buttons);

    auto* memos = new QHBoxLayout;
    bankruptcyMemo_ = new QPlainTextEdit(this);
    bankruptcyMemo_->setObjectName(QStringLiteral("konkurz_Memo"));
    bankruptcyMemo_->setReadOnly(true);
    reorganisationMemo_ = new QPlainTextEdit(this);
    reorganisationMemo_->setObjectName(QStringLiteral("Reorg_Memo"));
    reorganisationMemo_->setReadOnly(true);
    memos->addWidget(bankruptcyMemo_, 1);
    memos->addWidget(reorganisationMemo_, 1);
    layout->addLayout(memos, 1);

    setTabOrder(version_, secured_);
    setTabOrder(secured_, unsecured_);
    setTabOrder(unsecured_, reliefMonths_);
    setTabOrder(reliefMonths_, beforeApproval_);
    setTabOrder(beforeApproval_, turnover_);
    setTabOrder(turnover_, reorganisationMonths_);
    setTabOrder(reorganisationMonths_, compute_);
    setTabOrder(compute_, reset_);

    connect(version_, &QComboBox::currentIndexChanged, this, [this] { versionChanged(); });
    connect(reliefMonths_, &QSpinBox::valueChanged, this, [this](int v) { beforeApproval_->setMaximum(v); });
    connect(compute_, &QPushButton::clicked, this, [this] { BitBtn15Click(); });
    connect(reset_, &QPushButton::clicked, this, [this] { Button15Click(); });

    // The version in force today is chosen at the start.
    version_->setCurrentIndex(fees::insolvencyVersionOn(versions, today()));
    versionChanged();
}

QWidget* InsolvencyPage::buildBankruptcyBox() {
    auto* bankruptcy = new QGroupBox(QStringLiteral("Konkurz a oddlužení"), this);
    bankruptcy->setObjectName(QStringLiteral("Konkurz_GroupBox"));
    auto* bg = new QGridLayout(bankruptcy);
    bg->addWidget(new QLabel(QStringLiteral("Zpeněžením dosaženo k rozdělení mezi:"), bankruptcy), 0, 0, 1, 3);
    secured_ = new NumberField(QStringLiteral("zajistene_edit"), 2, bankruptcy);
    secured_->setToolTip(QStringLiteral("Od 1.1.2014 se odměna z výtěžku pro zajištěné věřitele určuje z každé "
                                        "jednotlivé položky zajištění zvlášť; zadejte výtěžek jedné položky."));
    unsecured_ = new NumberField(QStringLiteral("nezajistene_edit"), 2, bankruptcy);
    addAmountRow(bg, 1, QStringLiteral("zajištěné věřitele"), secured_, bankruptcy);
    addAmountRow(bg, 2, QStringLiteral("nezajištěné věřitele"), unsecured_, bankruptcy);
    reliefMonths_ = new UpDownField(QStringLiteral("mesice_ins"), 0, 100, bankruptcy);
    bg->addWidget(buddyLabel(QStringLiteral("Počet měsíců trvání oddlužení:"), reliefMonths_, bankruptcy), 3, 0);
    bg->addWidget(reliefMonths_, 3, 1);
    beforeApproval_ = new UpDownField(QStringLiteral("mesice_pred_schvalenim_ins"), 0, 100, bankruptcy);
    beforeApprovalLabel_ =
        buddyLabel(QStringLiteral("z toho měsíců do schválení oddlužení:"), beforeApproval_, bankruptcy);
    bg->addWidget(beforeApprovalLabel_, 4, 0);
    bg->addWidget(beforeApproval_, 4, 1);
    bg->setColumnStretch(1, 1);
    return bankruptcy;
}

QWidget* InsolvencyPage::buildReorganisationBox() {
    auto* reorganisation = new QGroupBox(QStringLiteral("Reorganizace"), this);
    reorganisation->setObjectName(QStringLiteral("Reorganizace_GroupBox"));
    auto* rg = new QGridLayout(reorganisation);
    turnover_ = new NumberField(QStringLiteral("PBNumEdit1"), 2, reorganisation);
    addAmountRow(rg, 0, QStringLiteral("Měsíční obrat:"), turnover_, reorganisation);
    reorganisationMonths_ = new UpDownField(QStringLiteral("MaskEdit2"), 0, 100, reorganisation);
    rg->addWidget(buddyLabel(QStringLiteral("Počet měsíců trvání reorganizace"), reorganisationMonths_, reorganisation),
                  1, 0);
    rg->addWidget(reorganisationMonths_, 1, 1);
    rg->setRowStretch(2, 1);
    rg->setColumnStretch(1, 1);
    return reorganisation;
}

std::string InsolvencyPage::selectedPrefix() const {
    const int i = version_->currentIndex();
    return i >= 0 && i < static_cast<int>(prefixes_.size()) ? prefixes_[static_cast<size_t>(i)] : std::string();
}

void InsolvencyPage::versionChanged() {
    const IniFile table = IniFile::load(host_.data().programFile(fees::kInsolvencyTable));
    const std::string prefix = selectedPrefix();
    caption_->setText(qs(fees::insolvencyCaption(table, prefix)));
    // Only a version that pays more up to the approval of debt relief asks for those months.
    const bool split = fees::hasReliefRateBeforeApproval(table, prefix);
    beforeApproval_->setEnabled(split);
    beforeApprovalLabel_->setEnabled(split);
}

void InsolvencyPage::BitBtn15Click() {
    runAction(this, [&] {
        fees::InsolvencyInput in;
        in.secured = secured_->value();
        in.unsecured = unsecured_->value();
        in.turnover = turnover_->value();
        in.version = selectedPrefix();
        in.reliefMonths = reliefMonths_->value();
        in.reliefMonthsBeforeApproval = beforeApproval_->isEnabled() ? beforeApproval_->value() : 0;
        in.reorganisationMonths = reorganisationMonths_->value();
        bankruptcyMemo_->clear();
        reorganisationMemo_->clear();
        const IniFile table = IniFile::load(host_.data().programFile(fees::kInsolvencyTable));
        const auto r = fees::computeInsolvency(table, in);
        bankruptcyMemo_->setPlainText(toQStringList(fees::bankruptcyMemoLines(in, r)).join(QLatin1Char('\n')));
        reorganisationMemo_->setPlainText(
            toQStringList(fees::reorganisationMemoLines(in, r)).join(QLatin1Char('\n')));
    });
}

void InsolvencyPage::Button15Click() {
    secured_->setValue(0);
    unsecured_->setValue(0);
    turnover_->setValue(0);
    reliefMonths_->setValue(0);
    beforeApproval_->setValue(0);
    reorganisationMonths_->setValue(0);
    bankruptcyMemo_->clear();
    reorganisationMemo_->clear();
}

}  // namespace verdika::ui
