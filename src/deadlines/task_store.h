#pragma once
// The task list in the database "lhuty.db" (table lhuty) and its three views:
// approaching (open tasks falling due within the warning days), open (not
// done, from about yesterday on, or everything with show-all) and overdue.
// Day differences follow the desktop-database convention the views were
// written for: dates as day numbers with the time as a fraction, differences
// rounded to whole days with halves to even.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "common/dates.h"
#include "common/sqlite_db.h"

namespace verdika {

struct Task {
    std::int64_t id = 0;
    DateTime datum;
    std::string nazev;
    std::string poznamka;
    bool splneno = false;
    double zbyvajici = 0;  // computed by the view; days remaining ("Dny do") or past ("Dnů od")
};

class TaskStore {
public:
    // Opens the database; creates the table when a new, empty file lacks it.
    static TaskStore open(const std::filesystem::path& file);

    std::vector<Task> approaching(const DateTime& now, int daysAhead);
    std::vector<Task> openTasks(const DateTime& now, bool showAll);
    std::vector<Task> overdue(const DateTime& now);
    std::vector<Task> all();
    std::optional<Task> find(std::int64_t id);

    std::int64_t insert(const Task& task);  // returns the new ID
    void update(const Task& task);
    void remove(std::int64_t id);

    Database& database() { return db_; }

private:
    explicit TaskStore(Database db) : db_(std::move(db)) {}
    std::vector<Task> query(const std::string& sql, const DateTime* now, const int* days);

    Database db_;
};

std::string toSqlDateTime(const DateTime& dt);            // "2026-12-10 09:30:00"
std::optional<DateTime> fromSqlDateTime(std::string_view text);

}  // namespace verdika
