#pragma once
// Downloads with Qt Network. DownloadFile blocks the window (a progress
// dialog shows the transfer and lets the user cancel) and stores the body in
// the target file only when the whole download succeeded: a failed or
// cancelled download, or an empty answer, leaves the previous file as it was.
#include <QByteArray>
#include <QString>
#include <optional>

class QWidget;

namespace verdika::ui {

struct DownloadResult {
    bool ok = false;
    QString error;  // Czech text when !ok
};

// GET the address; the body or an error. timeoutMs bounds the whole transfer.
// With a parent, a progress dialog is shown after a moment.
std::optional<QByteArray> fetchUrl(const QString& url, int timeoutMs, QWidget* progressParent, QString* error);

DownloadResult DownloadFile(const QString& url, const QString& targetPath, QWidget* progressParent = nullptr,
                            int timeoutMs = 60000);

}  // namespace verdika::ui
