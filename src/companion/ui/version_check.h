#pragma once
// The release check: fetches the remote release stamp and compares its first
// line with the installed stamp of the program directory.
#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace verdika::ui {

// Blocking check. True in newVersion when the remote stamp announces a newer
// release. Interactive: tells the user when the check could not be made or
// no newer release exists. Never throws; returns false when the check could
// not be made.
bool ZjistiVerzi(const QString& remoteStampUrl, const QString& localStampPath, const QString& downloadPageUrl,
                 const QString& dataDir, bool interactive, bool& newVersion, QWidget* parent = nullptr,
                 int timeoutMs = 15000);

// The check at start-up: runs in the background of the event loop with a
// short timeout, silent when offline, and calls onNewer only when a newer
// release exists. Deletes itself when done.
class StartupVersionCheck : public QObject {
    Q_OBJECT
public:
    static void start(const QString& remoteStampUrl, const QString& localStampPath, int timeoutMs,
                      std::function<void()> onNewer, QObject* owner);

private:
    StartupVersionCheck(QObject* owner) : QObject(owner) {}
};

}  // namespace verdika::ui
