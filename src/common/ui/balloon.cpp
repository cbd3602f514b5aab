#include "common/ui/balloon.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace verdika::ui {
namespace {

// The popup itself; made the first time it is needed, since a page has
// many information buttons and most balloons are never shown.
class BalloonPopup : public QFrame {
public:
    explicit BalloonPopup(QWidget* control) : QFrame(control, Qt::ToolTip | Qt::FramelessWindowHint) {
        setObjectName(QStringLiteral("balloon"));
        setFrameShape(QFrame::Box);
        auto* outer = new QHBoxLayout(this);
        outer->setContentsMargins(8, 6, 8, 6);
        icon_ = new QLabel(this);
        outer->addWidget(icon_, 0, Qt::AlignTop);
        auto* col = new QVBoxLayout;
        title_ = new QLabel(this);
        QFont f = title_->font();
        f.setBold(true);
        title_->setFont(f);
        text_ = new QLabel(this);
        text_->setWordWrap(true);
        text_->setMaximumWidth(420);
        col->addWidget(title_);
        col->addWidget(text_);
        outer->addLayout(col);
    }

    void set(int icon, const QString& title, const QColor& fg, const QColor& bg, const QString& text) {
        static const QStyle::StandardPixmap kIcons[] = {QStyle::SP_CustomBase, QStyle::SP_MessageBoxInformation,
                                                        QStyle::SP_MessageBoxWarning, QStyle::SP_MessageBoxCritical};
        const int i = ((icon % 4) + 4) % 4;
        if (i == 0) {
            icon_->hide();
        } else {
            icon_->setPixmap(style()->standardIcon(kIcons[i]).pixmap(16, 16));
            icon_->show();
        }
        title_->setText(title);
        title_->setVisible(!title.isEmpty());
        text_->setText(text);
        setStyleSheet(QStringLiteral("QFrame#balloon { background-color: %1; border: 1px solid #7a8ca8; }"
                                     " QLabel { color: %2; background: transparent; }")
                          .arg(bg.name(), fg.name()));
    }

private:
    QLabel* icon_;
    QLabel* title_;
    QLabel* text_;
};

// What a control's balloon shows, and when: after the mouse has rested on
// the control for a moment, centred under it; gone when the mouse leaves.
class Balloon : public QObject {
public:
    explicit Balloon(QWidget* control) : QObject(control), control_(control) {
        setObjectName(QStringLiteral("balloon_hint"));
        timer_.setSingleShot(true);
        timer_.setInterval(400);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] { popUp(); });
        control->installEventFilter(this);
    }

    void set(int icon, const QString& title, const QColor& fg, const QColor& bg, const QString& text) {
        icon_ = icon;
        title_ = title;
        fg_ = fg;
        bg_ = bg;
        text_ = text;
        if (popup_) popup_->set(icon_, title_, fg_, bg_, text_);
    }

    QWidget* popup() {
        if (!popup_ && control_) {
            popup_ = new BalloonPopup(control_);
            popup_->set(icon_, title_, fg_, bg_, text_);
        }
        return popup_;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (watched == control_) {
            if (e->type() == QEvent::Enter) timer_.start();
            else if (e->type() == QEvent::Leave || e->type() == QEvent::MouseButtonPress || e->type() == QEvent::Hide) {
                timer_.stop();
                if (popup_) popup_->hide();
            }
        }
        return false;
    }

private:
    void popUp() {
        if (!control_ || !control_->isVisible()) return;
        QWidget* p = popup();
        p->adjustSize();
        QPoint below = control_->mapToGlobal(QPoint(control_->width() / 2, control_->height()));
        QPoint pos(below.x() - p->width() / 2, below.y() + 2);
        if (QScreen* s = control_->screen()) {
            QRect r = s->availableGeometry();
            pos.setX(std::clamp(pos.x(), r.left(), std::max(r.left(), r.right() - p->width())));
            if (pos.y() + p->height() > r.bottom()) pos.setY(control_->mapToGlobal(QPoint(0, 0)).y() - p->height() - 2);
        }
        p->move(pos);
        p->show();
    }

    QPointer<QWidget> control_;
    QPointer<BalloonPopup> popup_;
    int icon_ = 0;
    QString title_, text_;
    QColor fg_, bg_;
    QTimer timer_;
};

Balloon* hintOf(QWidget* control) {
    if (!control) return nullptr;
    for (QObject* child : control->children())
        if (child->objectName() == QLatin1String("balloon_hint")) return static_cast<Balloon*>(child);
    return nullptr;
}

}  // namespace

void Bublinova_Napoveda(QWidget* control, int icon, const QString& title, const QColor& textColour,
                        const QColor& background, const QString& text) {
    if (!control) return;
    Balloon* b = hintOf(control);
    if (!b) b = new Balloon(control);
    b->set(icon, title, textColour, background, text);
}

void infoBalloon(QWidget* control, const QString& title, const QString& text) {
    Bublinova_Napoveda(control, 1, title, Qt::black, QColor(217, 234, 255), text);
}

QWidget* balloonOf(QWidget* control) {
    Balloon* b = hintOf(control);
    return b ? b->popup() : nullptr;
}

}  // namespace verdika::ui
