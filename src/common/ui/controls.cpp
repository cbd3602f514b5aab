#include "common/ui/controls.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QIconEngine>
#include <QPainter>
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

namespace {

class StyleIconEngine : public QIconEngine {
public:
    explicit StyleIconEngine(QStyle::StandardPixmap which) : which_(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return false; }
    QIconEngine* clone() const override { return new StyleIconEngine(which_); }
    QString key() const override { return QStringLiteral("verdika-style"); }

private:
    const QIcon& icon() {
        if (!loaded_) {
            icon_ = QApplication::style()->standardIcon(which_);
            loaded_ = true;
        }
        return icon_;
    }

    QStyle::StandardPixmap which_;
    QIcon icon_;
    bool loaded_ = false;
};

}  // namespace

QIcon styleIcon(QStyle::StandardPixmap which) { return QIcon(new StyleIconEngine(which)); }

}  // namespace verdika::ui
