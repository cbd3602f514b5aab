#include "travel/travel_page.h"

#include "app/ui/placeholder.h"
#include "app/ui/page_host.h"

namespace verdika::ui {

TravelPage::TravelPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("TabSheet4"));
    fillPlaceholder(this);
}

}  // namespace verdika::ui
