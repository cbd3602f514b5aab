#pragma once
#include <QWidget>

namespace verdika::ui {

class PageHost;

// The page "Insolvenční správce - odměna".
class InsolvencyPage : public QWidget {
    Q_OBJECT
public:
    explicit InsolvencyPage(PageHost& host, QWidget* parent = nullptr);

private:
    PageHost& host_;
};

}  // namespace verdika::ui
