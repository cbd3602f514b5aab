#pragma once
#include <QWidget>

namespace verdika::ui {

class PageHost;

// The page "Adresy institucí".
class InstitutionsPage : public QWidget {
    Q_OBJECT
public:
    explicit InstitutionsPage(PageHost& host, QWidget* parent = nullptr);

private:
    PageHost& host_;
};

}  // namespace verdika::ui
