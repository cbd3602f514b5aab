#pragma once
// Handing files and addresses to the desktop (viewer, spreadsheet program,
// browser) and the standard file and print dialogs. Each goes through a
// replaceable handler, so tests run without a person and without starting
// other programs.
#include <QString>
#include <functional>

class QPrinter;
class QWidget;

namespace verdika::ui {

// Opens a file with its associated program, or a web address in the browser.
void openWithDesktop(const QString& filePath);
void openAddress(const QString& url);
// Tests: receives every path/address instead of the desktop.
void setDesktopHandler(std::function<void(const QString& target)> handler);

struct FileDialogRequest {
    bool save = false;
    QString title;
    QString directory;
    QString filter;         // "Soubor RTF (*.rtf);;Soubor TXT (*.txt)"
    QString defaultSuffix;  // without the dot
};
// The chosen file, or empty when the user cancelled.
QString askFileName(QWidget* parent, const FileDialogRequest& request);
// Tests: answers every file dialog (return empty to cancel).
void setFileDialogHandler(std::function<QString(const FileDialogRequest&)> handler);

// The print dialog; false when cancelled. Tests: the handler decides and may
// set the printer up (for instance to print into a PDF file).
bool askPrinter(QWidget* parent, QPrinter& printer);
void setPrintDialogHandler(std::function<bool(QPrinter&)> handler);

}  // namespace verdika::ui
