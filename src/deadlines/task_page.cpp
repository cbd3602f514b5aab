#include "deadlines/task_page.h"

#include "app/ui/page_host.h"
#include "app/ui/placeholder.h"

namespace verdika::ui {

TaskPage::TaskPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("Lhuty_TabSheet"));
    fillPlaceholder(this);
}

void TaskPage::startTaskWithDate(const QDate&) {}

}  // namespace verdika::ui
