#include "deadlines/ui/task_grid.h"

#include <QHeaderView>
#include <QTableWidget>

#include "common/numbers.h"
#include "common/ui/controls.h"
#include "common/ui/qt_convert.h"

namespace verdika::ui {

namespace {

QString dateText(const DateTime& dt) {
    QString t = qs(formatDate(dt.date));
    if (dt.seconds != 0) t += QLatin1Char(' ') + qs(formatTime(dt.seconds));
    return t;
}

QTableWidgetItem* cell(const QString& text, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(align);
    return item;
}

QStringList captions(const QString& days, bool withDone) {
    QStringList c = {QStringLiteral("Datum"), QStringLiteral("Název")};
    if (withDone) c << QStringLiteral("Splněno");
    return c << days;
}

}  // namespace

TaskGrid::TaskGrid(const QString& objectName, const QString& daysCaption, bool withDone, QWidget* parent)
    : grid_(dataGrid(objectName, captions(daysCaption, withDone), parent, 0)), withDone_(withDone) {
    grid_->setTabKeyNavigation(false);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grid_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
}

void TaskGrid::setTasks(std::vector<Task> tasks, std::int64_t keepId) {
    tasks_ = std::move(tasks);
    const QSignalBlocker quiet(grid_);
    grid_->setRowCount(0);
    grid_->setRowCount(static_cast<int>(tasks_.size()));
    int select = tasks_.empty() ? -1 : 0;
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    for (int r = 0; r < grid_->rowCount(); ++r) {
        const Task& t = tasks_[static_cast<size_t>(r)];
        if (t.id == keepId) select = r;
        int col = 0;
        grid_->setItem(r, col++, cell(dateText(t.datum)));
        grid_->setItem(r, col++, cell(qs(t.nazev)));
        if (withDone_) grid_->setItem(r, col++, cell(t.splneno ? QStringLiteral("ANO") : QStringLiteral("NE")));
        grid_->setItem(r, col, cell(qs(Format_Cislo(t.zbyvajici)), right));
    }
    if (select >= 0) grid_->setCurrentCell(select, 0);
}

int TaskGrid::currentRow() const { return grid_->currentRow(); }

const Task* TaskGrid::at(int row) const {
    return row >= 0 && row < static_cast<int>(tasks_.size()) ? &tasks_[static_cast<size_t>(row)] : nullptr;
}

void TaskGrid::selectQuietly(int row) {
    const QSignalBlocker quiet(grid_);
    grid_->setCurrentCell(row, 0);
}

}  // namespace verdika::ui
