#pragma once
#include <QWidget>

namespace verdika::ui {

class PageHost;

// The page "Odměna exekutora".
class ExecutorPage : public QWidget {
    Q_OBJECT
public:
    explicit ExecutorPage(PageHost& host, QWidget* parent = nullptr);

private:
    PageHost& host_;
};

}  // namespace verdika::ui
