#include "companion/ui/version_check.h"

#include "common/files.h"
#include "common/ui/messages.h"
#include "common/ui/qt_convert.h"
#include "companion/release_stamp.h"
#include "companion/ui/download.h"
#include "companion/ui/network_module.h"

namespace verdika::ui {
namespace {

QString firstLine(const QByteArray& body) {
    std::string text = std::string(body.constData(), static_cast<size_t>(body.size()));
    auto lines = splitLines(text);
    return lines.empty() ? QString() : qs(lines.front());
}

bool newerThanLocal(const QString& remoteFirst, const QString& localStampPath) {
    auto local = stampFirstLine(fspath(localStampPath));
    return announcesNewerRelease(ss(remoteFirst), local ? *local : std::string());
}

}  // namespace

bool ZjistiVerzi(const QString& remoteStampUrl, const QString& localStampPath, const QString& /*downloadPageUrl*/,
                 const QString& /*dataDir*/, bool interactive, bool& newVersion, QWidget* parent, int timeoutMs) {
    newVersion = false;
    try {
        QString error;
        auto body = fetchUrl(remoteStampUrl, timeoutMs, interactive ? parent : nullptr, &error);
        if (!body) {
            if (interactive)
                showWarning(parent, QStringLiteral("Dostupnost nové verze nelze ověřit.\n") + error);
            return false;
        }
        newVersion = newerThanLocal(firstLine(*body), localStampPath);
        if (interactive && !newVersion) showMessage(parent, QStringLiteral("Používáte nejnovější verzi programu."));
        return true;
    } catch (...) {
        newVersion = false;
        return false;
    }
}

void StartupVersionCheck::start(const QString& remoteStampUrl, const QString& localStampPath, int timeoutMs,
                                std::function<void()> onNewer, QObject* owner) {
    // Silent: without the network module there is simply no check.
    const NetworkModule* network = networkModule(nullptr);
    if (!network) return;
    auto* self = new StartupVersionCheck(owner);
    network->fetchInBackground(remoteStampUrl, timeoutMs, self, [self, localStampPath, onNewer](const QByteArray* body) {
        const bool newer = body && newerThanLocal(firstLine(*body), localStampPath);
        self->deleteLater();
        if (newer && onNewer) onNewer();
    });
}

}  // namespace verdika::ui
