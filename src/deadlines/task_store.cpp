#include "deadlines/task_store.h"

#include <sqlite3.h>

#include <cmath>
#include <cstdio>

#include "common/errors.h"

namespace verdika {
namespace {

// Rounds to a whole number with halves to even, as the views' rounding did.
void sqlRoundHalfEven(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    sqlite3_result_double(ctx, std::nearbyint(sqlite3_value_double(argv[0])));
}

// d = due date, n = now, both as day numbers; their base cancels out in
// differences, and "round(now - 1)" needs the serial that starts at midnight.
constexpr const char* kColumns =
    "SELECT ID, Datum, Nazev, Poznamka, Splneno, ";
constexpr const char* kSerialDatum = "(julianday(Datum) - 2415018.5)";
constexpr const char* kSerialNow = "(julianday(?1) - 2415018.5)";

std::string diff() { return std::string("(") + kSerialDatum + " - " + kSerialNow + ")"; }

}  // namespace

std::string toSqlDateTime(const DateTime& dt) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02u-%02u %02d:%02d:%02d", yearOf(dt.date), monthOf(dt.date), dayOf(dt.date),
                  dt.seconds / 3600, (dt.seconds / 60) % 60, dt.seconds % 60);
    return buf;
}

std::optional<DateTime> fromSqlDateTime(std::string_view text) {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    std::string t(text);
    int n = std::sscanf(t.c_str(), "%d-%d-%d %d:%d:%d", &y, &mo, &d, &h, &mi, &s);
    if (n < 3) n = std::sscanf(t.c_str(), "%d-%d-%dT%d:%d:%d", &y, &mo, &d, &h, &mi, &s);
    if (n < 3) return std::nullopt;
    std::chrono::year_month_day ymd{std::chrono::year(y), std::chrono::month(static_cast<unsigned>(mo)),
                                    std::chrono::day(static_cast<unsigned>(d))};
    if (!ymd.ok() || h < 0 || h > 23 || mi < 0 || mi > 59 || s < 0 || s > 59) return std::nullopt;
    return DateTime{std::chrono::sys_days(ymd), h * 3600 + mi * 60 + s};
}

TaskStore TaskStore::open(const std::filesystem::path& file) {
    Database db = Database::open(file);
    if (sqlite3_create_function(db.handle(), "vround", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                sqlRoundHalfEven, nullptr, nullptr) != SQLITE_OK)
        throw IoError("Databázi úkolů nelze připravit.");
    // Same definition as the shipped seed, for a database file that lost its table.
    db.exec(
        "CREATE TABLE IF NOT EXISTS lhuty ("
        " ID INTEGER PRIMARY KEY AUTOINCREMENT,"
        " Datum TEXT NOT NULL CHECK (Datum IS strftime('%Y-%m-%d %H:%M:%S', Datum, '+0 days')),"
        " Nazev TEXT CHECK (Nazev IS NULL OR length(Nazev) <= 255),"
        " Poznamka TEXT CHECK (Poznamka IS NULL OR length(Poznamka) <= 255),"
        " Splneno INTEGER NOT NULL DEFAULT 0 CHECK (Splneno IN (0, 1)))");
    return TaskStore(std::move(db));
}

std::vector<Task> TaskStore::query(const std::string& sql, const DateTime* now, const int* days) {
    Statement st = db_.prepare(sql);
    if (now) st.bind(1, toSqlDateTime(*now));
    if (days) st.bind(2, static_cast<std::int64_t>(*days));
    std::vector<Task> out;
    while (st.step()) {
        Task t;
        t.id = st.getInt(0);
        if (auto dt = fromSqlDateTime(st.getText(1))) t.datum = *dt;
        t.nazev = st.getText(2);
        t.poznamka = st.getText(3);
        t.splneno = st.getInt(4) != 0;
        if (st.columnCount() > 5) t.zbyvajici = st.getDouble(5);
        out.push_back(std::move(t));
    }
    return out;
}

std::vector<Task> TaskStore::approaching(const DateTime& now, int daysAhead) {
    const std::string d = diff();
    return query(std::string(kColumns) + "vround(" + d + " + 1) AS zbyvajici FROM lhuty" +
                     " WHERE (vround(" + d + ") < ?2) AND (vround(" + d + ") >= 0) AND (Splneno = 0)" +
                     " ORDER BY Datum DESC",
                 &now, &daysAhead);
}

std::vector<Task> TaskStore::openTasks(const DateTime& now, bool showAll) {
    std::string sql = std::string(kColumns) + "(vround(" + diff() + ") + 1) AS zbyvajici FROM lhuty";
    if (!showAll) sql += std::string(" WHERE (Splneno = 0) AND (") + kSerialDatum + " >= vround(" + kSerialNow + " - 1))";
    sql += " ORDER BY Datum DESC";
    return query(sql, &now, nullptr);
}

std::vector<Task> TaskStore::overdue(const DateTime& now) {
    return query(std::string(kColumns) + "abs(vround(" + diff() + ") + 1) AS zbyvajici FROM lhuty" +
                     " WHERE (Splneno = 0) AND (" + kSerialDatum + " <= vround(" + kSerialNow + " - 1))" +
                     " ORDER BY Datum DESC",
                 &now, nullptr);
}

std::vector<Task> TaskStore::all() {
    return query(std::string(kColumns) + "0 FROM lhuty ORDER BY Datum DESC", nullptr, nullptr);
}

std::optional<Task> TaskStore::find(std::int64_t id) {
    Statement st = db_.prepare("SELECT ID, Datum, Nazev, Poznamka, Splneno FROM lhuty WHERE ID = ?1");
    st.bind(1, id);
    if (!st.step()) return std::nullopt;
    Task t;
    t.id = st.getInt(0);
    if (auto dt = fromSqlDateTime(st.getText(1))) t.datum = *dt;
    t.nazev = st.getText(2);
    t.poznamka = st.getText(3);
    t.splneno = st.getInt(4) != 0;
    return t;
}

std::int64_t TaskStore::insert(const Task& task) {
    Statement st = db_.prepare("INSERT INTO lhuty (Datum, Nazev, Poznamka, Splneno) VALUES (?1, ?2, ?3, ?4)");
    st.bind(1, toSqlDateTime(task.datum)).bind(2, task.nazev).bind(3, task.poznamka);
    st.bind(4, static_cast<std::int64_t>(task.splneno ? 1 : 0));
    st.step();
    return db_.lastInsertId();
}

void TaskStore::update(const Task& task) {
    Statement st = db_.prepare("UPDATE lhuty SET Datum = ?1, Nazev = ?2, Poznamka = ?3, Splneno = ?4 WHERE ID = ?5");
    st.bind(1, toSqlDateTime(task.datum)).bind(2, task.nazev).bind(3, task.poznamka);
    st.bind(4, static_cast<std::int64_t>(task.splneno ? 1 : 0)).bind(5, task.id);
    st.step();
}

void TaskStore::remove(std::int64_t id) {
    Statement st = db_.prepare("DELETE FROM lhuty WHERE ID = ?1");
    st.bind(1, id);
    st.step();
}

}  // namespace verdika
