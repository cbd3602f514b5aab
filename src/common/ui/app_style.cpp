#include "common/ui/app_style.h"

#include <QApplication>
#include <QGroupBox>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>

namespace verdika::ui {
namespace {

// Fusion draws a group box's frame from a PNG in Qt's resources, and reading
// the first PNG through QPixmap makes Qt load every image-format plugin (SVG,
// JPEG, GIF, ICO and Qt SVG itself) to ask whether one of them reads PNG
// better: a tenth of the start-up's CPU time. This draws the same frame - a
// faint line with rounded corners and a darker inner edge around a barely
// tinted inside - with the painter.
class GroupFrameStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element != PE_FrameGroupBox) return QProxyStyle::drawPrimitive(element, option, painter, widget);
        // The frame starts below the title, as Fusion's does; a box without a
        // title and check box needs only the small margin.
        constexpr int kTopMargin = 3;
        const auto* box = qobject_cast<const QGroupBox*>(widget);
        const int top = box && !box->isCheckable() && box->title().isEmpty()
                            ? kTopMargin
                            : std::max(pixelMetric(PM_ExclusiveIndicatorHeight, option, widget),
                                       option->fontMetrics.height()) + kTopMargin;
        // Fusion's picture has a transparent first row and column. Plain
        // rectangles, no antialiasing: the frames cover most of a page, and
        // blending them through paths cost more than the picture did.
        const QRect line = option->rect.adjusted(1, top + 1, 0, 0);
        if (line.width() < 4 || line.height() < 4) return;
        painter->save();
        const QRect inside = line.adjusted(1, 1, -1, -1);
        painter->fillRect(inside, QColor(0, 0, 0, 3));
        const QColor edge(0, 0, 0, 4);  // the darker inner edge
        painter->fillRect(QRect(inside.left(), inside.top(), inside.width(), 1), edge);
        painter->fillRect(QRect(inside.left(), inside.bottom(), inside.width(), 1), edge);
        painter->fillRect(QRect(inside.left(), inside.top() + 1, 1, inside.height() - 2), edge);
        painter->fillRect(QRect(inside.right(), inside.top() + 1, 1, inside.height() - 2), edge);
        const QColor stroke(0x75, 0x75, 0x75, 0x32);
        painter->fillRect(QRect(line.left() + 1, line.top(), line.width() - 2, 1), stroke);
        painter->fillRect(QRect(line.left() + 1, line.bottom(), line.width() - 2, 1), stroke);
        painter->fillRect(QRect(line.left(), line.top() + 1, 1, line.height() - 2), stroke);
        painter->fillRect(QRect(line.right(), line.top() + 1, 1, line.height() - 2), stroke);
        // The rounded corners: a faint outer pixel, a stronger inner one.
        const QColor outer(0x27, 0x27, 0x27, 0x0d), inner(0x5a, 0x5a, 0x5a, 0x1f);
        for (const QPoint& p : {line.topLeft(), line.topRight(), line.bottomLeft(), line.bottomRight()})
            painter->fillRect(QRect(p, QSize(1, 1)), outer);
        for (const QPoint& p : {inside.topLeft(), inside.topRight(), inside.bottomLeft(), inside.bottomRight()})
            painter->fillRect(QRect(p, QSize(1, 1)), inner);
        painter->restore();
    }
};

}  // namespace

void installAppStyle() {
    QStyle* platform = QApplication::style();
    if (platform && platform->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0)
        QApplication::setStyle(new GroupFrameStyle(QStringLiteral("fusion")));
}

}  // namespace verdika::ui
