#pragma once
#include <QDate>
#include <QWidget>

namespace verdika::ui {

class PageHost;

// The page "Úroky": late interest.
class InterestPage : public QWidget {
    Q_OBJECT
public:
    explicit InterestPage(PageHost& host, QWidget* parent = nullptr);
    // A due date handed over from the deadline page.
    void setDueDate(const QDate& date);

private:
    PageHost& host_;
};

}  // namespace verdika::ui
