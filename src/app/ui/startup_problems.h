#pragma once
// The start-up's problems (a file the release refresh could not copy, a
// damaged table a page reads when it is built, a task database it cannot
// query) are collected while the main window is built and shown together in
// one message once the window is there; with --exit-after-start they are
// printed instead and the program exits with 1, never waiting for a person.
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"

namespace verdika {
class DataModule;
}

namespace verdika::ui {

struct StartedWindow {
    std::unique_ptr<MainWindow> window;
    std::vector<std::string> problems;  // the data module's report first, then the window's
};

// Builds and shows the main window (on page startPage when >= 0) with every
// message collected. settle: also let the events of the first show run
// (for --exit-after-start, which ends right after).
StartedWindow startMainWindow(DataModule& data, const MainWindowOptions& options, int startPage, bool settle);

// "Při spuštění programu …" with one paragraph per problem; empty for none.
QString startupProblemsText(const std::vector<std::string>& problems);

// After the window appears: one warning with every problem (nothing for none).
void showStartupProblemsLater(MainWindow& window, const std::vector<std::string>& problems);

// --exit-after-start: the problems on standard error; the exit code (0 or 1).
int printStartupProblems(const std::vector<std::string>& problems);

}  // namespace verdika::ui
