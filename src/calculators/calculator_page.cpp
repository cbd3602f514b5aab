#include "calculators/calculator_page.h"

#include "app/ui/page_host.h"
#include "app/ui/placeholder.h"

namespace verdika::ui {

CalculatorPage::CalculatorPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("TabSheet13"));
    fillPlaceholder(this);
}

void CalculatorPage::addResult(double, const QString&) {}

}  // namespace verdika::ui
