#include "common/ui/elided_label.h"

#include <QEvent>
#include <QResizeEvent>

namespace verdika::ui {

ElidedLabel::ElidedLabel(const QString& text, QWidget* parent) : QLabel(parent) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    setFullText(text);
}

void ElidedLabel::setFullText(const QString& text) {
    full_ = text;
    advance_ = -1;
    updateGeometry();
    showFitting();
}

int ElidedLabel::textWidth() const {
    // A pixel more than the advance: a text exactly as wide as its place may lose its last pixel column.
    const QMargins m = contentsMargins();
    return fullAdvance() + 2 * margin() + m.left() + m.right() + 2;
}

int ElidedLabel::fullAdvance() const {
    // Layouts ask for the size hints again and again; the text is measured once.
    if (advance_ < 0) advance_ = fontMetrics().horizontalAdvance(full_);
    return advance_;
}

QSize ElidedLabel::sizeHint() const {
    return QSize(textWidth(), QLabel::minimumSizeHint().height());
}

QSize ElidedLabel::minimumSizeHint() const {
    // Room for a few letters and the ellipsis.
    return QSize(std::min(textWidth(), fontMetrics().horizontalAdvance(QStringLiteral("Xxxxx…"))),
                 QLabel::minimumSizeHint().height());
}

void ElidedLabel::resizeEvent(QResizeEvent* e) {
    QLabel::resizeEvent(e);
    showFitting();
}

void ElidedLabel::changeEvent(QEvent* e) {
    QLabel::changeEvent(e);
    if (e->type() == QEvent::FontChange) {
        advance_ = -1;
        updateGeometry();
        showFitting();
    }
}

void ElidedLabel::showFitting() {
    const int room = contentsRect().width() - 2 * margin();
    const QString shown = fullAdvance() < room
                              ? full_
                              : fontMetrics().elidedText(full_, Qt::ElideRight, room);
    if (shown != text()) setText(shown);
    setToolTip(shown == full_ ? QString() : full_);
}

}  // namespace verdika::ui
