#include "reference/wage_deduction_page.h"

#include "app/ui/placeholder.h"
#include "app/ui/page_host.h"

namespace verdika::ui {

WageDeductionPage::WageDeductionPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("TabSheet8"));
    fillPlaceholder(this);
}

}  // namespace verdika::ui
