#include "common/ui/action.h"

#include <new>

#include "common/errors.h"
#include "common/ui/messages.h"
#include "common/ui/qt_convert.h"

namespace verdika::ui {

bool runAction(QWidget* parent, const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const Error& e) {
        showError(parent, qs(e.what()));
    } catch (const std::bad_alloc&) {
        showError(parent, QStringLiteral("Na tuto operaci nestačí paměť."));
    } catch (const std::exception& e) {
        showError(parent, QStringLiteral("Operaci nelze dokončit: ") + qs(e.what()));
    }
    return false;
}

}  // namespace verdika::ui
