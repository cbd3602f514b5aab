#pragma once
// The program's widget style: the platform's own, with one change to Fusion
// (the usual style on Linux desktops) that keeps image plugins out of the
// start-up (see app_style.cpp).
namespace verdika::ui {

// Call once after the QApplication is made, before the first window.
void installAppStyle();

}  // namespace verdika::ui
