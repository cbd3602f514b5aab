#pragma once
// Support for the QtTest UI tests: registration by file name, the real main
// window on a fresh data directory, and a recorder that answers message boxes.
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "app/data_module.h"
#include "app/main_window.h"
#include "common/ui/deferred_page.h"
#include "common/ui/desktop.h"
#include "common/ui/messages.h"
#include "test_support.h"

namespace verdika::test {

using UiTestFactory = std::function<QObject*()>;
std::map<std::string, UiTestFactory>& uiTests();

struct UiTestRegistration {
    UiTestRegistration(const char* file, UiTestFactory f);
};

// Registers a QtTest class under the base name of the file it is in.
#define VERDIKA_UI_TEST(Class) \
    static const ::verdika::test::UiTestRegistration verdika_ui_test_##Class(__FILE__, [] { return new Class; })

// Records every message box instead of showing it; questions get the queued
// answers (default Yes).
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    QStringList messages;
    std::vector<ui::MessageKind> kinds;
    std::vector<bool> answers;  // consumed front to back by questions
    bool lastContains(const QString& text) const { return !messages.isEmpty() && messages.last().contains(text); }
    bool anyContains(const QString& text) const;
};

// The one way UI tests reach a control by name. Pages are made when first
// shown, so a control not found among the pages made so far is looked for in
// the others, made one by one in tab order, as a user would open them; the
// sub-pages a made page defers (DeferredPage) are made before moving on.
template <typename T>
T* findControl(ui::MainWindow& window, const QString& name) {
    auto look = [&]() -> T* {
        if (T* found = window.findChild<T*>(name)) return found;
        if (ui::DeferredPage::buildAll(&window)) return window.findChild<T*>(name);
        return nullptr;
    };
    if (T* found = look()) return found;
    for (int i = 0; i < ui::kPageCount; ++i) {
        if (window.isPageBuilt(i) || !window.page(i)) continue;
        if (T* found = look()) return found;
    }
    return nullptr;
}

// A fresh data directory with the build's shipped files as the program
// directory, and the main window on it (no start-up messages or network).
struct AppFixture {
    // prepare runs on the empty data directory before start-up; beforeWindow
    // after start-up (databases open), before the main window is built.
    explicit AppFixture(const std::function<void(const fs::path& dataDir)>& prepare = {},
                        ui::MainWindowOptions options = quietOptions(),
                        const std::function<void(DataModule&)>& beforeWindow = {});
    static ui::MainWindowOptions quietOptions();

    TempDir dir;
    std::unique_ptr<DataModule> data;
    std::unique_ptr<ui::MainWindow> window;

    // A control of the main window by name (see findControl).
    template <typename T>
    T* find(const QString& name) const {
        return findControl<T>(*window, name);
    }
    // A page, made now if it has not been shown yet.
    template <typename P>
    P* page(int pageIndex) const {
        return window->pageAs<P>(pageIndex);
    }
};

}  // namespace verdika::test

namespace verdika::test {

// Records what the program hands to the desktop and answers the file and
// print dialogs: a file dialog gets the next queued path (empty = cancel),
// the print dialog prints into printedPdf when it is set, else cancels.
class DesktopRecorder {
public:
    DesktopRecorder();
    ~DesktopRecorder();
    QStringList opened;
    QStringList fileAnswers;
    QList<ui::FileDialogRequest> fileRequests;
    QString printedPdf;
    int printRequests = 0;
};

}  // namespace verdika::test
