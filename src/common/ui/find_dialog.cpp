#include "common/ui/find_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

#include "common/text.h"
#include "common/ui/messages.h"

namespace verdika::ui {

bool findNextInMemo(QPlainTextEdit* memo, const QString& needle, bool matchCase) {
    QTextCursor cursor = memo->textCursor();
    const int from = cursor.hasSelection() ? cursor.selectionEnd() : cursor.position();
    const QString text = memo->toPlainText();
    const std::u16string hay = text.toStdU16String();
    const std::u16string pat = needle.toStdU16String();
    const size_t at = findText(hay, pat, static_cast<size_t>(from), matchCase);
    bool found = at != std::u16string::npos;
    if (found) {
        cursor.setPosition(static_cast<int>(at));
        cursor.setPosition(static_cast<int>(at + pat.size()), QTextCursor::KeepAnchor);
        memo->setTextCursor(cursor);
    } else {
        showError(memo, needle + QStringLiteral(" nenalezeno."));
    }
    memo->setFocus();
    return found;
}

FindDialog::FindDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Najít"));
    setObjectName(QStringLiteral("finddialog1"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    text_ = new QLineEdit(this);
    text_->setObjectName(QStringLiteral("find_text"));
    form->addRow(QStringLiteral("&Hledat:"), text_);
    layout->addLayout(form);
    case_ = new QCheckBox(QStringLiteral("&Rozlišovat velká a malá písmena"), this);
    case_->setObjectName(QStringLiteral("find_match_case"));
    layout->addWidget(case_);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* next = buttons->addButton(QStringLiteral("Najít &další"), QDialogButtonBox::ActionRole);
    next->setDefault(true);
    next->setObjectName(QStringLiteral("find_next"));
    QPushButton* close = buttons->addButton(QStringLiteral("Zavřít"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(next, &QPushButton::clicked, this, [this] {
        if (!text_->text().isEmpty()) emit findNext();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::hide);
}

QString FindDialog::findText() const { return text_->text(); }
void FindDialog::setFindText(const QString& text) { text_->setText(text); }
bool FindDialog::matchCase() const { return case_->isChecked(); }
void FindDialog::setMatchCase(bool on) { case_->setChecked(on); }

}  // namespace verdika::ui
