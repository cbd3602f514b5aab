#pragma once
// Balloon hints of the information buttons: a tooltip-like popup with an
// icon, a bold title and the text, centred under the control while the mouse
// rests over it.
#include <QColor>
#include <QString>

class QWidget;

namespace verdika::ui {

// icon mod 4: 0 none, 1 information, 2 warning, 3 error. Calling it again
// for the same control replaces the text of its balloon.
void Bublinova_Napoveda(QWidget* control, int icon, const QString& title, const QColor& textColour,
                        const QColor& background, const QString& text);

// The information buttons' standard look: icon 1, black on light blue.
void infoBalloon(QWidget* control, const QString& title, const QString& text);

// The popup of a control's balloon (made now if it has not been shown), for
// tests; nullptr when the control has none.
QWidget* balloonOf(QWidget* control);

}  // namespace verdika::ui
