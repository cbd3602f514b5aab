#include "app/ui/startup_problems.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "app/data_module.h"
#include "common/ui/messages.h"
#include "common/ui/qt_convert.h"

namespace verdika::ui {

StartedWindow startMainWindow(DataModule& data, const MainWindowOptions& options, int startPage, bool settle) {
    StartedWindow started;
    started.problems = data.startupReport().messages();
    MessageCollector collected;
    started.window = std::make_unique<MainWindow>(data, options);
    if (startPage >= 0) started.window->showPage(startPage);
    started.window->show();
    if (settle) QApplication::processEvents();
    for (const QString& m : collected.messages()) started.problems.push_back(m.toStdString());
    return started;
}

QString startupProblemsText(const std::vector<std::string>& problems) {
    if (problems.empty()) return {};
    QString text = problems.size() == 1 ? QStringLiteral("Při spuštění programu se objevil problém:")
                                        : QStringLiteral("Při spuštění programu se objevily tyto problémy:");
    for (const std::string& p : problems) text += QStringLiteral("\n\n") + qs(p);
    return text;
}

void showStartupProblemsLater(MainWindow& window, const std::vector<std::string>& problems) {
    if (problems.empty()) return;
    const QString text = startupProblemsText(problems);
    QTimer::singleShot(0, &window, [&window, text] { showWarning(&window, text); });
}

int printStartupProblems(const std::vector<std::string>& problems) {
    for (const std::string& p : problems) std::fprintf(stderr, "%s\n", p.c_str());
    return problems.empty() ? 0 : 1;
}

}  // namespace verdika::ui
