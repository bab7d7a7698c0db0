#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <memory>

namespace paluksen::cp932 {

// Code page 932 as Windows has it, through the platform's own converter.
// Decoding never fails: a byte that starts no valid character becomes U+FFFD.
// Encoding never fails: a character that code page 932 cannot hold becomes "?". Both builds write
// the same bytes for every character.

class Decoder {
public:
    Decoder();
    ~Decoder();
    Decoder(const Decoder&) = delete;
    Decoder& operator=(const Decoder&) = delete;

    // Decodes the next piece of a longer text. A two-byte character split between two pieces
    // is kept back and finished with the next piece; with last set, an unfinished one ends as
    // U+FFFD.
    void decode(QByteArrayView piece, bool last, QString& out);

private:
    struct State;
    std::unique_ptr<State> state_;
};

class Encoder {
public:
    Encoder();
    ~Encoder();
    Encoder(const Encoder&) = delete;
    Encoder& operator=(const Encoder&) = delete;

    void encode(QStringView text, QByteArray& out);

private:
    struct State;
    std::unique_ptr<State> state_;
};

QString decode(QByteArrayView bytes);
QByteArray encode(QStringView text);

} // namespace paluksen::cp932
