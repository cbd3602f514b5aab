#pragma once
#include <QWidget>

namespace verdika::ui {

class PageHost;

// The page "Srážky ze mzdy".
class WageDeductionPage : public QWidget {
    Q_OBJECT
public:
    explicit WageDeductionPage(PageHost& host, QWidget* parent = nullptr);

private:
    PageHost& host_;
};

}  // namespace verdika::ui
