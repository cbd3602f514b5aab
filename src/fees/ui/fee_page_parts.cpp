#include "fees/ui/fee_page_parts.h"

#include <QApplication>
#include <QGridLayout>
#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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

QLabel* addDecreeCaption(QBoxLayout* layout, const QString& objectName, const QString& text, QWidget* parent) {
    auto* caption = new QLabel(text, parent);
    caption->setObjectName(objectName);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    layout->addWidget(caption);
    return caption;
}

void addSearchRow(QBoxLayout* layout, const QString& label, QLineEdit* edit, QPushButton* next, QWidget* parent) {
    auto* row = new QHBoxLayout;
    auto* l = new QLabel(label, parent);
    l->setBuddy(edit);
    row->addWidget(l);
    row->addWidget(edit, 1);
    row->addWidget(next);
    layout->addLayout(row);
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
