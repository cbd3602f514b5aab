#include "common/ui/radio_group.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace verdika::ui {

void setGroupHighlight(QWidget* group, bool on) {
    group->setProperty("highlighted", on);
    QPalette pal = group->palette();
    pal.setColor(QPalette::Window, on ? QColor(225, 255, 198) : QApplication::palette().color(QPalette::Button));
    group->setPalette(pal);
    group->setAutoFillBackground(on);
}

RadioGroup::RadioGroup(const QString& objectName, const QString& title, const QStringList& items, int columns,
                       QWidget* parent)
    : QGroupBox(title, parent), group_(new QButtonGroup(this)) {
    setObjectName(objectName);
    group_->setExclusive(true);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setVerticalSpacing(2);
    columns = std::max(columns, 1);
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items[i], this);
        b->setObjectName(objectName + QStringLiteral("_%1").arg(i));
        group_->addButton(b, i);
        layout->addWidget(b, i / columns, i % columns);
    }
    connect(group_, &QButtonGroup::idClicked, this, &RadioGroup::itemClicked);
}

int RadioGroup::itemIndex() const { return group_->checkedId(); }

void RadioGroup::setItemIndex(int index) {
    if (QAbstractButton* b = group_->button(index)) {
        b->setChecked(true);
        return;
    }
    // An exclusive group keeps one button checked; clearing needs a moment without it.
    group_->setExclusive(false);
    for (QAbstractButton* b : group_->buttons()) b->setChecked(false);
    group_->setExclusive(true);
}

int RadioGroup::count() const { return static_cast<int>(group_->buttons().size()); }

QWidget* RadioGroup::button(int index) const { return group_->button(index); }

}  // namespace verdika::ui
