#include "companion/ui/download.h"

#include "common/errors.h"
#include "common/files.h"
#include "common/ui/qt_convert.h"
#include "companion/ui/network_module.h"

namespace verdika::ui {

std::optional<QByteArray> fetchUrl(const QString& url, int timeoutMs, QWidget* progressParent, QString* error) {
    QString problem;
    const NetworkModule* network = networkModule(&problem);
    QByteArray body;
    if (network && network->fetchUrl(url, timeoutMs, progressParent, &body, &problem)) return body;
    if (error) *error = problem;
    return std::nullopt;
}

DownloadResult DownloadFile(const QString& url, const QString& targetPath, QWidget* progressParent, int timeoutMs) {
    DownloadResult r;
    auto body = fetchUrl(url, timeoutMs, progressParent, &r.error);
    if (!body) return r;
    // An empty answer is no text: it must not replace the file the user had.
    if (body->isEmpty()) {
        r.error = QStringLiteral("Server nevrátil žádná data: %1").arg(url);
        return r;
    }
    try {
        writeFileAtomic(fspath(targetPath), std::string_view(body->constData(), static_cast<size_t>(body->size())));
    } catch (const IoError& e) {
        r.error = qs(e.what());
        return r;
    }
    r.ok = true;
    return r;
}

}  // namespace verdika::ui
