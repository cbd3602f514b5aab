#include "costs/ui/side_tabs.h"

#include <QStyleOptionTab>
#include <QStylePainter>

namespace verdika::ui {
namespace {
constexpr int kPadding = 8;
}

SideTabBar::SideTabBar(QWidget* parent) : QTabBar(parent) { setElideMode(Qt::ElideNone); }

int SideTabBar::captionWidth() const {
    // Wide enough for the longest word of any caption, and for a usual caption in two lines.
    const QFontMetrics fm(font());
    int width = fm.horizontalAdvance(QStringLiteral("Sumarizace + TISK")) * 2 / 3;
    for (int i = 0; i < count(); ++i)
        for (const QString& word : tabText(i).split(QLatin1Char(' '), Qt::SkipEmptyParts))
            width = std::max(width, fm.horizontalAdvance(word));
    return width;
}

QSize SideTabBar::tabSizeHint(int index) const {
    const int width = captionWidth();
    const QRect text = fontMetrics().boundingRect(QRect(0, 0, width, 1000), Qt::TextWordWrap, tabText(index));
    return QSize(width + 2 * kPadding, text.height() + 2 * kPadding);
}

void SideTabBar::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    for (int i = 0; i < count(); ++i) {
        QStyleOptionTab opt;
        initStyleOption(&opt, i);
        painter.drawControl(QStyle::CE_TabBarTabShape, opt);
        const bool current = i == currentIndex();
        painter.setPen(opt.palette.color(isTabEnabled(i) ? QPalette::Active : QPalette::Disabled,
                                         current ? QPalette::WindowText : QPalette::ButtonText));
        painter.drawText(tabRect(i).adjusted(kPadding / 2, kPadding / 2, -kPadding / 2, -kPadding / 2),
                         Qt::AlignCenter | Qt::TextWordWrap, tabText(i));
    }
}

SideTabWidget::SideTabWidget(QWidget* parent) : QTabWidget(parent) {
    setTabBar(new SideTabBar(this));
    setTabPosition(QTabWidget::East);
}

}  // namespace verdika::ui
