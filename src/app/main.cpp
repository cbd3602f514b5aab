// verdika: the desktop program.
//   verdika [portable] [--exit-after-start] [--version]
#include <QApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <QMessageBox>
#include <cstdio>
#include <string>
#include <vector>

#include "app/data_module.h"
#include "app/main_window.h"
#include "common/errors.h"
#include "common/ui/qt_convert.h"

int main(int argc, char* argv[]) {
    std::vector<std::string> args(argv + 1, argv + argc);
    bool exitAfterStart = false;
    for (const auto& a : args) {
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
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));

    std::unique_ptr<verdika::DataModule> data;
    try {
        data = std::make_unique<verdika::DataModule>(verdika::resolvePaths(args));
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
    verdika::ui::MainWindow window(*data, options);
    window.show();
    if (exitAfterStart) {
        QApplication::processEvents();
        return 0;
    }
    return QApplication::exec();
}
