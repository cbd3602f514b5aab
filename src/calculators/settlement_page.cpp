#include "calculators/settlement_page.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/data_module.h"
#include "app/ui/page_host.h"
#include "calculators/settlement_workbook.h"
#include "common/ui/action.h"
#include "common/ui/clickable_label.h"
#include "common/ui/controls.h"
#include "common/ui/desktop.h"
#include "common/ui/first_focus.h"
#include "common/ui/qt_convert.h"
#include "common/ui/scrolling.h"

namespace verdika::ui {

SettlementPage::SettlementPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("tabsheet12"));
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    auto* row = new QHBoxLayout;
    layout->addLayout(row);

    auto* image = new ClickableLabel(QStringLiteral("Image1"), content);
    image_ = image;
    image_->setToolTip(QStringLiteral("Otevřít sešit s výpočtem"));
    const QPixmap picture(qpath(host_.data().programFile(kSettlementPicture)));
    if (picture.isNull()) image_->setText(QStringLiteral("(obrázek sešitu chybí – klepněte sem)"));
    else image_->setPixmap(picture);
    image_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    row->addWidget(image_, 0, Qt::AlignTop);

    auto* side = new QVBoxLayout;
    row->addLayout(side, 1);
    auto* title = new QLabel(QStringLiteral("<b>Vypořádání společného jmění manželů</b>"), content);
    title->setObjectName(QStringLiteral("Label_SJM"));
    title->setWordWrap(true);
    side->addWidget(title);
    auto* text = new QLabel(
        QStringLiteral("Vypořádací podíl se počítá v sešitu tabulkového programu: společný majetek, společné dluhy, "
                       "vnosy mezi výhradním a společným majetkem a výsledek – kolik má jeden z manželů doplatit "
                       "druhému.\n\nKlepnutím na obrázek se sešit otevře; vyplňují se jen žlutá pole. Obrázek "
                       "ukazuje list „Výsledek“ s ukázkovým případem."),
        content);
    text->setWordWrap(true);
    side->addWidget(text);
    auto* open = pushButton(QStringLiteral("Otevrit_Sesit_Button"), QStringLiteral("Otevřít sešit"), content);
    side->addWidget(open, 0, Qt::AlignLeft);
    auto* note = new QLabel(
        QStringLiteral("Sešit se otevře jen pro čtení: vyplněný výpočet uložte pod novým jménem. Kopie sešitu je "
                       "v datovém adresáři programu."),
        content);
    note->setObjectName(QStringLiteral("Label_SJM_Soubor"));
    note->setToolTip(QDir::toNativeSeparators(qpath(host_.data().dataFile(kSettlementWorkbook))));
    note->setWordWrap(true);
    note->setTextInteractionFlags(Qt::TextSelectableByMouse);
    side->addWidget(note);
    side->addStretch();
    layout->addStretch();

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scrollingArea(content));
    connect(image, &ClickableLabel::clicked, this, &SettlementPage::Image1Click);
    connect(open, &QPushButton::clicked, this, &SettlementPage::Image1Click);
    focusWhenFirstShown(this, open);
}

void SettlementPage::Image1Click() {
    runAction(this, [&] {
        const auto file = provideSettlementWorkbook(host_.data().paths().programDir, host_.data().paths().dataDir);
        openWithDesktop(qpath(file));
    });
}

}  // namespace verdika::ui
