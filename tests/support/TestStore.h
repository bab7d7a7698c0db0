#pragma once

#include "store/Sqlite.h"

#include <QString>
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
    const QString& dir() const { return dirPath_; }
    const QString& path() const { return path_; }
    store::Connection& connection() { return connection_; }

    // Count of rows of a table or view.
    int count(const QString& table);

private:
    QTemporaryDir dir_;
    QString dirPath_;
    QString path_;
    store::Connection connection_;
};

QString schemaSql();
QByteArray readFile(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);
// Bytes as spaced hex, so a byte-exact comparison that fails shows where.
QString hex(const QByteArray& bytes);

} // namespace paluksen::test
