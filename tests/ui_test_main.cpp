// The UI test runner: every *_page_test.cpp (and the other UI test files)
// registers its QtTest class under its file's base name; CTest runs each
// by that name on the offscreen platform.
//   ui_tests [NAME [QTEST-ARGS...]]
#include <QApplication>
#include <QTest>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "ui_test_support.h"

namespace {

// The offscreen platform's screen, described in a file the platform reads:
// VERDIKA_TEST_SCREEN ("1024x768") or 1280x1024, on which every page's
// window height fits as it is.
std::filesystem::path useOffscreenScreen() {
    int width = 1280, height = 1024;
    const QByteArray wanted = qgetenv("VERDIKA_TEST_SCREEN");
    if (!wanted.isEmpty() && std::sscanf(wanted.constData(), "%dx%d", &width, &height) != 2) {
        std::fprintf(stderr, "VERDIKA_TEST_SCREEN must read WIDTHxHEIGHT, not %s\n", wanted.constData());
        std::exit(2);
    }
    const auto file = std::filesystem::temp_directory_path() /
                      ("verdika-screen-" + std::to_string(QCoreApplication::applicationPid()) + ".json");
    std::ofstream(file) << R"({"windowFrameMargins": true, "screens": [{"name": "Test", "x": 0, "y": 0, "width": )"
                        << width << R"(, "height": )" << height << R"(, "logicalDpi": 96, "logicalBaseDpi": 96}]})";
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + QByteArray::fromStdString(file.string()));
    return file;
}

}  // namespace

int main(int argc, char** argv) {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    std::filesystem::path screenFile;
    if (platform.isEmpty() || platform == "offscreen") screenFile = useOffscreenScreen();
    QApplication app(argc, argv);
    if (std::error_code ignored; !screenFile.empty()) std::filesystem::remove(screenFile, ignored);  // read by now
    QApplication::setApplicationName(QStringLiteral("Verdika"));
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    const auto& tests = verdika::test::uiTests();
    QStringList args = app.arguments();
    QString only;
    if (args.size() > 1 && !args[1].startsWith(QLatin1Char('-'))) {
        only = args[1];
        args.removeAt(1);
        if (!tests.count(only.toStdString())) {
            std::fprintf(stderr, "no UI test named %s\n", qPrintable(only));
            return 2;
        }
    }
    int failures = 0;
    for (const auto& [name, factory] : tests) {
        if (!only.isEmpty() && only.toStdString() != name) continue;
        std::unique_ptr<QObject> test(factory());
        failures += QTest::qExec(test.get(), args);
    }
    return failures == 0 ? 0 : 1;
}
