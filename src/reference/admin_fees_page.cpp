#include "reference/admin_fees_page.h"

#include "app/ui/placeholder.h"
#include "app/ui/page_host.h"

namespace verdika::ui {

AdminFeesPage::AdminFeesPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("TabSheet28"));
    fillPlaceholder(this);
}

}  // namespace verdika::ui
