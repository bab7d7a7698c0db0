#include "store/Sqlite.h"
#include "base/Failure.h"
#include "base/SystemError.h"

#include <QDir>
#include <QStringDecoder>
#include <QStringEncoder>
#include <sqlite3.h>

namespace paluksen::store {
namespace {

// Another program may hold the file for a moment; wait for it rather than fail at once.
constexpr int kBusyTimeoutMs = 5000;

QString describe(int primaryCode)
{
    switch (primaryCode) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("アドレス帳データベースは他のプログラムが使用中です。");
    case SQLITE_CANTOPEN:
        return QStringLiteral("アドレス帳データベースを開けませんでした。");
    case SQLITE_NOTADB:
        return QStringLiteral("アドレス帳データベースの形式が正しくありません。");
    case SQLITE_CORRUPT:
        return QStringLiteral("アドレス帳データベースが壊れています。");
    case SQLITE_READONLY:
    case SQLITE_PERM:
        return QStringLiteral("アドレス帳データベースに書き込めません。");
    case SQLITE_FULL:
        return QStringLiteral("ディスクの空き容量が足りません。");
    case SQLITE_IOERR:
        return QStringLiteral("アドレス帳データベースの読み書きに失敗しました。");
    default:
        return QStringLiteral("アドレス帳データベースの操作に失敗しました。");
    }
}

const void* utf16(const QString& text)
{
    return text.utf16();
}

int utf16Bytes(QStringView text)
{
    return static_cast<int>(text.size() * 2);
}

} // namespace

void throwStoreFailure(sqlite3* db, int resultCode, const QString& path, const QString& sql)
{
    const int primary = resultCode & 0xFF;
    QString engineWords = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(resultCode));
    if (!sql.isEmpty())
        engineWords += QStringLiteral("\n") + sql;
    QString detail = QDir::toNativeSeparators(path);
    // "Cannot open" alone leaves the user guessing: the system knows whether the file is missing
    // or refused.
    if (const int system = db ? sqlite3_system_errno(db) : 0; primary == SQLITE_CANTOPEN && system != 0)
        detail += u'\n' + systemErrorText(system);
    throw StoreFailure(primary, describe(primary), detail, engineWords);
}

Connection Connection::open(const QString& path, int flags)
{
    sqlite3* db = nullptr;
    // The program reaches its store from one thread only. SQLite would otherwise take and release
    // the connection's lock around every call, each column read included.
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        Connection failed(db, path); // closes the half-opened handle on the way out
        throwStoreFailure(db, rc, path, {});
    }
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    return Connection(db, path);
}

Connection Connection::openExisting(const QString& path)
{
    return open(path, SQLITE_OPEN_READWRITE);
}

Connection Connection::openOrCreate(const QString& path)
{
    return open(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
}

Connection::~Connection()
{
    if (db_)
        sqlite3_close_v2(db_);
}

Connection::Connection(Connection&& other) noexcept
    : db_(std::exchange(other.db_, nullptr)), path_(std::move(other.path_))
{
}

Connection& Connection::operator=(Connection&& other) noexcept
{
    if (this != &other) {
        if (db_)
            sqlite3_close_v2(db_);
        db_ = std::exchange(other.db_, nullptr);
        path_ = std::move(other.path_);
    }
    return *this;
}

void Connection::execute(const QString& sql)
{
    char* error = nullptr;
    const int rc = sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &error);
    sqlite3_free(error); // the same words are read again from the handle
    if (rc != SQLITE_OK)
        throwStoreFailure(db_, rc, path_, sql);
}

Statement::Statement(Connection& connection, QStringView sql)
    : db_(connection.handle()), path_(connection.path()), sql_(sql.toString())
{
    const int rc = sqlite3_prepare16_v3(db_, utf16(sql_), utf16Bytes(sql_), SQLITE_PREPARE_PERSISTENT, &stmt_, nullptr);
    if (rc != SQLITE_OK)
        throwStoreFailure(db_, rc, path_, sql_);
    bound_.resize(static_cast<std::size_t>(sqlite3_bind_parameter_count(stmt_)));
}

Statement::~Statement()
{
    sqlite3_finalize(stmt_);
}

