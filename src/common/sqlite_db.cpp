#include "common/sqlite_db.h"

#include <sqlite3.h>

#include <random>

#include "common/errors.h"
#include "common/files.h"

namespace verdika {

Database Database::open(const std::filesystem::path& path) {
    sqlite3* db = nullptr;
    const std::string p = pathText(path);
    int rc = sqlite3_open_v2(p.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        std::string msg = db ? sqlite3_errmsg(db) : "nedostatek paměti";
        sqlite3_close(db);
        throw IoError("Databázi " + p + " nelze otevřít: " + msg);
    }
    sqlite3_busy_timeout(db, 2000);
    Database d(db, path);
    d.exec("PRAGMA foreign_keys = ON");
    return d;
}

void Database::createFromSql(const std::filesystem::path& path, std::string_view sql) {
    std::random_device rd;
    auto tmp = path;
    tmp += ".tmp" + std::to_string(rd() % 1000000);
    const std::string t = pathText(tmp);
    sqlite3* db = nullptr;
    bool ok = sqlite3_open_v2(t.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) == SQLITE_OK;
    std::string msg;
    if (ok) {
        std::string script(sql);
        char* err = nullptr;
        ok = sqlite3_exec(db, ("BEGIN;" + script + "\n;COMMIT;").c_str(), nullptr, nullptr, &err) == SQLITE_OK;
        if (err) {
            msg = err;
            sqlite3_free(err);
        }
    } else if (db) {
        msg = sqlite3_errmsg(db);
    }
    sqlite3_close(db);
    std::error_code ec;
    if (ok) {
        std::filesystem::rename(tmp, path, ec);
        ok = !ec;
        if (ec) msg = ec.message();
    }
    if (!ok) {
        std::filesystem::remove(tmp, ec);
        throw IoError("Databázi " + pathText(path) + " nelze vytvořit: " + msg);
    }
}

Database Database::inMemory(std::string_view sql, const std::filesystem::path& name) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        throw IoError("Databázi " + pathText(name) + " nelze otevřít: nedostatek paměti");
    }
    Database d(db, name);
    d.exec(sql);
    return d;
}

Database::Database(Database&& other) noexcept : db_(other.db_), path_(std::move(other.path_)) { other.db_ = nullptr; }

Database& Database::operator=(Database&& other) noexcept {
    if (this != &other) {
        sqlite3_close(db_);
        db_ = other.db_;
        path_ = std::move(other.path_);
        other.db_ = nullptr;
    }
    return *this;
}

Database::~Database() { sqlite3_close(db_); }

void Database::fail(std::string_view what) const {
    throw IoError("Chyba databáze " + pathText(path_.filename()) + " (" + std::string(what) + "): " + sqlite3_errmsg(db_));
}

void Database::exec(std::string_view sql) {
    char* err = nullptr;
    std::string s(sql);
    if (sqlite3_exec(db_, s.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
        std::string msg = err ? err : "";
        sqlite3_free(err);
        throw IoError("Chyba databáze " + pathText(path_.filename()) + ": " + msg);
    }
}

Statement Database::prepare(std::string_view sql) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &stmt, nullptr) != SQLITE_OK)
        fail("příprava dotazu");
    return Statement(*this, stmt);
}

std::int64_t Database::lastInsertId() const { return sqlite3_last_insert_rowid(db_); }
int Database::changes() const { return sqlite3_changes(db_); }

Statement::Statement(Statement&& other) noexcept : db_(other.db_), stmt_(other.stmt_) { other.stmt_ = nullptr; }
Statement::~Statement() { sqlite3_finalize(stmt_); }

Statement& Statement::bind(int index, std::int64_t value) {
    if (sqlite3_bind_int64(stmt_, index, value) != SQLITE_OK) db_->fail("parametr dotazu");
    return *this;
}
Statement& Statement::bind(int index, double value) {
    if (sqlite3_bind_double(stmt_, index, value) != SQLITE_OK) db_->fail("parametr dotazu");
    return *this;
}
Statement& Statement::bind(int index, std::string_view value) {
    if (sqlite3_bind_text(stmt_, index, value.data(), static_cast<int>(value.size()), SQLITE_TRANSIENT) != SQLITE_OK)
        db_->fail("parametr dotazu");
    return *this;
}
Statement& Statement::bindNull(int index) {
    if (sqlite3_bind_null(stmt_, index) != SQLITE_OK) db_->fail("parametr dotazu");
    return *this;
}

bool Statement::step() {
    int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    db_->fail("dotaz");
}

void Statement::reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

int Statement::columnCount() const { return sqlite3_column_count(stmt_); }
std::string Statement::columnName(int col) const { return sqlite3_column_name(stmt_, col); }
bool Statement::isNull(int col) const { return sqlite3_column_type(stmt_, col) == SQLITE_NULL; }
std::int64_t Statement::getInt(int col) const { return sqlite3_column_int64(stmt_, col); }
double Statement::getDouble(int col) const { return sqlite3_column_double(stmt_, col); }
std::string Statement::getText(int col) const {
    auto p = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, col));
    return p ? std::string(p, static_cast<size_t>(sqlite3_column_bytes(stmt_, col))) : std::string();
}

}  // namespace verdika
