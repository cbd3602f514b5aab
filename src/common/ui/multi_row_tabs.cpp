#include "common/ui/multi_row_tabs.h"

#include <QButtonGroup>
#include <QResizeEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

namespace verdika::ui {

namespace {
constexpr int kSpacing = 2;
constexpr int kMargin = 2;
constexpr int kMinWidth = 400;
}  // namespace

MultiRowTabs::MultiRowTabs(QTabWidget* tabs, QWidget* parent) : QWidget(parent), tabs_(tabs) {
    setObjectName(QStringLiteral("PageControl1_tabs"));
    group_ = new QButtonGroup(this);
    group_->setExclusive(true);
    tabs_->tabBar()->hide();
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setMinimumWidth(kMinWidth);
    connect(group_, &QButtonGroup::idClicked, this, [this](int index) {
        if (tabs_->currentIndex() != index) {
            tabs_->setCurrentIndex(index);
            emit tabClicked(index);
        }
    });
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        if (QAbstractButton* b = group_->button(index)) b->setChecked(true);
    });
    sync();
}

void MultiRowTabs::sync() {
    for (int i = static_cast<int>(buttons_.size()); i < tabs_->count(); ++i) {
        auto* b = new QToolButton(this);
        b->setObjectName(QStringLiteral("tab_%1").arg(i));
        b->setCheckable(true);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::TabFocus);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setStyleSheet(QStringLiteral(
            "QToolButton { padding: 3px 8px; border: 1px solid transparent; border-radius: 3px; }"
            " QToolButton:hover { border-color: #9aa8bd; }"
            " QToolButton:checked { background: #cfdcf0; border-color: #5a6f91; }"));
        group_->addButton(b, i);
        buttons_.append(b);
    }
    for (int i = 0; i < buttons_.size(); ++i) {
        QToolButton* b = buttons_[i];
        if (i >= tabs_->count()) {
            b->hide();
            continue;
        }
        b->setText(tabs_->tabText(i).replace(QLatin1Char('&'), QLatin1String("&&")));
        b->setVisible(tabs_->isTabVisible(i));
        b->setChecked(i == tabs_->currentIndex());
    }
    setFixedHeight(layoutButtons(std::max(width(), 900), true));
}

QToolButton* MultiRowTabs::button(int index) const {
    return index >= 0 && index < buttons_.size() ? buttons_[index] : nullptr;
}

int MultiRowTabs::layoutButtons(int width, bool apply) const {
    int x = kMargin, y = kMargin, rowHeight = 0;
    for (QToolButton* b : buttons_) {
        if (b->isHidden()) continue;
        const QSize s = b->sizeHint();
        if (x > kMargin && x + s.width() > width - kMargin) {
            x = kMargin;
            y += rowHeight + kSpacing;
            rowHeight = 0;
        }
        if (apply) b->setGeometry(QRect(QPoint(x, y), s));
        x += s.width() + kSpacing;
        rowHeight = std::max(rowHeight, s.height());
    }
    return y + rowHeight + kMargin;
}

QSize MultiRowTabs::sizeHint() const { return QSize(900, layoutButtons(std::max(width(), kMinWidth), false)); }
QSize MultiRowTabs::minimumSizeHint() const { return QSize(kMinWidth, layoutButtons(std::max(width(), kMinWidth), false)); }

void MultiRowTabs::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    const int h = layoutButtons(std::max(e->size().width(), kMinWidth), true);
    if (h != height()) setFixedHeight(h);
}

}  // namespace verdika::ui
