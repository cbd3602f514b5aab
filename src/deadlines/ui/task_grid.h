#pragma once
// One view of the task list: the tasks and the grid that shows them (date,
// title, for the open view "Splněno", days). Filling the grid or moving its
// cursor from the program says nothing; only the user's moves signal the
// grid's currentCellChanged.
#include <QString>
#include <cstdint>
#include <vector>

#include "deadlines/task_store.h"

class QTableWidget;
class QWidget;

namespace verdika::ui {

class TaskGrid {
public:
    // withDone: the open view's column "Splněno" before the days.
    TaskGrid(const QString& objectName, const QString& daysCaption, bool withDone, QWidget* parent);

    QTableWidget* widget() const { return grid_; }
    // Shows the tasks with the cursor on keepId, else on the first row.
    void setTasks(std::vector<Task> tasks, std::int64_t keepId);
    const std::vector<Task>& tasks() const { return tasks_; }
    int currentRow() const;
    // The task under the cursor (or of a row), nullptr for none.
    const Task* current() const { return at(currentRow()); }
    const Task* at(int row) const;
    void selectQuietly(int row);

private:
    QTableWidget* grid_;
    std::vector<Task> tasks_;
    bool withDone_;
};

}  // namespace verdika::ui
