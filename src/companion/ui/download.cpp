#include "companion/ui/download.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QProgressDialog>
#include <QTimer>

#include "common/errors.h"
#include "common/files.h"
#include "common/ui/qt_convert.h"

namespace verdika::ui {
namespace {
// Far above any law text or release file; a larger answer is not one of ours.
constexpr qint64 kMaxDownloadBytes = 64 * 1024 * 1024;
}  // namespace

std::optional<QByteArray> fetchUrl(const QString& url, int timeoutMs, QWidget* progressParent, QString* error) {
    const QUrl address(url);
    if (!address.isValid() || address.scheme().isEmpty()) {
        if (error) *error = QStringLiteral("Neplatná adresa: %1").arg(url);
        return std::nullopt;
    }
    QNetworkAccessManager manager;
    QNetworkRequest request(address);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(timeoutMs);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Verdika"));
    QNetworkReply* reply = manager.get(request);

    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    bool timedOut = false;
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    bool tooLarge = false;
    QObject::connect(reply, &QNetworkReply::downloadProgress, &loop, [&](qint64 got, qint64) {
        if (got > kMaxDownloadBytes && !tooLarge) {
            tooLarge = true;
            reply->abort();
        }
    });

    std::unique_ptr<QProgressDialog> progress;
    bool cancelled = false;
    if (progressParent) {
        progress = std::make_unique<QProgressDialog>(QStringLiteral("Stahuji %1 …").arg(address.fileName()),
                                                     QStringLiteral("Storno"), 0, 0, progressParent);
        progress->setWindowTitle(QStringLiteral("Stahování"));
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(500);
        QObject::connect(progress.get(), &QProgressDialog::canceled, &loop, [&] {
            cancelled = true;
            reply->abort();
        });
        QObject::connect(reply, &QNetworkReply::downloadProgress, progress.get(), [&](qint64 got, qint64 total) {
            if (total > 0) {
                progress->setMaximum(100);
                progress->setValue(static_cast<int>(got * 100 / total));
            }
        });
    }
    deadline.start(timeoutMs);
    if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
    deadline.stop();

    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    std::optional<QByteArray> body;
    if (reply->error() == QNetworkReply::NoError && (status == 0 || (status >= 200 && status < 300))) {
        body = reply->readAll();
    } else if (error) {
        if (cancelled) *error = QStringLiteral("Stahování bylo zrušeno.");
        else if (tooLarge) *error = QStringLiteral("Odpověď serveru je příliš velká: %1").arg(url);
        else if (timedOut) *error = QStringLiteral("Server %1 neodpověděl včas.").arg(address.host());
        else if (status >= 400) *error = QStringLiteral("Server odmítl požadavek (HTTP %1): %2").arg(status).arg(url);
        else *error = QStringLiteral("Stahování se nezdařilo: %1").arg(reply->errorString());
    }
    reply->deleteLater();
    return body;
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
