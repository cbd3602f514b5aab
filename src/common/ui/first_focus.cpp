#include "common/ui/first_focus.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
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

constexpr const char* kNamedProperty = "verdikaFirstInput";

bool isInput(const QWidget* w) {
    // The edit inside a spin box or a drop-down: the box itself is the input.
    const QWidget* parent = w->parentWidget();
    if (qobject_cast<const QAbstractSpinBox*>(parent) || qobject_cast<const QComboBox*>(parent)) return false;
    if (auto* e = qobject_cast<const QLineEdit*>(w)) return !e->isReadOnly();
    if (auto* s = qobject_cast<const QAbstractSpinBox*>(w)) return !s->isReadOnly();
    if (auto* t = qobject_cast<const QPlainTextEdit*>(w)) return !t->isReadOnly();
    if (auto* t = qobject_cast<const QTextEdit*>(w)) return !t->isReadOnly();
    return qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractItemView*>(w);
}

}  // namespace

void focusWhenFirstShown(QWidget* page, QWidget* input) {
    page->setProperty(kNamedProperty, true);
    new FocusOnFirstShow(page, input);
}

bool hasFirstInput(const QWidget* page) { return page->property(kNamedProperty).toBool(); }

QWidget* firstInputOf(QWidget* page) {
    for (QWidget* w = page->nextInFocusChain(); w && w != page; w = w->nextInFocusChain()) {
        if (!page->isAncestorOf(w)) continue;
        if ((w->focusPolicy() & Qt::TabFocus) != Qt::TabFocus || !w->isEnabled() || !w->isVisibleTo(page)) continue;
        if (isInput(w)) return w;
    }
    return nullptr;
}

}  // namespace verdika::ui
