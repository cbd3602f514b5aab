#pragma once
#include <QWidget>

namespace verdika::ui {

class PageHost;

// The page "Odměna notáře".
class NotaryPage : public QWidget {
    Q_OBJECT
public:
    explicit NotaryPage(PageHost& host, QWidget* parent = nullptr);

private:
    PageHost& host_;
};

}  // namespace verdika::ui
