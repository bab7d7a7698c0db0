#include "StoreContent.h"
#include "store/AddressStore.h"

#include <QCryptographicHash>
#include <QtEndian>

namespace paluksen::test {
namespace {

const QStringList kAddressColumns = {u"名前"_qs, u"アドレス"_qs, u"会社名"_qs, u"部署名"_qs, u"役職"_qs};
const QStringList kMembershipColumns = {u"グループ"_qs, u"名前"_qs, u"アドレス"_qs};

// Each value carries a marker and its length, so that no two different row lists can hash
// alike by shifting text from one value into the next.
QByteArray digest(const std::vector<Row>& rows)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const Row& row : rows) {
        hash.addData(QByteArrayView("R", 1));
        for (const store::Text& value : row) {
            if (!value) {
                hash.addData(QByteArrayView("N", 1));
                continue;
            }
            const QByteArray bytes = value->toUtf8();
            const quint32 length = qToLittleEndian(static_cast<quint32>(bytes.size()));
            hash.addData(QByteArrayView("T", 1));
            hash.addData(QByteArrayView(reinterpret_cast<const char*>(&length), sizeof length));
            hash.addData(bytes);
        }
    }
    return hash.result().toHex();
}

std::vector<Row> readRows(store::Connection& store, const QString& table, const QStringList& columns)
{
    std::vector<Row> rows;
    // rowid order is the order of appending, which the exports rely on for the first-stored person.
    const QString sql = QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid").arg(columns.join(u','), table);
    for (store::Cursor cursor(store, sql); !cursor.atEnd(); cursor.next()) {
        Row row;
        for (int column = 0; column < columns.size(); ++column)
            row.push_back(cursor.value(column));
        rows.push_back(std::move(row));
    }
    return rows;
}

void appendRows(store::Connection& store, const QString& table, const QStringList& columns,
                const std::vector<Row>& rows)
{
    // The appender takes a fixed list; the rows here have one value per column.
    QStringList marks;
    for (qsizetype i = 0; i < columns.size(); ++i)
        marks << QStringLiteral("?");
    store::Statement insert(store, QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                       .arg(table, columns.join(u','), marks.join(u',')));
    for (const Row& row : rows) {
        for (int i = 0; i < static_cast<int>(row.size()); ++i)
            insert.bind(i + 1, row[i]);
        insert.step();
        insert.reset();
    }
}

} // namespace

void PrintTo(const Fingerprint& fingerprint, std::ostream* out)
{
    *out << fingerprint.addressRows << " addresses (" << fingerprint.addressDigest.left(12).toStdString()
         << "), " << fingerprint.membershipRows << " memberships ("
         << fingerprint.membershipDigest.left(12).toStdString() << ")";
}

Fingerprint fingerprintOf(const StoreContent& content)
{
    return {static_cast<qsizetype>(content.addresses.size()), static_cast<qsizetype>(content.memberships.size()),
            digest(content.addresses), digest(content.memberships)};
}

Fingerprint fingerprintOf(store::Connection& store)
{
    return fingerprintOf(readContent(store));
}

StoreContent readContent(store::Connection& store)
{
    return {readRows(store, store::sql::kAddressTable, kAddressColumns),
            readRows(store, store::sql::kGroupTable, kMembershipColumns)};
}

void appendContent(store::Connection& store, const StoreContent& content)
{
    appendRows(store, store::sql::kAddressTable, kAddressColumns, content.addresses);
    appendRows(store, store::sql::kGroupTable, kMembershipColumns, content.memberships);
}

StoreContent earlierContent()
{
    const store::Text null;
    return {
        {
            {u"前回 一郎"_qs, u"ichiro@example.jp"_qs, u"前回商事"_qs, null, u"部長"_qs},
            {u"O'Brien"_qs, u"ob@example.com"_qs, u""_qs, u"総務部"_qs, null},
            {u""_qs, null, null, null, null},
        },
        {
            {u"前回の会"_qs, u"前回 一郎"_qs, u"ichiro@example.jp"_qs},
            {u"前回の会"_qs, u"O'Brien"_qs, u""_qs},
        },
    };
}

} // namespace paluksen::test
