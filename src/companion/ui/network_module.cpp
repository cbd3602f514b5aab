#include "companion/ui/network_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace verdika::ui {
namespace {

struct Loaded {
    const NetworkModule* module = nullptr;
    QString error;
};

Loaded load() {
    // The program's folder (build tree, portable copy), ../lib/verdika
    // (installed), ../bin (the build tree's test programs).
    const QDir here(QCoreApplication::applicationDirPath());
    const QString name = QStringLiteral("libverdika-network.so");
    QString lastError;
    for (const QString& dir : {QStringLiteral("."), QStringLiteral("../lib/verdika"), QStringLiteral("../bin")}) {
        const QString path = QDir::cleanPath(here.absoluteFilePath(dir + QLatin1Char('/') + name));
        if (!QFileInfo::exists(path)) continue;
        QLibrary library(path);
        auto entry = reinterpret_cast<VerdikaNetworkModuleEntry>(library.resolve("verdika_network_module"));
        if (!entry) {
            lastError = library.errorString();
            continue;
        }
        const NetworkModule* module = entry();
        if (!module || module->version != NetworkModule::kVersion) {
            lastError = QStringLiteral("%1 patří k jiné verzi programu").arg(path);
            continue;
        }
        return {module, {}};
    }
    if (lastError.isEmpty()) lastError = QStringLiteral("soubor %1 nebyl nalezen u programu").arg(name);
    return {nullptr, QStringLiteral("Síťovou část programu nelze načíst (%1). Program přeinstalujte.").arg(lastError)};
}

}  // namespace

const NetworkModule* networkModule(QString* error) {
    // Loaded once; a module that failed to load is not looked for again.
    static const Loaded loaded = load();
    if (!loaded.module && error) *error = loaded.error;
    return loaded.module;
}

}  // namespace verdika::ui
