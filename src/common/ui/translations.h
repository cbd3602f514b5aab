#pragma once
// Qt's own Czech translations, so the standard buttons and dialogs of the
// toolkit (message boxes, file, print and find dialogs) read "Zavřít",
// "Ano", "Ne", "Storno" like the rest of the program.
class QCoreApplication;

namespace verdika::ui {

// Installs the Czech translation of Qt's base module; false when it is not
// available (the buttons then stay in English, nothing else changes).
bool installQtTranslations(QCoreApplication& app);

}  // namespace verdika::ui
