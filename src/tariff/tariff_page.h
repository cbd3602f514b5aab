#pragma once
#include <QWidget>

namespace verdika::ui {

class PageHost;

// The page "Advokátní tarif".
class TariffPage : public QWidget {
    Q_OBJECT
public:
    explicit TariffPage(PageHost& host, QWidget* parent = nullptr);

private:
    PageHost& host_;
};

}  // namespace verdika::ui
