#include "calculators/compensation_page.h"

#include "app/ui/placeholder.h"
#include "app/ui/page_host.h"

namespace verdika::ui {

CompensationPage::CompensationPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("TabSheet11"));
    fillPlaceholder(this);
}

}  // namespace verdika::ui
