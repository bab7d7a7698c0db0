#include "support/TestStore.h"
#include "text/LineReader.h"
#include "text/LineReaderFixture.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace paluksen;

namespace {

// Files cut off in the middle of their last character, as a copy stopped short leaves them.
using LineReaderTailTest = test::LineReaderFixture;

const QString kReplacement(QChar::ReplacementCharacter);

TEST_F(LineReaderTailTest, HalfAUtf16UnitAtTheEndIsOneBrokenCharacter)
{
    const struct {
        QByteArray bytes;
        TextEncoding encoding;
    } cases[] = {
        {QByteArray("\xFF\xFE" "A\0\r\0\n\0B", 9), TextEncoding::Utf16LE},
        {QByteArray("\xFE\xFF" "\0A\0\r\0\n\0", 9), TextEncoding::Utf16BE},
    };
    for (const auto& c : cases) {
        LineReader reader(file(c.bytes));
        EXPECT_EQ(reader.encoding(), c.encoding);
        EXPECT_EQ(readAll(reader), QStringList({u"A"_qs, kReplacement})) << test::hex(c.bytes).toStdString();
    }
}

TEST_F(LineReaderTailTest, Utf8CutOffAtTheEndIsNotTakenForUtf8)
{
    // "名" is E5 90 8D; without its last byte the file is no longer valid UTF-8.
    const QByteArray bytes = QString::fromUtf16(u"山田\r\n").toUtf8() + "\xE5\x90";
    LineReader reader(file(bytes));
    EXPECT_EQ(reader.encoding(), TextEncoding::Cp932);
    EXPECT_EQ(readAll(reader).size(), 2);
}

TEST_F(LineReaderTailTest, Utf8WithMarkCutOffAtTheEndKeepsABrokenCharacter)
{
    const QByteArray bytes = "\xEF\xBB\xBF" + QString::fromUtf16(u"山田\r\n名").toUtf8().chopped(1);
    LineReader reader(file(bytes));
    EXPECT_EQ(reader.encoding(), TextEncoding::Utf8);
    EXPECT_EQ(readAll(reader), QStringList({QString::fromUtf16(u"山田"), kReplacement}));

    // Forced, the same holds at the end of a file whose every piece was full.
    const QByteArray full = QByteArray(64 * 1024 - 1, 'x') + "\xE5";
    LineReader forced(file(full), TextEncoding::Utf8);
    EXPECT_EQ(readAll(forced), QStringList({QString(64 * 1024 - 1, u'x') + kReplacement}));
}

} // namespace
