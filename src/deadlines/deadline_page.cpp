#include "deadlines/deadline_page.h"

#include "app/ui/placeholder.h"
#include "app/ui/page_host.h"

namespace verdika::ui {

DeadlinePage::DeadlinePage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("TabSheet10"));
    fillPlaceholder(this);
}

}  // namespace verdika::ui
