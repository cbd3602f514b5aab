#include "costs/ui/choice_group.h"

#include <QHBoxLayout>
#include <QToolButton>

#include "common/ui/controls.h"
#include "common/ui/radio_group.h"

namespace verdika::ui {

ChoiceGroup::ChoiceGroup(const QString& groupName, const QString& clearName, const QStringList& items,
                         QWidget* parent)
    : QWidget(parent) {
    group_ = new RadioGroup(groupName, QString(), items, 1, this);
    auto* x = toolButton(clearName, QStringLiteral("x"), QStringLiteral("Zrušit volbu"), this);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(group_, 1);
    row->addWidget(x, 0, Qt::AlignTop);
    connect(group_, &RadioGroup::itemClicked, this, [this] {
        setGroupHighlight(group_, true);
        emit changed();
    });
    connect(x, &QToolButton::clicked, this, [this] {
        setIndex(-1);
        emit changed();
    });
}

int ChoiceGroup::index() const { return group_->itemIndex(); }

void ChoiceGroup::setIndex(int index) {
    group_->setItemIndex(index);
    setGroupHighlight(group_, group_->itemIndex() >= 0);
}

}  // namespace verdika::ui
