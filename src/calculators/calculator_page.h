#pragma once
#include <QString>
#include <QWidget>

namespace verdika::ui {

class PageHost;

// The page "Kalkulačka": the pocket calculator with its kept-results list.
class CalculatorPage : public QWidget {
    Q_OBJECT
public:
    explicit CalculatorPage(PageHost& host, QWidget* parent = nullptr);
    // Adds a result of another page to the kept-results list.
    void addResult(double value, const QString& description);

private:
    PageHost& host_;
};

}  // namespace verdika::ui
