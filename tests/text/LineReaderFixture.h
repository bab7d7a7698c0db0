#pragma once

#include "support/TestStore.h"
#include "text/LineReader.h"

#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace paluksen::test {

// Listings written to a temporary folder and read back line by line.
class LineReaderFixture : public ::testing::Test {
protected:
    QString file(const QByteArray& bytes)
    {
        const QString path = dir_.filePath(QStringLiteral("listing%1.txt").arg(++count_));
        writeFile(path, bytes);
        return path;
    }
    static QStringList readAll(LineReader& reader)
    {
        QStringList lines;
        while (!reader.atEnd())
            lines << reader.readLine();
        return lines;
    }
    // With the encoding decided as the import decides it.
    QStringList readAll(const QByteArray& bytes)
    {
        LineReader reader(file(bytes));
        return readAll(reader);
    }

    QTemporaryDir dir_;
    int count_ = 0;
};

} // namespace paluksen::test
