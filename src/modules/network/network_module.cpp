// libverdika-network.so: the program's downloads over Qt Network, loaded on
// the first one (see companion/ui/network_module.h).
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QProgressDialog>
#include <QTimer>
#include <QUrl>
#include <memory>

#include "companion/ui/network_module.h"

namespace verdika::ui {
namespace {
// Far above any law text or release file; a larger answer is not one of ours.
constexpr qint64 kMaxDownloadBytes = 64 * 1024 * 1024;

QNetworkRequest requestFor(const QUrl& address, int timeoutMs) {
    QNetworkRequest request(address);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(timeoutMs);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Verdika"));
    return request;
}

bool succeeded(QNetworkReply* reply, int status) {
    return reply->error() == QNetworkReply::NoError && (status == 0 || (status >= 200 && status < 300));
}

bool fetchUrl(const QString& url, int timeoutMs, QWidget* progressParent, QByteArray* body, QString* error) {
    const QUrl address(url);
    if (!address.isValid() || address.scheme().isEmpty()) {
        if (error) *error = QStringLiteral("Neplatná adresa: %1").arg(url);
        return false;
    }
    QNetworkAccessManager manager;
    QNetworkReply* reply = manager.get(requestFor(address, timeoutMs));

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
    const bool ok = succeeded(reply, status);
    if (ok) {
        if (body) *body = reply->readAll();
    } else if (error) {
        if (cancelled) *error = QStringLiteral("Stahování bylo zrušeno.");
        else if (tooLarge) *error = QStringLiteral("Odpověď serveru je příliš velká: %1").arg(url);
        else if (timedOut) *error = QStringLiteral("Server %1 neodpověděl včas.").arg(address.host());
        else if (status >= 400) *error = QStringLiteral("Server odmítl požadavek (HTTP %1): %2").arg(status).arg(url);
        else *error = QStringLiteral("Stahování se nezdařilo: %1").arg(reply->errorString());
    }
    reply->deleteLater();
    return ok;
}

void fetchInBackground(const QString& url, int timeoutMs, QObject* owner,
                       std::function<void(const QByteArray* body)> done) {
    // The manager belongs to the owner, so closing the window ends the transfer.
    auto* manager = new QNetworkAccessManager(owner);
    QNetworkReply* reply = manager->get(requestFor(QUrl(url), timeoutMs));
    QObject::connect(reply, &QNetworkReply::finished, manager, [manager, reply, done = std::move(done)] {
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        const bool ok = succeeded(reply, status) && status != 0;
        const QByteArray body = ok ? reply->readAll() : QByteArray();
        reply->deleteLater();
        manager->deleteLater();
        if (done) done(ok ? &body : nullptr);
    });
}

const NetworkModule kModule{NetworkModule::kVersion, &fetchUrl, &fetchInBackground};

}  // namespace
}  // namespace verdika::ui

extern "C" Q_DECL_EXPORT const verdika::ui::NetworkModule* verdika_network_module() { return &verdika::ui::kModule; }
