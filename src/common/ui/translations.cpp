#include "common/ui/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace verdika::ui {
namespace {

// Qt's catalogue says "Zrušit" for Cancel; Czech Windows dialogs, which our
// users know, say "Storno". The print dialog's duplex and page-range
// controls are newer than the catalogue and would stay English. Installed
// after Qt's catalogue, so it is asked first.
struct Wording {
    const char* context;
    const char* source;
    const char* czech;
};

constexpr Wording kWordings[] = {
    {"QPlatformTheme", "Cancel", "Storno"},
    {"QPlatformTheme", "&Cancel", "&Storno"},
    {"QGnomeTheme", "Cancel", "Storno"},
    {"QGnomeTheme", "&Cancel", "&Storno"},
    {"QProgressDialog", "Cancel", "Storno"},
    {"QPrintSettingsOutput", "Double Sided Printing", "Oboustranný tisk"},
    {"QPrintSettingsOutput", "Off", "Vypnuto"},
    {"QPrintSettingsOutput", "Long side binding", "Vazba na delší straně"},
    {"QPrintSettingsOutput", "Short side binding", "Vazba na kratší straně"},
    {"QPrintSettingsOutput", "Pages", "Strany"},
    {"QPrintSettingsOutput",
     "Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. "
     "E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.",
     "Zadejte strany nebo rozsahy stran oddělené čárkami. Rozsah tvoří dvě čísla spojená spojovníkem, "
     "např. 3,5-7,9 vytiskne strany 3, 5, 6, 7 a 9."},
};

class OurWording : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* disambiguation = nullptr,
                      int n = -1) const override {
        if (context && source)
            for (const Wording& w : kWordings)
                if (qstrcmp(context, w.context) == 0 && qstrcmp(source, w.source) == 0) return QString::fromUtf8(w.czech);
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
    QCoreApplication::installTranslator(new OurWording(&app));
    return true;
}

}  // namespace verdika::ui
