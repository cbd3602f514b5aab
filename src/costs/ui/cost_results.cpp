#include "costs/ui/cost_results.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "common/ui/controls.h"
#include "common/ui/result_field.h"

namespace verdika::ui {

CostResults::CostResults(const QString& objectName, const std::vector<Field>& fields, QWidget* parent)
    : QGroupBox(QStringLiteral("Výsledek"), parent), specs_(fields) {
    setObjectName(objectName);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setVerticalSpacing(2);
    for (const Field& spec : specs_) {
        auto* field = new ResultField(QString::fromLatin1(spec.name), this, QString::fromLatin1(spec.copyShown),
                                      QString::fromLatin1(spec.copyNumber));
        field->edit()->setMinimumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("99.999.999,99 Kč")) + 12);
        QLabel* label = buddyLabel(QString::fromUtf8(spec.label), field->edit(), this);
        if (spec.total) {
            field->setBold(true);
            // The total's long caption reaches over the left half.
            grid->addWidget(label, spec.row, 0, 1, 3, Qt::AlignRight);
            grid->addWidget(field, spec.row, 3);
        } else {
            grid->addWidget(label, spec.row, 2 * spec.column);
            grid->addWidget(field, spec.row, 2 * spec.column + 1);
        }
        fields_.push_back(field);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
}

void CostResults::showRecord(const costs::TNaklady_rizeni& record) {
    for (size_t i = 0; i < fields_.size(); ++i) fields_[i]->setAmount(specs_[i].value(record));
}

void CostResults::followRecord(const costs::TNaklady_rizeni& record) {
    for (size_t i = 0; i < fields_.size(); ++i) fields_[i]->setValue(specs_[i].value(record), fields_[i]->text());
}

void CostResults::reset() {
    for (size_t i = 0; i < fields_.size(); ++i)
        if (!specs_[i].keptByReset) fields_[i]->setValue(fields_[i]->value(), QString());
}

}  // namespace verdika::ui
