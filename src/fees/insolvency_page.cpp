#include "fees/insolvency_page.h"

#include "app/ui/placeholder.h"
#include "app/ui/page_host.h"

namespace verdika::ui {

InsolvencyPage::InsolvencyPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("TabSheet9"));
    fillPlaceholder(this);
}

}  // namespace verdika::ui
