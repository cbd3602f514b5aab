#include "deadlines/ui/task_navigator.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QStyle>
#include <QToolButton>

#include "common/ui/controls.h"

namespace verdika::ui {

namespace {

struct ButtonInfo {
    const char* name;
    const char* caption;
    const char* hint;
    QStyle::StandardPixmap glyph;
    bool visible;
};

constexpr ButtonInfo kButtons[TaskNavigator::kNavButtons] = {
    {"First", "První", "První položka", QStyle::SP_MediaSkipBackward, false},
    {"Prior", "Předchozí", "Předchozí položka (s Ctrl o 5 zpět)", QStyle::SP_ArrowBack, false},
    {"Next", "Další", "Další položka (s Ctrl o 5 dál)", QStyle::SP_ArrowForward, false},
    {"Last", "Poslední", "Poslední položka", QStyle::SP_MediaSkipForward, false},
    {"Insert", "Přidat", "Vložit položku", QStyle::SP_FileIcon, true},
    {"Delete", "Smazat", "Smazat položku", QStyle::SP_TrashIcon, true},
    {"Edit", "Upravit", "Upravit", QStyle::SP_FileDialogDetailedView, true},
    {"Post", "Ulož", "Uložit", QStyle::SP_DialogSaveButton, true},
    {"Cancel", "Neukládat", "Neukládat", QStyle::SP_DialogCancelButton, true},
    {"Refresh", "Obnovit", "Obnovit", QStyle::SP_BrowserReload, false},
};

}  // namespace

TaskNavigator::TaskNavigator(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Lhuty_DBNavigator"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    for (int i = 0; i < kNavButtons; ++i) {
        const ButtonInfo& s = kButtons[i];
        QToolButton* b = toolButton(QStringLiteral("Lhuty_DBNavigator_") + QString::fromLatin1(s.name),
                                    QString::fromUtf8(s.caption), QString::fromUtf8(s.hint), this);
        b->setIcon(style()->standardIcon(s.glyph, nullptr, b));
        b->setIconSize(QSize(22, 22));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setMinimumWidth(70);
        b->setVisible(s.visible);
        const auto which = static_cast<Button>(i);
        connect(b, &QToolButton::clicked, this, [this, which] {
            emit pressed(which, QApplication::keyboardModifiers().testFlag(Qt::ControlModifier));
        });
        row->addWidget(b);
        buttons_[static_cast<size_t>(i)] = b;
    }
    row->addStretch();
}

void TaskNavigator::update(bool hasTask, int row, int count, bool editing) {
    buttons_[First]->setEnabled(hasTask && row > 0);
    buttons_[Prior]->setEnabled(hasTask && row > 0);
    buttons_[Next]->setEnabled(hasTask && row < count - 1);
    buttons_[Last]->setEnabled(hasTask && row < count - 1);
    buttons_[Insert]->setEnabled(!editing);
    buttons_[Delete]->setEnabled(hasTask || editing);
    buttons_[EditButton]->setEnabled(hasTask && !editing);
    buttons_[Post]->setEnabled(editing);
    buttons_[Cancel]->setEnabled(editing);
    buttons_[Refresh]->setEnabled(!editing);
}

}  // namespace verdika::ui
