#pragma once
// Every user action of a page runs through runAction: a core error (a number
// or date that does not parse, a broken table, a file that cannot be written)
// stops the action and is shown as a short message; nothing crashes.
#include <functional>

class QWidget;

namespace verdika::ui {

// Returns false when the action stopped on an error (already shown).
bool runAction(QWidget* parent, const std::function<void()>& action);

}  // namespace verdika::ui
