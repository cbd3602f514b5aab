#include "common/ui/vat_payer.h"

#include <QCheckBox>
#include <QPointer>

#include "app/settings.h"
#include "common/ui/action.h"

namespace verdika::ui {

void Naklad_DPH_CheckClick(QCheckBox* box, Settings& settings, const QWidget* mainWindow) {
    if (!box || !mainWindow || !mainWindow->isVisible()) return;
    runAction(box, [&] { settings.setBool(setting::VatPayer, box->isChecked()); });
}

void connectVatPayerBox(QCheckBox* box, Settings& settings, const QWidget* mainWindow) {
    QPointer<const QWidget> window(mainWindow);
    // clicked() fires for the user's clicks and key presses, not for setChecked().
    QObject::connect(box, &QCheckBox::clicked, box, [box, &settings, window] {
        Naklad_DPH_CheckClick(box, settings, window.data());
    });
}

}  // namespace verdika::ui
