#include "interest/ui/text_pane.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "common/ui/controls.h"

namespace verdika::ui {

TextPane::TextPane(const TextPaneNames& names, bool rich, QWidget* parent) : QWidget(parent) {
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(3);
    QWidget* edit = nullptr;
    if (rich)
        edit = rich_ = new QTextEdit(this);
    else
        edit = plain_ = new QPlainTextEdit(this);
    edit->setObjectName(names.edit);

    buttons_ = new QHBoxLayout;
    buttons_->setSpacing(3);
    buttons_->addWidget(buddyLabel(names.caption, edit, this));
    buttons_->addStretch(1);
    auto* copy = toolButton(names.copy, QStringLiteral("Kopírovat"), names.copyTip, this);
    auto* preview = toolButton(names.preview, QStringLiteral("Náhled"), names.previewTip, this);
    buttons_->addWidget(copy);
    buttons_->addWidget(preview);
    v->addLayout(buttons_);
    v->addWidget(edit, 1);

    connect(copy, &QToolButton::clicked, this, [this] { copyToClipboard(text()); });
    connect(preview, &QToolButton::clicked, this, [this] { emit previewRequested(text()); });
}

QString TextPane::text() const { return rich_ ? rich_->toPlainText() : plain_->toPlainText(); }

void TextPane::setText(const QString& text) {
    if (rich_)
        rich_->setPlainText(text);
    else
        plain_->setPlainText(text);
}

void TextPane::clear() {
    if (rich_)
        rich_->clear();
    else
        plain_->clear();
}

void TextPane::addButton(QAbstractButton* button) { buttons_->addWidget(button); }

}  // namespace verdika::ui
