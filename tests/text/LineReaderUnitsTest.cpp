#include "support/TestStore.h"
#include "text/LineReader.h"
#include "text/LineReaderFixture.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace paluksen;

namespace {

// UTF-16 and UTF-8 can carry units that are no character: halves of surrogate pairs alone and
// the noncharacters U+FFFE and U+FFFF. The reader hands out U+FFFD for them, as for any broken
// byte, and keeps whole pairs whole even where a piece of the file ends between their halves.
using LineReaderUnitsTest = test::LineReaderFixture;

QByteArray utf16le(std::initializer_list<char16_t> units)
{
    QByteArray bytes("\xFF\xFE");
    for (const char16_t unit : units) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

QString text(std::initializer_list<char16_t> units)
{
    return QString(reinterpret_cast<const QChar*>(std::data(units)), static_cast<qsizetype>(units.size()));
}

constexpr char16_t R = 0xFFFD;

TEST_F(LineReaderUnitsTest, LoneHalvesAndNonCharactersOfUtf16BecomeReplacements)
{
    const QByteArray bytes = utf16le({u'A', 0xD800, u'B', u'\r', u'\n',  // a first half alone
                                      0xDC00, u'\r', u'\n',               // a second half alone
                                      0xFFFE, u'x', 0xFFFF, u'\r', u'\n', // noncharacters
                                      0xD83D, 0xDE00, u'\r', u'\n',       // a pair
                                      0xDE00, 0xD83D});                   // halves the wrong way round
    EXPECT_EQ(readAll(bytes), QStringList({text({u'A', R, u'B'}), text({R}), text({R, u'x', R}),
                                           text({0xD83D, 0xDE00}), text({R, R})}));
}

TEST_F(LineReaderUnitsTest, NonCharactersOfUtf8BecomeReplacements)
{
    EXPECT_EQ(readAll("\xEF\xBB\xBF" "a\xEF\xBF\xBE" "b\xEF\xBF\xBF"), QStringList({text({u'a', R, u'b', R})}));
}

TEST_F(LineReaderUnitsTest, PairCutByTheEndOfAPieceStaysWhole)
{
    // The reader takes 64 KiB pieces after the mark: the first half ends the first piece.
    const qsizetype before = 64 * 1024 / 2 - 1;
    QByteArray bytes = utf16le({});
    for (qsizetype i = 0; i < before; ++i)
        bytes += QByteArray("x\0", 2);
    bytes += utf16le({0xD83D, 0xDE00}).mid(2);
    const QStringList lines = readAll(bytes);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0], QString(before, u'x') + text({0xD83D, 0xDE00}));

    // At the very end of the file the held half is alone after all.
    bytes.chop(2);
    EXPECT_EQ(readAll(bytes), QStringList({QString(before, u'x') + text({R})}));
}

} // namespace
