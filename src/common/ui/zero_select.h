#pragma once
// A number field that holds 0 selects its text when it gets the focus, by
// Tab or by a click, so that typing replaces the zero: clicking into "0" and
// typing 12345 gives "12345", not "012345". Other texts are left as they are,
// so a click still places the cursor in a number being corrected.
#include <QString>

class QLineEdit;

namespace verdika::ui {

// For a spin box pass its edit (UpDownField::edit()).
void selectZeroOnFocus(QLineEdit* edit);

// True for a text that is a zero in any of the forms the pages show.
bool isZeroText(const QString& text);

}  // namespace verdika::ui
