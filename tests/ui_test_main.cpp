// The UI test runner: every *_page_test.cpp (and the other UI test files)
// registers its QtTest class under its file's base name; CTest runs each
// by that name on the offscreen platform.
//   ui_tests [NAME [QTEST-ARGS...]]
#include <QApplication>
#include <QTest>
#include <cstdio>

#include "ui_test_support.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
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
