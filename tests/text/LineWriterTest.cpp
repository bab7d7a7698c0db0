#include "support/TestStore.h"
#include "text/Failure.h"
#include "text/LineWriter.h"

#include <QDir>
#include <QTemporaryDir>
#include <cerrno>
#include <cstdio>
#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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

#ifdef Q_OS_UNIX
// Writes one line as the given user and exits 0 once committed, or 1 with the failure on
// standard error. Root writes whatever the modes say, so these cases need another user.
[[noreturn]] void writeAs(const passwd* user, const QString& target)
{
    if (user && (setgroups(0, nullptr) != 0 || setgid(user->pw_gid) != 0 || setuid(user->pw_uid) != 0))
        std::_Exit(2);
    try {
        LineWriter writer(target);
        writer.writeLine(u"new");
        writer.commit();
        std::_Exit(0);
    } catch (const FileFailure& failure) {
        std::fprintf(stderr, "%d %s\n", failure.number(), failure.description().toUtf8().constData());
        std::_Exit(1);
    }
}

TEST_F(LineWriterTest, ReadOnlyFolderRewritesAWritableFileInPlace)
{
    const passwd* user = geteuid() == 0 ? getpwnam("nobody") : nullptr;
    if (geteuid() == 0 && !user)
        GTEST_SKIP() << "running as root with no user \"nobody\" to drop to; root ignores the modes this checks";
    const char* cannotCreate = "^13 出力ファイルを作成できませんでした。";
    const struct {
        const char* earlier; // null: no file there
        mode_t mode;
        int exitCode;
        const char* reported;
        const char* after; // null: no file after
    } cases[] = {
        {"earlier, longer\r\n", 0666, 0, "^$", "new\r\n"},
        {nullptr, 0, 1, cannotCreate, nullptr},
        {"earlier\r\n", 0444, 1, cannotCreate, "earlier\r\n"},
    };
    const QByteArray dir = QFile::encodeName(dir_.path());
    for (const auto& c : cases) {
        chmod(dir.constData(), 0755);
        QFile::remove(target_);
        if (c.earlier) {
            test::writeFile(target_, c.earlier);
            chmod(QFile::encodeName(target_).constData(), c.mode);
        }
        chmod(dir.constData(), 0555);
        EXPECT_EXIT(writeAs(user, target_), ::testing::ExitedWithCode(c.exitCode), c.reported);
        EXPECT_EQ(folder(), c.after ? QStringList{QStringLiteral("AdrBook.txt")} : QStringList{}); // no temporary file
        if (c.after) {
            EXPECT_EQ(test::readFile(target_), QByteArray(c.after));
        }
    }
    chmod(dir.constData(), 0700);
}
#endif

TEST_F(LineWriterTest, MissingFolderFailsAtOpen)
{
    EXPECT_THROW(LineWriter(dir_.filePath(QStringLiteral("no/such/folder/out.txt"))), FileFailure);
}

} // namespace
