#pragma once
#include <QWidget>

namespace verdika::ui {

class PageHost;

// The page "Cestovné".
class TravelPage : public QWidget {
    Q_OBJECT
public:
    explicit TravelPage(PageHost& host, QWidget* parent = nullptr);

private:
    PageHost& host_;
};

}  // namespace verdika::ui
