#include "interest/ui/petition_choices.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "common/ui/controls.h"
#include "common/ui/qt_convert.h"
#include "common/ui/radio_group.h"

namespace verdika::ui {

using namespace verdika::interest;

PetitionChoices::PetitionChoices(QWidget* parent) : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    auto group = [&](const QString& name, const QStringList& items) {
        auto* g = new RadioGroup(name, QString(), items, 1, this);
        g->setItemIndex(0);
        row->addWidget(g);
        connect(g, &RadioGroup::itemClicked, this, &PetitionChoices::changed);
        return g;
    };
    debtor_ = group(QStringLiteral("zalovan2_RadioGroup"),
                    {QStringLiteral("žalovaný"), QStringLiteral("žalovaná"), QStringLiteral("žalovaní")});
    creditor_ = group(QStringLiteral("zalob2_RadioGroup"),
                      {QStringLiteral("žalobce"), QStringLiteral("žalobkyně"), QStringLiteral("žalobci")});

    days_ = new QLineEdit(QStringLiteral("15"), this);
    days_->setObjectName(QStringLiteral("Edit41"));
    days_->setMaximumWidth(days_->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16);
    from_ = new QComboBox(this);
    from_->setObjectName(QStringLiteral("zaplatit_od2_combobox"));
    for (PayFrom f : {PayFrom::FinalJudgment, PayFrom::PaymentOrder}) from_->addItem(qs(payFromText(f)));
    auto* daysRow = new QHBoxLayout;
    daysRow->addWidget(buddyLabel(QStringLiteral("zaplatit do"), days_, this));
    daysRow->addWidget(days_);
    daysRow->addWidget(buddyLabel(QStringLiteral("dnů od: "), from_, this));
    daysRow->addStretch(1);
    auto* deadline = new QVBoxLayout;
    deadline->addLayout(daysRow);
    deadline->addWidget(from_);
    deadline->addStretch(1);
    row->addLayout(deadline, 1);

    connect(from_, &QComboBox::currentIndexChanged, this, [this](int i) {
        days_->setText(i == 1 ? QStringLiteral("15") : QStringLiteral("3"));
        emit changed();
    });
}

PetitionOptions PetitionChoices::options() const {
    PetitionOptions o;
    // The groups start with their first item chosen and cannot be emptied.
    o.debtor = static_cast<Defendant>(std::max(debtor_->itemIndex(), 0));
    o.creditor = static_cast<Claimant>(std::max(creditor_->itemIndex(), 0));
    o.days = ss(days_->text());
    o.from = from_->currentIndex() == 1 ? PayFrom::PaymentOrder : PayFrom::FinalJudgment;
    return o;
}

}  // namespace verdika::ui
