#pragma once
class QWidget;

namespace verdika::ui {
// A note on a page whose calculator is not built yet.
void fillPlaceholder(QWidget* page);
}  // namespace verdika::ui
