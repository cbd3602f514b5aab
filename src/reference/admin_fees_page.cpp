#include "reference/admin_fees_page.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/data_module.h"
#include "app/ui/page_host.h"
#include "common/ui/controls.h"
#include "common/ui/desktop.h"
#include "common/ui/messages.h"
#include "common/ui/qt_convert.h"

namespace verdika::ui {
AdminFeesPage::AdminFeesPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("TabSheet28"));
    auto* layout = new QVBoxLayout(this);
    auto* hint = new QLabel(QStringLiteral("1. po načtení zákona zadejte účinnost v části \"Historie\" kliknutím na "
                                           "datum; 2. tlačítem \"hledat\" nebo zkratkou ctrl+f zobrazte vyhledávací "
                                           "okénko"),
                            this);
    hint->setObjectName(QStringLiteral("Label_spravni"));
    hint->setWordWrap(true);
    layout->addWidget(hint);

    auto* tools = new QHBoxLayout;
    auto* back = pushButton(QStringLiteral("Zpet_Button"), QStringLiteral("Zpět"), this);
    auto* forward = pushButton(QStringLiteral("Vpred_Button"), QStringLiteral("Vpřed"), this);
    // The browser that shows the act keeps the history of its pages.
    for (auto* b : {back, forward}) {
        b->setEnabled(false);
        b->setToolTip(QStringLiteral("Zpět a vpřed se přechází v okně prohlížeče."));
    }
    auto* home = pushButton(QStringLiteral("Domu_Button"), QStringLiteral("Domů"), this);
    home->setToolTip(QStringLiteral("Otevře zákon o správních poplatcích ve výchozím prohlížeči."));
    address_ = new QLineEdit(this);
    address_->setObjectName(QStringLiteral("Edit3"));
    address_->setReadOnly(true);
    auto* find = pushButton(QStringLiteral("Hledat_Button"), QStringLiteral("Hledat v textu zákona"), this);
    tools->addWidget(back);
    tools->addWidget(forward);
    tools->addWidget(home);
    tools->addWidget(address_, 1);
    tools->addWidget(find);
    layout->addLayout(tools);

    auto* note = new QLabel(QStringLiteral("Text zákona č. 634/2004 Sb., o správních poplatcích, se otevírá ve "
                                           "výchozím internetovém prohlížeči."),
                            this);
    note->setWordWrap(true);
    note->setEnabled(false);
    layout->addWidget(note);
    layout->addStretch(1);

    connect(home, &QPushButton::clicked, this, &AdminFeesPage::DomuClick);
    connect(find, &QPushButton::clicked, this, &AdminFeesPage::HledatClick);
}

QString AdminFeesPage::startAddress() const {
    return qs(host_.data().settings().lawWebHost()) + QStringLiteral("/cs/2004-634");
}

void AdminFeesPage::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (opened_) return;
    DomuClick();
}

void AdminFeesPage::DomuClick() {
    opened_ = true;
    address_->setText(startAddress());
    openAddress(address_->text());
}

void AdminFeesPage::HledatClick() {
    if (!opened_) DomuClick();
    showMessage(this, QStringLiteral("Zákon je otevřen v prohlížeči; vyhledávací okénko v něm otevřete zkratkou "
                                     "Ctrl+F."));
}

}  // namespace verdika::ui
