#include "app/txt_page.h"

#include <QTextEdit>
#include <QVBoxLayout>

#include "app/ui/page_host.h"

namespace verdika::ui {

TxtPage::TxtPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("TabSheet23"));
    auto* layout = new QVBoxLayout(this);
    box_ = new QTextEdit(this);
    box_->setObjectName(QStringLiteral("TXT_RichEdit"));
    layout->addWidget(box_);
}

void TxtPage::appendLines(const QStringList& lines, bool keepPrevious) {
    if (!keepPrevious) box_->clear();
    for (const QString& l : lines) box_->append(l);
}

}  // namespace verdika::ui
