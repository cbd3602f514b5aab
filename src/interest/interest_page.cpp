#include "interest/interest_page.h"

#include "app/ui/page_host.h"
#include "app/ui/placeholder.h"

namespace verdika::ui {

InterestPage::InterestPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("TabSheet6"));
    fillPlaceholder(this);
}

void InterestPage::setDueDate(const QDate&) {}

}  // namespace verdika::ui
