#pragma once
#include <QString>
#include <QWidget>
#include <functional>

#include "calculators/pocket_calculator.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace verdika::ui {

class PageHost;

// The page "Kalkulačka": the pocket calculator with its written trace and
// the kept-results list "Schránkulačka". The calculator itself is the core's
// state machine; the page feeds it keys and shows its state.
class CalculatorPage : public QWidget {
    Q_OBJECT
public:
    explicit CalculatorPage(PageHost& host, QWidget* parent = nullptr);
    // Adds a result of another page to the kept-results list (as a plain
    // number, so it can be recalled and summed; the description is its tip).
    void addResult(double value, const QString& description);

    const calc::PocketCalculator& calculator() const { return calc_; }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    QWidget* buildKeptList();
    QPushButton* key(const char* name, const QString& caption, const std::function<void()>& action);
    // Runs a calculator operation (a failed one shows its message) and shows the state.
    void run(const std::function<void()>& op);
    void refresh();
    void focusDisplay();

    PageHost& host_;
    calc::PocketCalculator calc_;
    QLineEdit* display_;
    QLabel* trace_;
    QListWidget* results_;
    bool refreshing_ = false;
};

}  // namespace verdika::ui
