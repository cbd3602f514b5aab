#include "common/ui/zero_select.h"

#include <QAbstractSpinBox>
#include <QEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace verdika::ui {

namespace {

class ZeroSelector : public QObject {
public:
    explicit ZeroSelector(QLineEdit* edit) : QObject(edit), edit_(edit) {}

    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::FocusIn) {
            // After the event: a click places the cursor once the focus has come.
            QPointer<QWidget> target = static_cast<QWidget*>(watched);
            QPointer<QLineEdit> edit = edit_;
            QTimer::singleShot(0, edit_, [target, edit] {
                if (target && edit && target->hasFocus() && !edit->isReadOnly() && isZeroText(edit->text()))
                    edit->selectAll();
            });
        }
        return false;
    }

private:
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
