#pragma once
#include <QWidget>

namespace verdika::ui {

class PageHost;

// The page "Náklady řízení - zrušeno".
class CostsPage : public QWidget {
    Q_OBJECT
public:
    explicit CostsPage(PageHost& host, QWidget* parent = nullptr);

private:
    PageHost& host_;
};

}  // namespace verdika::ui
