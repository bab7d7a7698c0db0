#include "text/Cp932.h"
#include "support/TestStore.h"

#include <gtest/gtest.h>

namespace paluksen::test {
namespace {

// Every two-byte code, user-defined area included, against the table of what Windows does:
// the character it decodes to, and the code Windows writes that character back as.
TEST(Cp932, EveryTwoByteCodeDecodesAndEncodesAsWindowsDoes)
{
    QStringList wrong; // code, character, code written back, as in the table
    const QList<QByteArray> lines = readFile(QStringLiteral(PALUKSEN_TEST_DATA "/text/cp932_reference.txt")).trimmed().split('\n');
    for (const QByteArray& line : lines) {
        const QString character(QChar(static_cast<char16_t>(line.mid(5, 4).toUInt(nullptr, 16))));
        if (cp932::decode(QByteArray::fromHex(line.left(4))) != character || cp932::encode(character) != QByteArray::fromHex(line.mid(10)))
            wrong << QString::fromLatin1(line);
    }
    EXPECT_GT(lines.size(), 9000);
    EXPECT_EQ(wrong, QStringList{});
}

// Every character of the Basic Multilingual Plane becomes the bytes the Linux build writes for
// it, glibc's choices for characters the code page has no code of its own for included:
// cp932_bmp.txt lists each character that does not become "?" with its bytes. The Linux build
// writes that list afresh to the file named by PALUKSEN_WRITE_CP932_BMP.
TEST(Cp932, EveryCharacterOfTheFirstPlaneIsWrittenAsTheLinuxBuildWritesIt)
{
    QHash<QByteArray, QByteArray> reference;
    for (const QByteArray& line : readFile(QStringLiteral(PALUKSEN_TEST_DATA "/text/cp932_bmp.txt")).trimmed().split('\n'))
        reference.insert(line.left(4), line.mid(5));
    QByteArray list;
    QStringList wrong; // character, the Linux build's bytes, this build's
    cp932::Encoder encoder;
    for (char32_t code = 0; code <= 0xFFFF; ++code) {
        const auto unit = static_cast<char16_t>(code);
        if (QChar::isSurrogate(unit))
            continue;
        QByteArray bytes;
        encoder.encode(QStringView(&unit, 1), bytes);
        const QByteArray character = QByteArray::number(unit, 16).toUpper().rightJustified(4, '0');
        const QByteArray written = bytes == "?" ? QByteArray() : bytes.toHex().toUpper();
        if (!written.isEmpty())
            list += character + ' ' + written + '\n';
        if (written != reference.value(character))
            wrong << QString::fromLatin1(character + ' ' + reference.value(character, "3F") + ' ' + bytes.toHex().toUpper());
    }
    if (const QString path = qEnvironmentVariable("PALUKSEN_WRITE_CP932_BMP"); !path.isEmpty())
        writeFile(path, list);
    EXPECT_GT(reference.size(), 7000);
    EXPECT_EQ(wrong, QStringList{});
}

// Both ways where the bytes come back: single bytes, and the spots where code page 932 differs
// from plain Shift-JIS. Then one way: invalid bytes become U+FFFD without swallowing the next,
// and what the code page cannot hold becomes one "?" (a pair included), also between ASCII runs
// the encoder copies whole.
TEST(Cp932, TroubleSpotsInvalidBytesAndUnwritableCharacters)
{
    const struct {
        QByteArray bytes;
        QString text;
        bool decodes, encodes;
    } cases[] = {
        {QByteArray("\x00\x1a\x1c\x7f", 4), QString::fromUtf16(u"\u0000\u001a\u001c\u007f", 4), true, true},
        {"\xb1\xdf\x5c\x7e", QString::fromUtf16(u"\uff71\uff9f\\~"), true, true},
        {"\x81\x60\x81\x5f\x81\x61\x81\x7c", QString::fromUtf16(u"\uff5e\uff3c\u2225\uff0d"), true, true},
        {"\x81", QString::fromUtf16(u"\ufffd"), true, false},
        // Adjacent literals keep a hex escape from running on into the next character.
        // clang-format off
        {"\x81\x20" "A\xff" "B", QString::fromUtf16(u"\ufffd A\ufffdB"), true, false},
        // clang-format on
        {"a?b", QString::fromUtf16(u"a\u00e9b"), false, true},
        {"12345678?12345678?", QString::fromUtf16(u"12345678\U0001F60012345678\xd800"), false, true},
        {"\x82\xa0?\x82\xa2?", QString::fromUtf16(u"\u3042\u00e9\u3044\xdc00"), false, true},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(!c.decodes || cp932::decode(c.bytes) == c.text) << c.bytes.toHex().toStdString();
        EXPECT_TRUE(!c.encodes || cp932::encode(c.text) == c.bytes) << c.bytes.toHex().toStdString();
    }
    // A lead byte at the end of a view is never paired with the byte beyond it.
    EXPECT_EQ(cp932::decode(QByteArrayView("\x82\xa0", 1)), QString(QChar::ReplacementCharacter));
    cp932::Encoder encoder; // appends after what the buffer holds
    QByteArray out("head:");
    encoder.encode(u"abcdefghij佐藤", out);
    EXPECT_EQ(out, QByteArray("head:abcdefghij\x8d\xb2\x93\xa1"));
}

} // namespace
} // namespace paluksen::test
