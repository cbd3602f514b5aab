#include "common/ui/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace verdika::ui {
namespace {

// Qt's catalogue says "Zrušit" for Cancel; Czech Windows dialogs, which our
// users know, say "Storno". Installed after Qt's catalogue, so it is asked first.
class ButtonWording : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* disambiguation = nullptr,
                      int n = -1) const override {
        const QByteArray c(context), s(source);
        if (c == "QPlatformTheme" || c == "QGnomeTheme") {
            if (s == "Cancel") return QStringLiteral("Storno");
            if (s == "&Cancel") return QStringLiteral("&Storno");
        }
        return QTranslator::translate(context, source, disambiguation, n);
    }
};

}  // namespace

bool installQtTranslations(QCoreApplication& app) {
    auto* qtbase = new QTranslator(&app);
    const QLocale czech(QLocale::Czech, QLocale::CzechRepublic);
    // Qt's own folder first; a packaged program may carry the file beside the executable.
    const QStringList folders = {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                                 QCoreApplication::applicationDirPath() + QStringLiteral("/translations")};
    bool loaded = false;
    for (const QString& folder : folders) {
        loaded = qtbase->load(czech, QStringLiteral("qtbase"), QStringLiteral("_"), folder);
        if (loaded) break;
    }
    if (!loaded) {
        delete qtbase;
        return false;
    }
    QCoreApplication::installTranslator(qtbase);
    QCoreApplication::installTranslator(new ButtonWording(&app));
    return true;
}

}  // namespace verdika::ui
