#include "common/ui/first_focus.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTimer>
#include <QPointer>
#include <QWidget>

namespace verdika::ui {

namespace {

void giveFocus(QWidget* page, QWidget* input) {
    // A page that already put the focus somewhere (a task started from
    // another page focuses its title) keeps it.
    if (!input || page->focusWidget()) return;
    input->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(input)) edit->selectAll();
    else if (auto* spin = qobject_cast<QAbstractSpinBox*>(input)) spin->selectAll();
}

class FocusOnFirstShow : public QObject {
public:
    // Without an input: the page's first one, once the page's own showing
    // has had its chance to choose.
    FocusOnFirstShow(QWidget* page, QWidget* input) : QObject(page), input_(input), named_(input != nullptr) {
        page->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Show) {
            auto* page = static_cast<QWidget*>(watched);
            watched->removeEventFilter(this);
            if (named_) {
                giveFocus(page, input_);
                deleteLater();
            } else {
                QTimer::singleShot(0, this, [this, page] {
                    // Another page shown meanwhile: wait for this one's next showing.
                    if (!page->isVisible()) {
                        page->installEventFilter(this);
                        return;
                    }
                    giveFocus(page, firstInputOf(page));
                    deleteLater();
                });
            }
        }
        return false;
    }

private:
    QPointer<QWidget> input_;
    bool named_;
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

void focusFirstInputWhenFirstShown(QWidget* page) { new FocusOnFirstShow(page, nullptr); }

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
