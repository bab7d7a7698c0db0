#include "support/TestStore.h"
#include "text/Failure.h"
#include "text/LineWriter.h"

#include <QDir>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>

using namespace paluksen;

namespace {

class LineWriterTest : public ::testing::Test {
protected:
    QStringList folder() const { return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden); }
    QTemporaryDir dir_;
    QString target_ = dir_.filePath(QStringLiteral("AdrBook.txt"));
};

TEST_F(LineWriterTest, WritesCodePage932WithCrLfAfterEveryLine)
{
    const struct {
        QStringList lines;
        QByteArray bytes;
    } cases[] = {
        {{}, ""},
        {{""}, "\r\n"},
        {{"a", "b"}, "a\r\nb\r\n"},
        {{QString::fromUtf16(u"山田,\u00e9")}, "\x8e\x52\x93\x63,?\r\n"},
    };
    for (const auto& c : cases) {
        {
            LineWriter writer(target_);
            for (const QString& line : c.lines)
                writer.writeLine(line);
            writer.commit();
        }
        EXPECT_EQ(test::hex(test::readFile(target_)), test::hex(c.bytes));
    }
    EXPECT_EQ(folder(), QStringList{QStringLiteral("AdrBook.txt")});
}

TEST_F(LineWriterTest, EarlierFileStaysUntilCommit)
{
    test::writeFile(target_, "earlier\r\n");
    {
        LineWriter writer(target_);
        writer.writeLine(QString(200000, QLatin1Char('x'))); // more than one buffer's worth
        EXPECT_EQ(test::readFile(target_), QByteArray("earlier\r\n"));
    } // dropped without commit, as when a run fails half-way
    EXPECT_EQ(test::readFile(target_), QByteArray("earlier\r\n"));
    EXPECT_EQ(folder(), QStringList{QStringLiteral("AdrBook.txt")});
}

TEST_F(LineWriterTest, TargetThatCannotBeReplacedFailsAndLeavesNothingBehind)
{
    // A folder where the file should go: cannot be replaced, even by root.
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("AdrBook.txt")));
    try {
        LineWriter writer(target_);
        writer.writeLine(u"a");
        writer.commit();
        FAIL() << "replaced a folder";
    } catch (const FileFailure& failure) {
        EXPECT_TRUE(failure.detail().contains(target_));
    }
    EXPECT_TRUE(QFileInfo(target_).isDir());
    EXPECT_EQ(folder(), QStringList{QStringLiteral("AdrBook.txt")});
}

TEST_F(LineWriterTest, MissingFolderFailsAtOpen)
{
    EXPECT_THROW(LineWriter(dir_.filePath(QStringLiteral("no/such/folder/out.txt"))), FileFailure);
}

} // namespace
