#pragma once
#include <QWidget>

namespace verdika::ui {

class PageHost;

// The page "Lhůty".
class DeadlinePage : public QWidget {
    Q_OBJECT
public:
    explicit DeadlinePage(PageHost& host, QWidget* parent = nullptr);

private:
    PageHost& host_;
};

}  // namespace verdika::ui
