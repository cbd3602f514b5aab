#pragma once
#include <QDate>
#include <QWidget>

namespace verdika::ui {

class PageHost;

// The page "Úkolníček": the task list.
class TaskPage : public QWidget {
    Q_OBJECT
public:
    explicit TaskPage(PageHost& host, QWidget* parent = nullptr);
    // Starts a new task in the open view with the date preset.
    void startTaskWithDate(const QDate& date);

private:
    PageHost& host_;
};

}  // namespace verdika::ui
