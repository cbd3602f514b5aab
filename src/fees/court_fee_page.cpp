#include "fees/court_fee_page.h"

#include "app/ui/placeholder.h"
#include "app/ui/page_host.h"

namespace verdika::ui {

CourtFeePage::CourtFeePage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("TabSheet3"));
    fillPlaceholder(this);
}

}  // namespace verdika::ui
