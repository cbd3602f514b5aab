#include "common/ui/zero_select.h"

#include <QAbstractSpinBox>
#include <QEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

#include "common/numbers.h"
#include "common/ui/qt_convert.h"

namespace verdika::ui {

namespace {

bool holdsZero(const QString& text) {
    const auto v = tryParseDecimal(ss(text));
    return v && *v == 0;
}

class ZeroSelector : public QObject {
public:
    explicit ZeroSelector(QLineEdit* edit) : QObject(edit), edit_(edit) {}

    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::FocusIn) {
            // After the event: a click places the cursor once the focus has come.
            QPointer<QWidget> target = static_cast<QWidget*>(watched);
            QPointer<QLineEdit> edit = edit_;
            QTimer::singleShot(0, edit_, [target, edit] {
                if (target && edit && target->hasFocus() && !edit->isReadOnly() && holdsZero(edit->text()))
                    edit->selectAll();
            });
        }
        return false;
    }

private:
    QLineEdit* edit_;
};

}  // namespace

void selectZeroOnFocus(QLineEdit* edit) {
    auto* selector = new ZeroSelector(edit);
    edit->installEventFilter(selector);
    // A spin box takes the focus itself and passes it on to its edit.
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(edit->parentWidget())) spin->installEventFilter(selector);
}

}  // namespace verdika::ui
