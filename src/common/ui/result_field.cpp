#include "common/ui/result_field.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>

#include "common/numbers.h"
#include "common/ui/controls.h"
#include "common/ui/grid_helpers.h"
#include "common/ui/qt_convert.h"

namespace verdika::ui {

ResultField::ResultField(const QString& objectName, QWidget* parent, const QString& copyShownName,
                         const QString& copyNumberName)
    : QWidget(parent) {
    setObjectName(objectName + QStringLiteral("_box"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    edit_ = new QLineEdit(this);
    edit_->setObjectName(objectName);
    edit_->setReadOnly(true);
    edit_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit_->setToolTip(QStringLiteral("Dvojklikem zkopírujete hodnotu do schránky."));
    installCopyOnDoubleClick(edit_);
    row->addWidget(edit_, 1);
    auto addButton = [&](const QString& name, const QString& caption, const QString& tip, Copy kind) {
        auto* b = toolButton(name, caption, tip, this);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QToolButton::clicked, this, [this, kind] { copy(kind); });
        row->addWidget(b);
        return b;
    };
    if (!copyShownName.isEmpty())
        copyShown_ = addButton(copyShownName, QStringLiteral("Kč"), QStringLiteral("Kopírovat částku, jak je zobrazena"),
                               Copy::AsShown);
    if (!copyNumberName.isEmpty())
        copyNumber_ = addButton(copyNumberName, QStringLiteral("123"), QStringLiteral("Kopírovat číslo bez formátování"),
                                Copy::AsNumber);
}

void ResultField::setAmount(double value) { setValue(value, qs(Format_Castky(value))); }

void ResultField::setValue(double value, const QString& shown) {
    value_ = value;
    edit_->setText(shown);
}

void ResultField::clear() { setValue(0, QString()); }

QString ResultField::text() const { return edit_->text(); }

QString ResultField::copyText(Copy kind) const {
    return kind == Copy::AsShown ? edit_->text() : qs(Format_Cislo(value_));
}

void ResultField::copy(Copy kind) const { copyToClipboard(copyText(kind)); }

void ResultField::setBold(bool bold) {
    QFont f = edit_->font();
    f.setBold(bold);
    edit_->setFont(f);
}

}  // namespace verdika::ui
