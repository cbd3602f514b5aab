#include "app/txt_page.h"

#include <QPushButton>
#include <QTextEdit>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/ui/page_host.h"
#include "common/ui/controls.h"
#include "common/ui/summary_box.h"

namespace verdika::ui {

TxtPage::TxtPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("TabSheet23"));
    auto* layout = new QVBoxLayout(this);
    summary_ = new SummaryBox(host_, {QStringLiteral("TXT_RichEdit"), QStringLiteral("ToolButton6"),
                                      QStringLiteral("ToolButton7"), QStringLiteral("ToolButton15"),
                                      QStringLiteral("Verdika - tisk"), QStringLiteral("txt")},
                              this);
    auto* clear = pushButton(QStringLiteral("Button86"), QStringLiteral("Vymazat"), summary_->toolBar());
    clear->setToolTip(QStringLiteral("Vymazat celý obsah záložky TXT"));
    summary_->toolBar()->addSeparator();
    summary_->toolBar()->addWidget(clear);
    connect(clear, &QPushButton::clicked, summary_, &SummaryBox::clear);
    layout->addWidget(summary_);
}

QTextEdit* TxtPage::box() const { return summary_->edit(); }

void TxtPage::appendLines(const QStringList& lines, bool keepPrevious) {
    if (!keepPrevious) summary_->clear();
    summary_->appendLines(lines);
}

}  // namespace verdika::ui
