// Code page 932 has no shift state, so a text must encode to the bytes of its characters one by
// one, however the encoder cuts it into pieces (ASCII runs long and short, characters it cannot
// write, halves of surrogate pairs, at the start, in the middle and at the end).
#include "text/Cp932.h"

#include <QList>
#include <gtest/gtest.h>

#include <random>

using namespace paluksen;

namespace {

QByteArray characterByCharacter(const QString& text)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        bytes += cp932::encode(QStringView(text).sliced(i, pair ? 2 : 1));
        if (pair)
            ++i;
    }
    return bytes;
}

const QList<QString> kPieces = {
    QStringLiteral("a"),
    QStringLiteral("hanako.sato.123@example.jp"),
    QStringLiteral("1234567"),  // one short of a copied run
    QStringLiteral("12345678"), // exactly one
    QStringLiteral(","),
    QStringLiteral("\t"),
    QStringLiteral(" "),
    QStringLiteral("佐藤"),
    QStringLiteral("株式会社みなと商事"),
    QStringLiteral("ｶﾅ"),
    QStringLiteral("～〜"),
    QString::fromUtf16(u"\u00e9"),     // not in the code page
    QString::fromUtf16(u"\U0001F600"), // a pair not in the code page
    QString::fromUtf16(u"\xd800", 1),  // a high half alone
    QString::fromUtf16(u"\xdc00", 1),  // a low half alone
    QString(QChar(0)),
    QString(QChar(0x7F)),
};

TEST(Cp932MixedText, EncodesAsItsCharactersOneByOne)
{
    std::mt19937 random(932);
    for (int round = 0; round < 5000; ++round) {
        QString text;
        const int pieces = static_cast<int>(random() % 8);
        for (int i = 0; i < pieces; ++i)
            text += kPieces[static_cast<qsizetype>(random() % kPieces.size())];
        ASSERT_EQ(cp932::encode(text), characterByCharacter(text)) << text.toStdString();
    }
}

TEST(Cp932MixedText, AppendsAfterWhatIsThere)
{
    cp932::Encoder encoder;
    QByteArray out("head:");
    encoder.encode(u"abcdefghij佐藤klmnopqrst", out);
    encoder.encode(u"", out);
    encoder.encode(u"\u00e9", out);
    EXPECT_EQ(out, QByteArray("head:abcdefghij\x8d\xb2\x93\xa1klmnopqrst?"));
}

} // namespace
