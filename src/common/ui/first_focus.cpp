#include "common/ui/first_focus.h"

#include <QAbstractSpinBox>
#include <QEvent>
#include <QLineEdit>
#include <QPointer>
#include <QWidget>

namespace verdika::ui {

namespace {

class FocusOnFirstShow : public QObject {
public:
    FocusOnFirstShow(QWidget* page, QWidget* input) : QObject(page), input_(input) { page->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Show) {
            // A page that already put the focus somewhere (a task started from
            // another page focuses its title) keeps it.
            auto* page = static_cast<QWidget*>(watched);
            if (input_ && !page->focusWidget()) {
                input_->setFocus(Qt::OtherFocusReason);
                if (auto* edit = qobject_cast<QLineEdit*>(input_)) edit->selectAll();
                else if (auto* spin = qobject_cast<QAbstractSpinBox*>(input_)) spin->selectAll();
            }
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    QPointer<QWidget> input_;
};

}  // namespace

void focusWhenFirstShown(QWidget* page, QWidget* input) { new FocusOnFirstShow(page, input); }

}  // namespace verdika::ui
