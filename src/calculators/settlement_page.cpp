#include "calculators/settlement_page.h"

#include "app/ui/placeholder.h"
#include "app/ui/page_host.h"

namespace verdika::ui {

SettlementPage::SettlementPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("tabsheet12"));
    fillPlaceholder(this);
}

}  // namespace verdika::ui
