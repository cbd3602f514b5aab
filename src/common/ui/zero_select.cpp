#include "common/ui/zero_select.h"

#include <QAbstractSpinBox>
#include <QFocusEvent>
#include <QLineEdit>

namespace verdika::ui {

namespace {

class ZeroSelector : public QObject {
public:
    explicit ZeroSelector(QLineEdit* edit) : QObject(edit), edit_(edit) {}

    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::FocusIn) {
            // A click places the cursor after the focus has come: that case is the release below.
            if (static_cast<QFocusEvent*>(e)->reason() != Qt::MouseFocusReason && holdsZero()) edit_->selectAll();
        } else if (e->type() == QEvent::MouseButtonRelease && watched == edit_) {
            // Also a click into a field that had the focus already (a page's
            // first field); a selection the user dragged stays.
            if (!edit_->hasSelectedText() && holdsZero()) edit_->selectAll();
        }
        return false;
    }

private:
    bool holdsZero() const { return !edit_->isReadOnly() && isZeroText(edit_->text()); }

    QLineEdit* edit_;
};

}  // namespace

bool isZeroText(const QString& text) {
    // Any zero the pages show ("0", "0,00", "0.000,0"); nothing else, not even "0 Kč".
    bool zero = false;
    for (const QChar c : text.trimmed()) {
        if (c == QLatin1Char('0')) zero = true;
        else if (c != QLatin1Char(',') && c != QLatin1Char('.')) return false;
    }
    return zero;
}

void selectZeroOnFocus(QLineEdit* edit) {
    auto* selector = new ZeroSelector(edit);
    edit->installEventFilter(selector);
    // A spin box takes the focus itself and passes it on to its edit.
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(edit->parentWidget())) spin->installEventFilter(selector);
}

}  // namespace verdika::ui
