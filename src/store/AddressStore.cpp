#include "store/AddressStore.h"
#include "base/Failure.h"

#include <QDir>
#include <sqlite3.h>

namespace paluksen::store {
namespace {

void requireSchema(Connection& connection)
{
    const struct {
        const QString& name;
        const char* type;
        const char* kind; // as the user is told
    } required[] = {{sql::kAddressTable, "table", "表"}, {sql::kGroupTable, "table", "表"}, {sql::kOutputView, "view", "ビュー"}};
    for (const auto& object : required) {
        // Reading the schema is also what tells a file that is no database at all.
        Cursor found(connection, u"SELECT type FROM sqlite_master WHERE name = ?", {object.name});
        if (found.atEnd() || found.text(0) != QLatin1String(object.type))
            throw StoreFailure(SQLITE_ERROR, QStringLiteral("アドレス帳データベースに必要な表がありません。"),
                               QDir::toNativeSeparators(connection.path()) + QStringLiteral("\n%1「%2」がありません。")
                                                       .arg(QString::fromUtf8(object.kind), object.name));
    }
}

} // namespace

Connection openAddressStore(const QString& path)
{
    Connection connection = Connection::openExisting(path);
    requireSchema(connection);
    return connection;
}

void createSchema(Connection& connection, const QString& schemaSql)
{
    connection.execute(schemaSql);
}

} // namespace paluksen::store
