#include "common/ui/clickable_label.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace verdika::ui {

ClickableLabel::ClickableLabel(const QString& objectName, QWidget* parent) : QLabel(parent) {
    setObjectName(objectName);
    setCursor(Qt::PointingHandCursor);
}

void ClickableLabel::setLinkLook() {
    setStyleSheet(QStringLiteral("color: #0645ad; text-decoration: underline;"));
    setTextInteractionFlags(Qt::NoTextInteraction);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* e) {
    // A press dragged off the label and released elsewhere is no click.
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit clicked();
    else QLabel::mouseReleaseEvent(e);
}

void ClickableLabel::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Space) emit clicked();
    else QLabel::keyPressEvent(e);
}

}  // namespace verdika::ui
