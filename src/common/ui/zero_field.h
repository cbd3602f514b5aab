#pragma once
// A field that holds a zero ("0", "0,00") selects its whole text when it gets
// the focus, by mouse, key or program, so typing replaces the zero instead of
// writing behind it ("012345").
#include <QString>

class QLineEdit;

namespace verdika::ui {

void selectZeroOnFocus(QLineEdit* edit);

// True for a text that is a zero in any of the forms the pages show.
bool isZeroText(const QString& text);

}  // namespace verdika::ui
