#include "costs/costs_page.h"

#include "app/ui/placeholder.h"
#include "app/ui/page_host.h"

namespace verdika::ui {

CostsPage::CostsPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("TabSheet1"));
    fillPlaceholder(this);
}

}  // namespace verdika::ui
