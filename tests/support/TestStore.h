#pragma once

#include "store/Sqlite.h"

#include <QTemporaryDir>
#include <ostream>

// Readable failure messages for Qt's text.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace paluksen::test {

// A temporary folder holding a fresh address store made from the shipped schema.
class TestStore {
public:
    TestStore();
    QString dir() const { return dir_.path(); }
    QString path() const { return dir_.filePath(QStringLiteral("paluksen.mdb")); }
    store::Connection& connection() { return connection_; }

private:
    QTemporaryDir dir_;
    store::Connection connection_;
};

// Every value of both tables in the order stored, Null told from empty text, as a digest: two
// stores hold the same rows exactly when their contents are equal.
QString storeContent(store::Connection& store);
// Rows an import must keep whole or replace whole: Japanese text, a quote, empty text, Null.
inline const QString kEarlierRows =
    QStringLiteral("INSERT INTO アドレス情報 VALUES ('前回 一郎','ichiro@example.jp','前回商事',NULL,'部長'),"
                   "('O''Brien','ob@example.com','','総務部',NULL);"
                   "INSERT INTO グループ情報 VALUES ('前回の会','前回 一郎','ichiro@example.jp');");

QByteArray readFile(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);
// Bytes as spaced hex, so a byte-exact comparison that fails shows where.
QString hex(const QByteArray& bytes);

} // namespace paluksen::test
