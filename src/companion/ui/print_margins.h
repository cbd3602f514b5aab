#pragma once
// Print margins of the rich-text boxes: Okraje_Richedit remembers them for
// the box's next print (in inches, the same on every side as the pages ask),
// printRichText prints the box with them.
#include <QMarginsF>

class QPrinter;
class QTextEdit;

namespace verdika::ui {

void Okraje_Richedit(QTextEdit* box, double left, double top, double right, double bottom);
QMarginsF printMarginsOf(const QTextEdit* box);  // inches; 1.0 each when never set
void printRichText(QTextEdit* box, QPrinter& printer);

}  // namespace verdika::ui
