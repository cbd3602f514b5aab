#pragma once
#include <QWidget>

namespace verdika::ui {

class PageHost;

// The page "Soudní poplatky".
class CourtFeePage : public QWidget {
    Q_OBJECT
public:
    explicit CourtFeePage(PageHost& host, QWidget* parent = nullptr);

private:
    PageHost& host_;
};

}  // namespace verdika::ui
