#include "fees/ui/fee_page_parts.h"

#include <QApplication>
#include <QGridLayout>
#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QListWidget>
#include <QToolButton>

#include "common/ui/balloon.h"
#include "common/ui/controls.h"

namespace verdika::ui {

void addCalculatorTip(QToolButton* button) {
    infoBalloon(button, QStringLiteral("Schránkulačka"),
                QStringLiteral("Schránkulačka slouží k uchování dočasných výpočtů. Naleznete ji v okně Kalkulačka. "
                               "Této funkce je možné využít, pokud chcete sečíst několik odměn - např. více "
                               "výpisů apod."));
}

QLabel* addDecreeCaption(QBoxLayout* layout, const QString& objectName, const QString& text, QWidget* parent) {
    QLabel* caption = boldLabel(objectName, text, parent);
    layout->addWidget(caption);
    return caption;
}

void addSearchRow(QBoxLayout* layout, const QString& label, QLineEdit* edit, QPushButton* next, QWidget* parent) {
    auto* row = new QHBoxLayout;
    row->addWidget(buddyLabel(label, edit, parent));
    row->addWidget(edit, 1);
    row->addWidget(next);
    layout->addLayout(row);
}

void addAmountRow(QGridLayout* grid, int row, const QString& label, QWidget* field, QWidget* parent) {
    grid->addWidget(buddyLabel(label, field, parent), row, 0);
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
