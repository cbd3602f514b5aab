#include "ui_test_support.h"

#include <filesystem>

namespace verdika::test {

std::map<std::string, UiTestFactory>& uiTests() {
    static std::map<std::string, UiTestFactory> tests;
    return tests;
}

UiTestRegistration::UiTestRegistration(const char* file, UiTestFactory f) {
    uiTests()[std::filesystem::path(file).stem().string()] = std::move(f);
}

MessageRecorder::MessageRecorder() {
    ui::setMessageHandler([this](ui::MessageKind kind, const QString& text) {
        messages << text;
        kinds.push_back(kind);
        if (kind != ui::MessageKind::Question) return true;
        if (answers.empty()) return true;
        bool a = answers.front();
        answers.erase(answers.begin());
        return a;
    });
}

MessageRecorder::~MessageRecorder() { ui::setMessageHandler({}); }

bool MessageRecorder::anyContains(const QString& text) const {
    for (const QString& m : messages)
        if (m.contains(text)) return true;
    return false;
}

ui::MainWindowOptions AppFixture::quietOptions() {
    ui::MainWindowOptions o;
    o.startupMessages = false;
    o.releaseCheck = false;
    return o;
}

AppFixture::AppFixture(const std::function<void(const fs::path&)>& prepare, ui::MainWindowOptions options,
                       const std::function<void(DataModule&)>& beforeWindow) {
    const fs::path dataDir = dir / "data";
    fs::create_directories(dataDir);
    if (prepare) prepare(dataDir);
    data = std::make_unique<DataModule>(AppPaths{shippedDir(), dataDir});
    if (beforeWindow) beforeWindow(*data);
    window = std::make_unique<ui::MainWindow>(*data, options);
}

}  // namespace verdika::test

#include <QPrinter>

namespace verdika::test {

DesktopRecorder::DesktopRecorder() {
    ui::setDesktopHandler([this](const QString& target) { opened << target; });
    ui::setFileDialogHandler([this](const ui::FileDialogRequest& r) {
        fileRequests << r;
        return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
    });
    ui::setPrintDialogHandler([this](QPrinter& printer) {
        ++printRequests;
        if (printedPdf.isEmpty()) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printedPdf);
        return true;
    });
}

DesktopRecorder::~DesktopRecorder() {
    ui::setDesktopHandler({});
    ui::setFileDialogHandler({});
    ui::setPrintDialogHandler({});
}

}  // namespace verdika::test
