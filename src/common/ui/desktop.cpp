#include "common/ui/desktop.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

namespace verdika::ui {
namespace {
std::function<void(const QString&)>& desktopHandler() {
    static std::function<void(const QString&)> h;
    return h;
}
std::function<QString(const FileDialogRequest&)>& fileHandler() {
    static std::function<QString(const FileDialogRequest&)> h;
    return h;
}
std::function<bool(QPrinter&)>& printHandler() {
    static std::function<bool(QPrinter&)> h;
    return h;
}
}  // namespace

void setDesktopHandler(std::function<void(const QString&)> handler) { desktopHandler() = std::move(handler); }
void setFileDialogHandler(std::function<QString(const FileDialogRequest&)> handler) {
    fileHandler() = std::move(handler);
}
void setPrintDialogHandler(std::function<bool(QPrinter&)> handler) { printHandler() = std::move(handler); }

void openWithDesktop(const QString& filePath) {
    if (desktopHandler()) return desktopHandler()(filePath);
    QDesktopServices::openUrl(QUrl::fromLocalFile(filePath));
}

void openAddress(const QString& url) {
    if (desktopHandler()) return desktopHandler()(url);
    QDesktopServices::openUrl(QUrl(url));
}

QString askFileName(QWidget* parent, const FileDialogRequest& r) {
    if (fileHandler()) return fileHandler()(r);
    QFileDialog dialog(parent, r.title, r.directory, r.filter);
    dialog.setAcceptMode(r.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(r.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!r.defaultSuffix.isEmpty()) dialog.setDefaultSuffix(r.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
}

bool askPrinter(QWidget* parent, QPrinter& printer) {
    if (printHandler()) return printHandler()(printer);
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace verdika::ui
