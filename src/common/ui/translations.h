#pragma once
// Qt's own Czech translations, so the standard buttons and dialogs of the
// toolkit (message boxes, file, print, input and progress dialogs, the
// context menu of text fields) read "Zavřít", "Ano", "Ne", "Storno" like the
// rest of the program.
class QCoreApplication;

namespace verdika::ui {

// Installs the Czech translation of Qt's base module; false when it is not
// available (the buttons then stay in English, nothing else changes).
bool installQtTranslations(QCoreApplication& app);

}  // namespace verdika::ui
