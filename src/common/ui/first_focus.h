#pragma once
// The input a page starts in. Pages are made when first shown, so the page
// gives the keyboard focus to its first input the first time it appears; a
// user opening a page can type at once. Its text is selected, as Tab would
// select it, so typing replaces a preset value ("0,00") instead of writing
// behind it. A page that set the focus itself before it was first shown
// keeps that focus.
class QWidget;

namespace verdika::ui {

void focusWhenFirstShown(QWidget* page, QWidget* input);
// The window's rule for a page that names no first input: when the page is
// first shown and has not chosen a focus itself by the time its showing is
// done, its first input (firstInputOf) gets the focus.
void focusFirstInputWhenFirstShown(QWidget* page);
// True when the page named its first input with focusWhenFirstShown.
bool hasFirstInput(const QWidget* page);
// The first input of a page in Tab order that the user can type into or
// choose in (an edit, a spin box, a drop-down, a list), shown on the page's
// current sub-page; nullptr when it has none. The window's rule for pages
// that name none.
QWidget* firstInputOf(QWidget* page);

}  // namespace verdika::ui
