#pragma once
#include <QWidget>

namespace verdika::ui {

class PageHost;

// The page "Správní poplatky".
class AdminFeesPage : public QWidget {
    Q_OBJECT
public:
    explicit AdminFeesPage(PageHost& host, QWidget* parent = nullptr);

private:
    PageHost& host_;
};

}  // namespace verdika::ui
