#pragma once
// A page host for the fee pages' tests: it records what a page asks of the
// main window (regulation files, results for the calculator).
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

#include "app/ui/page_host.h"

namespace verdika::ui {

class RecordingHost : public PageHost {
public:
    explicit RecordingHost(DataModule& data) : data_(data) {}
    DataModule& data() override { return data_; }
    QWidget* mainWindow() override { return nullptr; }
    bool isShowing() const override { return true; }
    void showPage(int) override {}
    void appendToTxt(const QStringList&, bool) override {}
    void startTaskWithDate(const QDate&) override {}
    void setInterestDueDate(const QDate&) override {}
    void addCalculatorResult(double value, const QString& description) override {
        results.emplace_back(value, description);
    }
    void showRegulation(const QString& filePath) override { regulations << filePath; }

    QStringList regulations;
    std::vector<std::pair<double, QString>> results;

private:
    DataModule& data_;
};

}  // namespace verdika::ui
