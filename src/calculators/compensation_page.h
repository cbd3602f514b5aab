#pragma once
#include <QWidget>

namespace verdika::ui {

class PageHost;

// The page "Zadostiučinění".
class CompensationPage : public QWidget {
    Q_OBJECT
public:
    explicit CompensationPage(PageHost& host, QWidget* parent = nullptr);

private:
    PageHost& host_;
};

}  // namespace verdika::ui