// The store holds UTF-8 and nothing else: a lone surrogate is written as U+FFFD, and a leading
// U+FEFF is a character like any other (SQLite's UTF-16 interface would take it for a byte-order
// mark). The UTF-8 stays with the statement until the position is bound again, so SQLite need
// not copy it, and the buffer is reused from row to row.
void Statement::bind(int position, const NullableText& value)
{
    int rc;
    // A position the statement lacks gets SQLite's own answer.
    if (!value || position < 1 || position > static_cast<int>(bound_.size())) {
        rc = sqlite3_bind_null(stmt_, position);
    } else {
        std::string& utf8 = bound_[static_cast<std::size_t>(position - 1)];
        QStringEncoder encoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        utf8.resize(static_cast<std::size_t>(encoder.requiredSpace(value->size())));
        utf8.resize(static_cast<std::size_t>(encoder.appendToBuffer(utf8.data(), *value) - utf8.data()));
        rc = sqlite3_bind_text(stmt_, position, utf8.data(), static_cast<int>(utf8.size()), SQLITE_STATIC);
    }
    if (rc != SQLITE_OK)
        throwStoreFailure(db_, rc, path_, sql_);
}

bool Statement::step()
{
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    throwStoreFailure(db_, rc, path_, sql_);
}

void Statement::reset()
{
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

bool Statement::isNull(int column) const
{
    return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

NullableText Statement::value(int column) const
{
    if (isNull(column))
        return std::nullopt;
    return text(column);
}

// Bytes that are not UTF-8 (left by another program) read as U+FFFD; a leading EF BB BF is the
// U+FEFF that was stored, not a mark to drop. QString::fromUtf8 would drop it, but costs half
// what a decoder made for every value does, so only such a value takes the decoder.
QString Statement::text(int column) const
{
    const auto* utf8 = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    if (!utf8)
        return {};
    const int bytes = sqlite3_column_bytes(stmt_, column);
    if (bytes == 0)
        return QStringLiteral("");
    const QByteArrayView value(utf8, bytes);
    if (!value.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(value);
    QStringDecoder decoder(QStringConverter::Utf8,
                           QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(value);
}

Cursor::Cursor(Connection& connection, QStringView sql, std::initializer_list<NullableText> parameters)
    : statement_(connection, sql)
{
    start(parameters);
}

void Cursor::rerun(std::initializer_list<NullableText> parameters)
{
    statement_.reset();
    start(parameters);
}

void Cursor::start(std::initializer_list<NullableText> parameters)
{
    int position = 1;
    for (const NullableText& parameter : parameters)
        statement_.bind(position++, parameter);
    atEnd_ = !statement_.step();
}

void Cursor::next()
{
    if (!atEnd_)
        atEnd_ = !statement_.step();
}

QString quoted(const QStringList& identifiers)
{
    QStringList parts;
    for (QString identifier : identifiers)
        parts << QLatin1Char('"') + identifier.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
    return parts.join(QLatin1Char(','));
}

namespace {
QString insertStatement(const QString& table, const QStringList& columns)
{
    const QStringList marks(columns.size(), QStringLiteral("?"));
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(quoted({table}), quoted(columns), marks.join(QLatin1Char(',')));
}
} // namespace

Appender::Appender(Connection& connection, const QString& table, const QStringList& columns)
    : statement_(connection, insertStatement(table, columns)), columns_(static_cast<int>(columns.size()))
{
}

void Appender::append(std::initializer_list<NullableText> values)
{
    Q_ASSERT(static_cast<int>(values.size()) == columns_);
    int position = 1;
    for (const NullableText& value : values)
        statement_.bind(position++, value);
    statement_.step();
    statement_.reset();
}

Transaction::Transaction(Connection& connection) : connection_(connection)
{
    // Take the write lock now, so a store held by another program fails before anything changes.
    connection_.execute(QStringLiteral("BEGIN IMMEDIATE"));
}

Transaction::~Transaction()
{
    if (open_)
        sqlite3_exec(connection_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::commit()
{
    connection_.execute(QStringLiteral("COMMIT"));
    open_ = false;
}

} // namespace paluksen::store
