#pragma once
// Qt Network lives in a module of its own (libverdika-network.so), loaded on
// the first download: a start that downloads nothing maps neither Qt Network
// nor the Kerberos and proxy libraries it brings. The program and the module
// share this header; the module exports verdika_network_module().
#include <QByteArray>
#include <QString>
#include <functional>

class QObject;
class QWidget;

namespace verdika::ui {

struct NetworkModule {
    // Raised whenever the table changes, so a stale module is refused.
    static constexpr int kVersion = 1;
    int version = kVersion;
    // GET the address; true with the body, or false with a Czech error. With
    // a parent, a progress dialog with "Storno" shows after a moment.
    bool (*fetchUrl)(const QString& url, int timeoutMs, QWidget* progressParent, QByteArray* body,
                     QString* error) = nullptr;
    // GET in the background of the event loop; done gets the body, or null
    // when the transfer failed. Nothing is called once owner is gone.
    void (*fetchInBackground)(const QString& url, int timeoutMs, QObject* owner,
                              std::function<void(const QByteArray* body)> done) = nullptr;
};

// The module, loaded on the first call from the program's folder or
// ../lib/verdika beside it; null with a Czech error when it cannot be loaded.
const NetworkModule* networkModule(QString* error);

}  // namespace verdika::ui

extern "C" {
using VerdikaNetworkModuleEntry = const verdika::ui::NetworkModule* (*)();
}
