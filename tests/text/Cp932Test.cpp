#include "support/TestStore.h"
#include "text/Cp932.h"

#include <QFile>
#include <QTextStream>
#include <gtest/gtest.h>

using namespace paluksen;

namespace {

struct ReferenceCode {
    QByteArray bytes;
    char16_t character;
    QByteArray written;
};

QByteArray twoBytes(uint code)
{
    const char bytes[2] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
    return QByteArray(bytes, 2);
}

QList<ReferenceCode> reference()
{
    QList<ReferenceCode> codes;
    QFile file(QStringLiteral(PALUKSEN_TEST_DATA "/text/cp932_reference.txt"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QStringList fields = in.readLine().split(QLatin1Char(' '));
        if (fields.size() != 3)
            continue;
        codes.append({twoBytes(fields[0].toUInt(nullptr, 16)), static_cast<char16_t>(fields[1].toUInt(nullptr, 16)),
                      twoBytes(fields[2].toUInt(nullptr, 16))});
    }
    return codes;
}

TEST(Cp932, EveryTwoByteCodeDecodesAndEncodesAsWindowsDoes)
{
    const QList<ReferenceCode> codes = reference();
    ASSERT_GT(codes.size(), 9000); // the whole table, user-defined area included
    int wrong = 0;
    for (const ReferenceCode& code : codes) {
        const QString decoded = cp932::decode(code.bytes);
        const QByteArray encoded = cp932::encode(QString(QChar(code.character)));
        if (decoded != QString(QChar(code.character)) || encoded != code.written) {
            if (++wrong <= 10)
                ADD_FAILURE() << "code " << code.bytes.toHex().toStdString() << " decoded U+"
                              << QString::number(decoded.isEmpty() ? 0 : decoded.at(0).unicode(), 16).toStdString()
                              << " written back as " << encoded.toHex().toStdString() << ", Windows writes "
                              << code.written.toHex().toStdString();
        }
    }
    EXPECT_EQ(wrong, 0);
}

TEST(Cp932, SingleBytesAndKnownTroubleSpots)
{
    const struct {
        QByteArray bytes;
        QString text;
    } cases[] = {
        {QByteArray("\x00\x1a\x1c\x7f", 4), QString::fromUtf16(u"\u0000\u001a\u001c\u007f", 4)},
        {"\xb1\xdf", QString::fromUtf16(u"\uff71\uff9f")},   // half-width katakana
        {"\x81\x60", QString::fromUtf16(u"\uff5e")},         // wave dash as Windows has it
        {"\x81\x5f", QString::fromUtf16(u"\uff3c")},
        {"\x81\x61", QString::fromUtf16(u"\u2225")},
        {"\x81\x7c", QString::fromUtf16(u"\uff0d")},
        {"\x5c\x7e", QStringLiteral("\\~")},                 // ASCII stays ASCII
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cp932::decode(c.bytes), c.text) << c.bytes.toHex().toStdString();
        EXPECT_EQ(cp932::encode(c.text), c.bytes) << c.bytes.toHex().toStdString();
    }
}

TEST(Cp932, InvalidBytesBecomeReplacementWithoutSwallowingTheNext)
{
    const struct {
        QByteArray bytes;
        QString text;
    } cases[] = {
        {"\x81", QString::fromUtf16(u"\ufffd")},             // lead byte at the very end
        {"\x81\x20" "A", QString::fromUtf16(u"\ufffd A")},  // lead byte before an ASCII byte
        {"A\xff" "B", QString::fromUtf16(u"A\ufffdB")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cp932::decode(c.bytes), c.text) << c.bytes.toHex().toStdString();
}

TEST(Cp932, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    EXPECT_EQ(cp932::encode(QString::fromUtf16(u"a\u00e9b")), QByteArray("a?b"));
    EXPECT_EQ(cp932::encode(QString::fromUtf16(u"x\U0001F600y")), QByteArray("x?y")); // one "?" for the pair
    EXPECT_EQ(cp932::encode(QString::fromUtf16(u"\xd800z", 2)), QByteArray("?z"));    // half a pair
    EXPECT_EQ(cp932::encode(QString::fromUtf16(u"\u3042\u00e9\u3044")), QByteArray("\x82\xa0?\x82\xa2"));
}

TEST(Cp932, DecoderFinishesACharacterSplitBetweenPieces)
{
    const QByteArray text = cp932::encode(QString::fromUtf16(u"山田太郎"));
    for (qsizetype cut = 0; cut <= text.size(); ++cut) {
        cp932::Decoder decoder;
        QString out;
        decoder.decode(QByteArrayView(text).first(cut), false, out);
        decoder.decode(QByteArrayView(text).sliced(cut), true, out);
        EXPECT_EQ(out, QString::fromUtf16(u"山田太郎")) << "cut at " << cut;
    }
}

} // namespace
