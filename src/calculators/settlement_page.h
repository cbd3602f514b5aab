#pragma once
#include <QWidget>

namespace verdika::ui {

class PageHost;

// The page "Vypořádání manželů".
class SettlementPage : public QWidget {
    Q_OBJECT
public:
    explicit SettlementPage(PageHost& host, QWidget* parent = nullptr);

private:
    PageHost& host_;
};

}  // namespace verdika::ui
