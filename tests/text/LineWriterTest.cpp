#include "text/LineWriter.h"
#include "base/Failure.h"
#include "support/TestStore.h"

#include <QDir>
#include <csignal>
#include <gtest/gtest.h>
#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <grp.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace paluksen::test {
namespace {

// Code page 932, CR LF after every line; the earlier file stays whole until the commit, and a
// writer dropped without one (a run failing half-way) or failing its commit leaves it and no
// temporary file behind.
TEST(LineWriter, WritesWholeLinesAndReplacesOnlyOnCommit)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(u"AdrBook.txt"_qs);
    writeFile(target, "earlier\r\n");
    for (const bool commit : {false, true}) {
        LineWriter writer(OutputTarget::file(target));
        for (const QString& line : {u""_qs, u"山田,\u00e9"_qs, QString(200000, u'x')})
            writer.writeLine(line);
        EXPECT_EQ(readFile(target), "earlier\r\n");
        if (commit)
            writer.commit();
    }
#ifdef Q_OS_WIN
    // A file another program holds open without sharing (a spreadsheet showing the CSV file) is
    // kept as well, and the run says, in the user's words, that it is in use.
    const HANDLE held = CreateFileW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(target).utf16()),
                                    GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    QString said;
    try {
        LineWriter(OutputTarget::file(target)).commit();
    } catch (const FileFailure& failure) {
        said = failureReportText(failure);
    }
    EXPECT_TRUE(said.startsWith(u"エラー番号：32\n"_qs) && said.endsWith(u'。')) << said.toStdString();
    CloseHandle(held);
#endif
    EXPECT_EQ(readFile(target), "\r\n\x8e\x52\x93\x63,?\r\n" + QByteArray(200000, 'x') + "\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{u"AdrBook.txt"_qs});
}

// A shared installation: the folder is read-only to its user, the output file writable. The file
// is rewritten in place, and a write that fails there (the file may not grow) fails the run. Root
// may write into any folder, so the run drops to an unprivileged user (Debian always has nobody).
TEST(LineWriterDeathTest, ReadOnlyFolderIsWrittenInPlaceAndEveryFailedWriteIsSeen)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "a folder read-only to its user, a user to drop to and a file size limit are POSIX's";
#else
    const passwd* nobody = getuid() == 0 ? getpwnam("nobody") : nullptr;
    if (getuid() == 0 && !nobody)
        GTEST_SKIP() << "running as root, and there is no user nobody to run as";
    QTemporaryDir dir;
    const QString target = dir.filePath(u"AdrBook.txt"_qs);
    writeFile(target, "earlier\r\n");
    ASSERT_TRUE(chmod(QFile::encodeName(target), 0666) == 0 && chmod(QFile::encodeName(dir.path()), 0555) == 0);
    const auto write = [&](const QString& line, const QString& path) {
        LineWriter writer(OutputTarget::file(path));
        writer.writeLine(line);
        writer.commit();
    };
    const auto asTheUser = [&] { // gives the exit code of the process it runs in
        if (nobody && (setgroups(0, nullptr) != 0 || setgid(nobody->pw_gid) != 0 || setuid(nobody->pw_uid) != 0))
            return 2;
        write(u"山田"_qs, target);
        if (readFile(target) != "\x8e\x52\x93\x63\r\n")
            return 3;
        try { // no earlier file: the refused temporary file is the cause, not the missing target
            write(u"山田"_qs, dir.filePath(u"new.adr"_qs));
        } catch (const FileFailure& failure) {
            if (failure.number() != EACCES || !failure.detail().endsWith(u"アクセスが拒否されました。"_qs))
                return 6;
        }
        const rlimit small{100, 100};
        std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        try {
            write(QString(200, u'x'), target);
        } catch (const FileFailure& failure) {
            return failure.number() == EFBIG ? 0 : 4;
        }
        return 5; // a failed write went unnoticed
    };
    EXPECT_EXIT(std::_Exit(asTheUser()), testing::ExitedWithCode(0), "");
    chmod(QFile::encodeName(dir.path()), 0755);
#endif
}

} // namespace
} // namespace paluksen::test
