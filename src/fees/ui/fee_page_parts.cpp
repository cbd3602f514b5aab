#include "fees/ui/fee_page_parts.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QStyle>
#include <QToolButton>

#include "common/ui/balloon.h"

namespace verdika::ui {

QToolButton* makeInfoButton(const QString& objectName, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(objectName);
    b->setIcon(parent->style()->standardIcon(QStyle::SP_MessageBoxInformation));
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

void addCalculatorTip(QToolButton* button) {
    infoBalloon(button, QStringLiteral("Schránkulačka"),
                QStringLiteral("Schránkulačka slouží k uchování dočasných výpočtů. Naleznete ji v okně Kalkulačka. "
                               "Této funkce je možné využít, pokud chcete sečíst několik odměn - např. více "
                               "výpisů apod."));
}

void addAmountRow(QGridLayout* grid, int row, const QString& label, QWidget* field, QWidget* parent) {
    auto* l = new QLabel(label, parent);
    l->setBuddy(field);
    grid->addWidget(l, row, 0);
    grid->addWidget(field, row, 1);
    grid->addWidget(new QLabel(QStringLiteral("Kč"), parent), row, 2);
}

void onItemChosen(QListWidget* list, QWidget* context, const std::function<void()>& action) {
    // A mouse click moves the choice on the press and ends with the click
    // signal; run once, on the click.
    QObject::connect(list, &QListWidget::currentRowChanged, context, [action] {
        if (QApplication::mouseButtons() == Qt::NoButton) action();
    });
    QObject::connect(list, &QListWidget::itemClicked, context, [action] { action(); });
}

}  // namespace verdika::ui
