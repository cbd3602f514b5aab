#include "deadlines/ui/task_warning_box.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/ui/controls.h"

namespace verdika::ui {

TaskWarningBox::TaskWarningBox(QWidget* parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("Lhuty_Upozorneni_GroupBox"));
    auto* grid = new QGridLayout(this);
    warn_ = new QCheckBox(QStringLiteral("Upozorňovat na blížící se konec lhůt"), this);
    warn_->setObjectName(QStringLiteral("Lhuty_upozorneni_CheckBox"));
    days_ = new QLineEdit(this);
    days_->setObjectName(QStringLiteral("Dni_Predem_Edit"));
    days_->setMaximumWidth(60);
    auto* save = pushButton(QStringLiteral("Button43"), QStringLiteral("Ulož"), this);
    grid->addWidget(warn_, 0, 0, 1, 3);
    grid->addWidget(buddyLabel(QStringLiteral("Kolik dní předem upozorňovat"), days_, this), 1, 0);
    grid->addWidget(days_, 1, 1);
    grid->addWidget(save, 1, 2);
    connect(warn_, &QCheckBox::clicked, this, &TaskWarningBox::warnClicked);
    connect(save, &QPushButton::clicked, this, &TaskWarningBox::saveClicked);
}

void TaskWarningBox::showSettings(bool warn, const QString& days) {
    warn_->setChecked(warn);
    days_->setText(days);
}

bool TaskWarningBox::warn() const { return warn_->isChecked(); }

QString TaskWarningBox::days() const { return days_->text(); }

}  // namespace verdika::ui
