#include "app/ui/placeholder.h"

#include <QLabel>
#include <QVBoxLayout>

namespace verdika::ui {

void fillPlaceholder(QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    auto* label = new QLabel(QStringLiteral("Tato stránka se připravuje."), page);
    label->setObjectName(QStringLiteral("placeholder_label"));
    label->setAlignment(Qt::AlignCenter);
    label->setEnabled(false);
    layout->addWidget(label);
}

}  // namespace verdika::ui
