#include "costs/ui/vat_payer_row.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

#include "app/data_module.h"
#include "app/settings.h"
#include "app/ui/page_host.h"
#include "common/ui/date_edit.h"
#include "common/ui/qt_convert.h"
#include "common/ui/vat_payer.h"
#include "costs/costs.h"
#include "costs/ui/costs_widgets.h"

namespace verdika::ui {

VatPayerRow::VatPayerRow(const Names& names, PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    check_ = new QCheckBox(QStringLiteral("Plátce DPH"), this);
    check_->setObjectName(names.check);
    date_ = makeDateEdit(names.date, this);
    date_->setDate(QDate::currentDate());
    rate_ = new QLabel(this);
    rate_->setObjectName(names.rate);
    rate_->setMinimumWidth(rate_->fontMetrics().horizontalAdvance(QStringLiteral("100%")));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(kSpacing);
    row->addWidget(check_);
    row->addWidget(date_);
    row->addWidget(rate_);
    row->addWidget(vatTipButton(names.tip, this));
    row->addStretch();

    Settings& settings = host_.data().settings();
    check_->setChecked(settings.get(setting::VatPayer));
    connectVatPayerBox(check_, settings, host_.mainWindow());
    connect(date_, &QDateEdit::dateChanged, this, [this] { showRate(); });
    connect(check_, &QCheckBox::toggled, this, [this] { showRate(); });
    showRate();
}

bool VatPayerRow::payer() const { return check_->isChecked(); }

Date VatPayerRow::date() const { return fromQDate(date_->date()); }

void VatPayerRow::set(bool payer, Date date) {
    check_->setChecked(payer);
    Naklad_DPH_CheckClick(check_, host_.data().settings(), host_.mainWindow());
    date_->setDate(toQDate(date));
}

int VatPayerRow::captionWidth() const { return check_->sizeHint().width(); }

void VatPayerRow::setCaptionWidth(int width) { check_->setFixedWidth(width); }

void VatPayerRow::showRate() {
    rate_->setText(payer() ? qs(costs::vatRateLabel(host_.data().paths().programDir, date())) : QString());
}

}  // namespace verdika::ui
