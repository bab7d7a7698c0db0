#include "store/AddressStore.h"
#include "text/Failure.h"

#include <sqlite3.h>

namespace paluksen::store {

Connection openAddressStore(const QString& path)
{
    Connection connection = Connection::openExisting(path);
    const struct {
        const QString& name;
        const char* type;
    } required[] = {{sql::kAddressTable, "table"}, {sql::kGroupTable, "table"}, {sql::kOutputView, "view"}};
    for (const auto& object : required) {
        // Reading the schema is also what tells a file that is no database at all.
        Cursor found(connection, u"SELECT type FROM sqlite_master WHERE name = ?", {object.name});
        if (found.atEnd() || found.text(0) != QLatin1String(object.type))
            throw StoreFailure(SQLITE_ERROR, QStringLiteral("アドレス帳データベースに必要な表がありません。"),
                               QStringLiteral("no such %1: %2\n%3")
                                   .arg(QLatin1String(object.type), object.name, path));
    }
    return connection;
}

void createSchema(Connection& connection, const QString& schemaSql)
{
    // Text is kept as UTF-16, the form the program holds it in, so reading needs no conversion.
    connection.execute(QStringLiteral("PRAGMA encoding = 'UTF-16le'"));
    connection.execute(schemaSql);
}

} // namespace paluksen::store
