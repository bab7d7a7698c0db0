#include "ImportCheck.h"
#include "Check.h"
#include "ExpectedLines.h"

#include "import/ListingImport.h"

namespace paluksen::fuzz {
namespace {

Import parse(LineReader& reader, store::Connection* store)
{
    RecordingSinks sinks(store);
    const ParseResult result = parseListing(reader, sinks, sinks);
    return {result, sinks.addressRows, sinks.membershipRows, reader.encoding(), false};
}

QString show(const store::Text& value)
{
    if (!value)
        return QStringLiteral("Null");
    QString units;
    for (const QChar c : *value)
        units += QStringLiteral("%1 ").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    return units;
}

void checkStoredRows(store::Connection& store, const QString& table, const QString& columns,
                     const QList<Row>& rows, const QString& detail)
{
    store::Cursor stored(store, QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid").arg(columns, table));
    for (const Row& row : rows) {
        require(!stored.atEnd(), "every row handed to a sink is stored", table + QStringLiteral("\n") + detail);
        for (int column = 0; column < row.size(); ++column)
            require(stored.value(column) == row[column], "the store gives back what it was given",
                    QStringLiteral("%1 column %2: %3 became %4\n%5")
                        .arg(table)
                        .arg(column)
                        .arg(show(row[column]), show(stored.value(column)), detail));
        stored.next();
    }
    require(stored.atEnd(), "the store holds no row that was not handed over", table + QStringLiteral("\n") + detail);
}

// Only a mark names UTF-16; UTF-8 may also have been chosen for valid text without one.
qsizetype skippedMarkBytes(const Import& import, QByteArrayView bytes)
{
    if (!import.detected)
        return 0;
    switch (import.encoding) {
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE:
        return 2;
    case TextEncoding::Utf8:
        return bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    case TextEncoding::Cp932:
        break;
    }
    return 0;
}

QString describe(const Import& import)
{
    return QStringLiteral("encoding %1%2, %3 lines, %4 addresses, %5 memberships")
        .arg(static_cast<int>(import.encoding))
        .arg(import.detected ? QStringLiteral(" (detected)") : QStringLiteral(" (forced)"))
        .arg(import.result.lineCount)
        .arg(import.addressRows.size())
        .arg(import.membershipRows.size());
}

} // namespace

Import importDetected(store::Connection& store, const QString& path)
{
    ListingImport listing(store);
    const ParseResult result = listing.readListing(path);
    listing.commit();

    LineReader reader(path);
    Import recorded = parse(reader, nullptr);
    require(recorded.result.outcome == result.outcome && recorded.result.lineCount == result.lineCount,
            "a second parse of the same file gives the same result", describe(recorded));
    recorded.detected = true;
    return recorded;
}

Import importForced(store::Connection& store, const QString& path, TextEncoding encoding)
{
    store::Transaction transaction(store);
    LineReader reader(path, encoding);
    const Import import = parse(reader, &store);
    transaction.commit();
    return import;
}

void checkImport(store::Connection& store, const Import& import, QByteArrayView bytes)
{
    const QString detail = describe(import);
    checkStoredRows(store, store::sql::kAddressTable, QStringLiteral("名前, アドレス, 会社名, 部署名, 役職"),
                    import.addressRows, detail);
    checkStoredRows(store, store::sql::kGroupTable, QStringLiteral("グループ, 名前, アドレス"),
                    import.membershipRows, detail);
    require(import.result.lineCount == expectedLineCount(bytes, import.encoding, skippedMarkBytes(import, bytes)),
            "the parser reads every line the file holds", detail);
    const ParseOutcome outcome = import.result.lineCount == 0   ? ParseOutcome::NoLines
                                 : import.result.lineCount == 1 ? ParseOutcome::OneLine
                                                                : ParseOutcome::Completed;
    require(import.result.outcome == outcome, "the outcome agrees with the number of lines", detail);
}

} // namespace paluksen::fuzz
