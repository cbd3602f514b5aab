#include "reference/institutions_page.h"

#include "app/ui/placeholder.h"
#include "app/ui/page_host.h"

namespace verdika::ui {

InstitutionsPage::InstitutionsPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("TabSheet5"));
    fillPlaceholder(this);
}

}  // namespace verdika::ui
