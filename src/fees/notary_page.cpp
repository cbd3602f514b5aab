#include "fees/notary_page.h"

#include "app/ui/placeholder.h"
#include "app/ui/page_host.h"

namespace verdika::ui {

NotaryPage::NotaryPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("TabSheet19"));
    fillPlaceholder(this);
}

}  // namespace verdika::ui
