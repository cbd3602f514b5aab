#pragma once
// A thin RAII layer over SQLite for the program's two small databases.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace verdika {

class Statement;

class Database {
public:
    // Opens an existing database file; throws IoError with the file's name.
    static Database open(const std::filesystem::path& path);
    // Creates a new database file from SQL text, atomically: the file appears
    // only when the whole script ran.
    static void createFromSql(const std::filesystem::path& path, std::string_view sql);
    // A database in memory built from SQL text; `name` stands for it in messages.
    static Database inMemory(std::string_view sql, const std::filesystem::path& name);

    Database(Database&& other) noexcept;
    Database& operator=(Database&& other) noexcept;
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;
    ~Database();

    void exec(std::string_view sql);
    Statement prepare(std::string_view sql);
    std::int64_t lastInsertId() const;
    int changes() const;
    sqlite3* handle() const { return db_; }
    const std::filesystem::path& path() const { return path_; }

private:
    Database(sqlite3* db, std::filesystem::path path) : db_(db), path_(std::move(path)) {}
    [[noreturn]] void fail(std::string_view what) const;

    sqlite3* db_ = nullptr;
    std::filesystem::path path_;
    friend class Statement;
};

class Statement {
public:
    Statement(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement();

    Statement& bind(int index, std::int64_t value);
    Statement& bind(int index, double value);
    Statement& bind(int index, std::string_view value);
    Statement& bindNull(int index);

    bool step();  // true while a row is available
    void reset();

    int columnCount() const;
    std::string columnName(int col) const;
    bool isNull(int col) const;
    std::int64_t getInt(int col) const;
    double getDouble(int col) const;
    std::string getText(int col) const;

private:
    Statement(const Database& db, sqlite3_stmt* stmt) : db_(&db), stmt_(stmt) {}
    const Database* db_;
    sqlite3_stmt* stmt_;
    friend class Database;
};

}  // namespace verdika
