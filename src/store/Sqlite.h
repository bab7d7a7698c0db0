#pragma once

#include "store/NullableText.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <initializer_list>
#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace paluksen::store {

// One open SQLite database. The handle never leaves the store module.
class Connection {
public:
    // Opens an existing store for reading and writing; never creates one.
    static Connection openExisting(const QString& path);
    // Opens or creates a database; for the store maker and for tests.
    static Connection openOrCreate(const QString& path);

    ~Connection();
    Connection(Connection&& other) noexcept;
    Connection& operator=(Connection&& other) noexcept;
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Runs one or more statements that return no rows.
    void execute(const QString& sql);
    const QString& path() const { return path_; }
    sqlite3* handle() const { return db_; }

private:
    Connection(sqlite3* db, QString path) : db_(db), path_(std::move(path)) { }
    static Connection open(const QString& path, int flags);
    sqlite3* db_ = nullptr;
    QString path_;
};

// Identifiers as SQL text, each double-quoted (a quote inside doubled) and joined with commas,
// so a name that happens to be a keyword, or holds a quote, still names what it says.
QString quoted(const QStringList& identifiers);

// The user is told the store's path; the engine's words and the statement go to what() only.
[[noreturn]] void throwStoreFailure(sqlite3* db, int resultCode, const QString& path, const QString& sql);

// A prepared statement, finalized when it goes.
class Statement {
public:
    Statement(Connection& connection, QStringView sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void bind(int position, const NullableText& value); // positions count from 1
    bool step();                                        // true while a row is there
    void reset();

    bool isNull(int column) const;
    NullableText value(int column) const;
    QString text(int column) const; // Null reads as empty text

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
    QString path_;
    QString sql_;
    std::vector<std::string> bound_; // the UTF-8 of each bound text, kept until rebound
};

// A forward-only walk over the rows of a query, standing on its first row when made.
class Cursor {
public:
    Cursor(Connection& connection, QStringView sql, std::initializer_list<NullableText> parameters = {});

    bool atEnd() const { return atEnd_; }
    void next();
    // Runs the same query again with other parameters and stands on its first row: preparing a
    // statement costs more than reading a few dozen rows through it.
    void rerun(std::initializer_list<NullableText> parameters);
    NullableText value(int column) const { return statement_.value(column); }
    QString text(int column) const { return statement_.text(column); }

private:
    void start(std::initializer_list<NullableText> parameters);

    Statement statement_;
    bool atEnd_ = false;
};

// Appends rows to one table through one prepared INSERT that is reused for every row.
class Appender {
public:
    Appender(Connection& connection, const QString& table, const QStringList& columns);
    // One value per column given at construction; Null leaves the column unassigned.
    void append(std::initializer_list<NullableText> values);

private:
    Statement statement_;
    int columns_;
};

// Rolls back unless committed, so a failure half-way leaves the store as it was.
class Transaction {
public:
    explicit Transaction(Connection& connection);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Connection& connection_;
    bool open_ = true;
};

} // namespace paluksen::store
