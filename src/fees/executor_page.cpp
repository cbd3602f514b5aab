#include "fees/executor_page.h"

#include "app/ui/placeholder.h"
#include "app/ui/page_host.h"

namespace verdika::ui {

ExecutorPage::ExecutorPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("TabSheet20"));
    fillPlaceholder(this);
}

}  // namespace verdika::ui
