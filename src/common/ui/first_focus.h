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

}  // namespace verdika::ui
