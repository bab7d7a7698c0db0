#include "support/TestStore.h"
#include "text/LineWriter.h"

#include <QDir>
#include <gtest/gtest.h>

namespace paluksen::test {
namespace {

// Code page 932, CR LF after every line; the earlier file stays whole until the commit, and a
// writer dropped without one (a run failing half-way) leaves it and no temporary file behind.
TEST(LineWriter, WritesWholeLinesAndReplacesOnlyOnCommit)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(u"AdrBook.txt"_qs);
    writeFile(target, "earlier\r\n");
    for (const bool commit : {false, true}) {
        LineWriter writer(target);
        for (const QString& line : {u""_qs, u"山田,\u00e9"_qs, QString(200000, u'x')})
            writer.writeLine(line);
        EXPECT_EQ(readFile(target), "earlier\r\n");
        if (commit)
            writer.commit();
    }
    EXPECT_EQ(readFile(target), "\r\n\x8e\x52\x93\x63,?\r\n" + QByteArray(200000, 'x') + "\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{u"AdrBook.txt"_qs});
}

} // namespace
} // namespace paluksen::test
