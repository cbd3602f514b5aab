#include "reference/laws_page.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/ui/page_host.h"

namespace verdika::ui {

LawsPage::LawsPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("TabSheet21"));
    auto* layout = new QVBoxLayout(this);
    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("zakon_memo"));
    memo_->setReadOnly(true);
    memo_->setPlaceholderText(QStringLiteral("Texty zákonů se připravují."));
    layout->addWidget(memo_);
}

}  // namespace verdika::ui
