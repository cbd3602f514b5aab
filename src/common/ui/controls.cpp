#include "common/ui/controls.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>

#include "common/ui/balloon.h"

namespace verdika::ui {

QPushButton* pushButton(const QString& objectName, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(objectName);
    b->setAutoDefault(false);
    return b;
}

void roomyCaption(QAbstractButton* button) {
    const QFontMetrics fm = button->fontMetrics();
    button->setMinimumWidth(fm.horizontalAdvance(button->text()) + 2 * fm.horizontalAdvance(QLatin1Char('M')));
}

QToolButton* toolButton(const QString& objectName, const QString& caption, const QString& tip, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(objectName);
    b->setText(caption);
    b->setToolTip(tip);
    return b;
}

QToolButton* infoButton(const QString& objectName, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(objectName);
    b->setIcon(QApplication::style()->standardIcon(QStyle::SP_MessageBoxInformation));
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QToolButton* infoButton(const QString& objectName, const QString& title, const QString& text, QWidget* parent) {
    QToolButton* b = infoButton(objectName, parent);
    infoBalloon(b, title, text);
    return b;
}

QLabel* buddyLabel(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setBuddy(buddy);
    return l;
}

QLabel* boldLabel(const QString& objectName, const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(objectName);
    QFont bold = l->font();
    bold.setBold(true);
    l->setFont(bold);
    return l;
}

QTableWidget* dataGrid(const QString& objectName, const QStringList& captions, QWidget* parent, int rows) {
    auto* g = new QTableWidget(rows, static_cast<int>(captions.size()), parent);
    g->setObjectName(objectName);
    g->setHorizontalHeaderLabels(captions);
    g->verticalHeader()->setVisible(false);
    g->verticalHeader()->setDefaultSectionSize(20);
    g->horizontalHeader()->setMinimumSectionSize(30);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    return g;
}

void copyToClipboard(const QString& text) { QApplication::clipboard()->setText(text); }

}  // namespace verdika::ui
