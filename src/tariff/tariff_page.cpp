#include "tariff/tariff_page.h"

#include "app/ui/placeholder.h"
#include "app/ui/page_host.h"

namespace verdika::ui {

TariffPage::TariffPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("TabSheet2"));
    fillPlaceholder(this);
}

}  // namespace verdika::ui
