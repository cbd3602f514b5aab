// verdika: the desktop program.
//   verdika [portable] [--exit-after-start] [--version] [--page N]
// --page N opens on page N of the tab control (0-based), for screenshots.
#include <QApplication>
#include <QElapsedTimer>
#include <QIcon>
#include <QLocale>
#include <QMessageBox>
#include <QImageReader>
#include <QPixmap>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/data_module.h"
#include "app/main_window.h"
#include "app/ui/startup_problems.h"
#include "common/errors.h"
#include "common/ui/app_style.h"
#include "common/ui/messages.h"
#include "common/ui/qt_convert.h"
#include "common/ui/translations.h"

int main(int argc, char* argv[]) {
    std::vector<std::string> args(argv + 1, argv + argc);
    bool exitAfterStart = false;
    int startPage = -1;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--page" && i + 1 < args.size()) startPage = std::atoi(args[i + 1].c_str());
        if (a == "--version") {
            std::printf("Verdika %s\n", VERDIKA_VERSION);
            return 0;
        }
        if (a == "--exit-after-start") exitAfterStart = true;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Verdika"));
    QApplication::setApplicationDisplayName(QStringLiteral("Verdika"));
    QApplication::setApplicationVersion(QStringLiteral(VERDIKA_VERSION));
    // The desktop entry and the icon share this name; Wayland shells match windows to the entry by it.
    QGuiApplication::setDesktopFileName(QStringLiteral("cz.verdika.Verdika"));
    // Read as PNG without probing: Qt would otherwise load every image-format
    // plugin to ask whether it reads PNG better.
    QImageReader icon(QStringLiteral(":/icons/cz.verdika.Verdika.png"), "png");
    icon.setAutoDetectImageFormat(false);
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(icon.read())));
    verdika::ui::installAppStyle();
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    verdika::ui::installQtTranslations(app);

    std::unique_ptr<verdika::DataModule> data;
    try {
        auto paths = verdika::resolvePaths(args);
        if (!paths.notice.empty()) std::fprintf(stderr, "%s\n", paths.notice.c_str());
        data = std::make_unique<verdika::DataModule>(std::move(paths));
    } catch (const verdika::Error& e) {
        if (exitAfterStart) std::fprintf(stderr, "%s\n", e.what());
        else QMessageBox::critical(nullptr, QStringLiteral("Verdika"),
                                   QStringLiteral("Program nelze spustit.\n") + verdika::ui::qs(e.what()));
        return 1;
    }

    verdika::ui::WheelAsArrowKeys wheel;
    app.installEventFilter(&wheel);

    verdika::ui::MainWindowOptions options;
    if (exitAfterStart) {
        options.startupMessages = false;
        options.releaseCheck = false;
    }
    // Problems found while starting are told once the window is there, never
    // in boxes that would stop the start (or --exit-after-start) on a person.
    auto started = verdika::ui::startMainWindow(*data, options, startPage, exitAfterStart);
    if (exitAfterStart) return verdika::ui::printStartupProblems(started.problems);
    verdika::ui::MainWindow& window = *started.window;
    if (const auto& notice = data->paths().notice; !notice.empty())
        QTimer::singleShot(0, &window, [&window, notice] { verdika::ui::showMessage(&window, verdika::ui::qs(notice)); });
    verdika::ui::showStartupProblemsLater(window, started.problems);
    return QApplication::exec();
}
