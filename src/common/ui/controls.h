#pragma once
// The control kit: every page builds its buttons, captions and grids with
// these, so a control looks and behaves the same on every page. The kit's
// widget classes have headers of their own:
//   NumberField  (number_field.h)  a decimal field with thousands dots
//   UpDownField  (up_down_field.h) a whole number with up and down arrows
//   RadioGroup   (radio_group.h)   radio buttons read by position
//   ResultField  (result_field.h)  a computed amount with its copy buttons
// and the balloon of the information buttons is balloon.h.
#include <QIcon>
#include <QString>
#include <QStringList>
#include <QStyle>

class QAbstractButton;
class QLabel;
class QPushButton;
class QTableWidget;
class QToolButton;
class QWidget;

namespace verdika::ui {

QPushButton* pushButton(const QString& objectName, const QString& caption, QWidget* parent);
// Keeps a button at least as wide as its caption and a margin of an "M" on
// each side: at its bare size hint a long caption reaches the frame and
// reads as cut off.
void roomyCaption(QAbstractButton* button);
// A small button with a caption (or an icon set later) and a tooltip.
QToolButton* toolButton(const QString& objectName, const QString& caption, const QString& tip, QWidget* parent);

// The flat information button. It takes no focus, so Tab skips it. With a
// title and a text it shows them in its balloon while the mouse rests on it.
QToolButton* infoButton(const QString& objectName, QWidget* parent);
QToolButton* infoButton(const QString& objectName, const QString& title, const QString& text, QWidget* parent);

// A caption; its buddy takes the focus of the caption's Alt shortcut.
QLabel* buddyLabel(const QString& text, QWidget* buddy, QWidget* parent);
QLabel* boldLabel(const QString& objectName, const QString& text, QWidget* parent);

// A string grid that shows lines: captions in the header, no row numbers,
// rows of 20 px, not edited in place, one whole row chosen at a time. Pages
// set the column widths and, for an editable grid, the edit triggers.
QTableWidget* dataGrid(const QString& objectName, const QStringList& captions, QWidget* parent, int rows = 1);

void copyToClipboard(const QString& text);

// A standard icon of the style, read the first time it is drawn: reading the
// style's images costs more than a page's whole layout, and most buttons sit
// on sub-pages that are never opened.
QIcon styleIcon(QStyle::StandardPixmap which);

}  // namespace verdika::ui
