#pragma once

#include "base/SystemError.h"
#include "store/AddressStore.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>

// Readable failure messages for Qt's text.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace paluksen::test {

inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) << path.toStdString();
}

// A temporary folder holding a fresh address store made from the shipped schema, opened as
// start-up opens it.
class TestStore {
public:
    TestStore() { store::createSchema(connection_, QString::fromUtf8(readFile(QStringLiteral(PALUKSEN_SCHEMA_SQL)))); }
    QString dir() const { return dir_.path(); }
    QString path() const { return dir_.filePath(QStringLiteral("paluksen.mdb")); }
    store::Connection& connection() { return connection_; }

private:
    QTemporaryDir dir_;
    store::Connection connection_ = store::Connection::openOrCreate(path());
};

// Every value of both tables in the order stored, Null told from empty text, as a digest: two
// stores hold the same rows exactly when their contents are equal.
inline QString storeContent(store::Connection& store)
{
    QByteArray content;
    for (const auto& [table, columns] : {std::pair{store::sql::kAddressTable, store::sql::kAddressColumns},
                                         std::pair{store::sql::kGroupTable, store::sql::kGroupColumns}}) {
        const QString values = u"quote("_qs + columns.join(u")||','||quote("_qs) + u')';
        for (store::Cursor row(store, QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid").arg(values, table)); !row.atEnd(); row.next())
            content += row.text(0).toUtf8() + '\n';
        content += "--\n";
    }
    return QString::fromLatin1(QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex()) +
           QStringLiteral(" %1 rows").arg(content.count('\n') - 2);
}

// Rows an import must keep whole or replace whole: Japanese text, a quote, empty text, Null.
inline const QString kEarlierRows =
    QStringLiteral("INSERT INTO アドレス情報 VALUES ('前回 一郎','ichiro@example.jp','前回商事',NULL,'部長'),"
                   "('O''Brien','ob@example.com','','総務部',NULL);"
                   "INSERT INTO グループ情報 VALUES ('前回の会','前回 一郎','ichiro@example.jp');");

// A person and a group of two, nine lines in all.
inline const QString kListing = u"山田 太郎\r\n電子メール アドレス :\r\n  taro@example.jp\r\n  会社名 : 山田商事\r\n\r\n"
                                u"友人\r\n  山田 太郎 (taro@example.jp)\r\n  鈴木 (suzuki@example.jp)\r\n\r\n"_qs;

// A missing file, a missing folder on the way to one, and a full disk, as the system numbers and
// words them: on Linux errno, worded by the program; on Windows its own numbers, worded by Windows in
// its own language (and by Wine otherwise than by Windows), so its words are asked of it.
struct SystemFailure {
    int number;
    QString words;
};
#ifdef Q_OS_WIN
inline SystemFailure systemFailure(int windowsNumber, int, const char16_t*)
{
    return {windowsNumber, systemErrorText(windowsNumber)};
}
#else
inline SystemFailure systemFailure(int, int number, const char16_t* words)
{
    return {number, QString::fromUtf16(words)};
}
#endif
inline const SystemFailure kMissingFile = systemFailure(2, ENOENT, u"ファイルまたはフォルダが見つかりません。");
inline const SystemFailure kMissingFolder = systemFailure(3, ENOENT, u"ファイルまたはフォルダが見つかりません。");
inline const SystemFailure kDiskFull = systemFailure(112, ENOSPC, u"ディスクの空き容量が足りません。");

// Bytes as spaced hex, so a byte-exact comparison that fails shows where.
inline QString hex(const QByteArray& bytes) { return QString::fromLatin1(bytes.toHex(' ')); }

} // namespace paluksen::test
