#include "common/ui/multi_row_tabs.h"

#include <QButtonGroup>
#include <QPainter>
#include <QResizeEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

namespace verdika::ui {

namespace {
constexpr int kSpacing = 2;
constexpr int kMargin = 2;
constexpr int kMinWidth = 400;

// A tab: its caption in a rounded frame, tinted while chosen. Drawn here
// rather than through a style sheet, which would cost the start-up as much
// as a whole page does.
class TabButton : public QToolButton {
public:
    using QToolButton::QToolButton;

    // Asked for on every layout pass of the strip; measuring twenty captions
    // each time showed in the start-up profile.
    QSize sizeHint() const override {
        if (measuredText_ != text() || !measured_.isValid()) {
            const QSize caption = fontMetrics().size(Qt::TextShowMnemonic, text());
            measured_ = QSize(caption.width() + 2 * 8 + 2, caption.height() + 2 * 3 + 2);
            measuredText_ = text();
        }
        return measured_;
    }

protected:
    void changeEvent(QEvent* e) override {
        if (e->type() == QEvent::FontChange || e->type() == QEvent::StyleChange) measured_ = QSize();
        QToolButton::changeEvent(e);
    }

    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        if (isChecked()) {
            p.setPen(QColor(0x5a, 0x6f, 0x91));
            p.setBrush(QColor(0xcf, 0xdc, 0xf0));
            p.drawRoundedRect(frame, 3, 3);
        } else if (underMouse() || hasFocus()) {
            p.setPen(QColor(0x9a, 0xa8, 0xbd));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(frame, 3, 3);
        }
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        p.drawText(rect(), Qt::AlignCenter | Qt::TextShowMnemonic, text());
    }

private:
    mutable QString measuredText_;
    mutable QSize measured_;
};

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
        auto* b = new TabButton(this);
        b->setObjectName(QStringLiteral("tab_%1").arg(i));
        b->setCheckable(true);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::TabFocus);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
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
