#include "common/ui/zero_field.h"

#include <QEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace verdika::ui {
namespace {

class ZeroSelector : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            auto* edit = static_cast<QLineEdit*>(watched);
            if (isZeroText(edit->text())) {
                // After the mouse press that brought the focus, which would place the cursor.
                QPointer<QLineEdit> guard(edit);
                QTimer::singleShot(0, edit, [guard] {
                    if (guard && guard->hasFocus() && isZeroText(guard->text())) guard->selectAll();
                });
            }
        }
        return false;
    }
};

}  // namespace

bool isZeroText(const QString& text) {
    const QString t = text.trimmed();
    bool zero = false;
    for (const QChar c : t) {
        if (c == QLatin1Char('0')) zero = true;
        else if (c != QLatin1Char(',') && c != QLatin1Char('.')) return false;
    }
    return zero;
}

void selectZeroOnFocus(QLineEdit* edit) { edit->installEventFilter(new ZeroSelector(edit)); }

}  // namespace verdika::ui
