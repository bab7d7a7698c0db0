#pragma once

#include "text/LineSource.h"

#include <QFile>
#include <QString>
#include <memory>

namespace paluksen {

enum class TextEncoding { Cp932, Utf8, Utf16LE, Utf16BE };

// Decodes a byte stream piece by piece; pieces may split a character anywhere.
class PieceDecoder {
public:
    virtual ~PieceDecoder() = default;
    virtual void decode(QByteArrayView piece, bool last, QString& out) = 0;
};

// Reads a text file line by line without holding more of it than the current line.
// The encoding and the line ends are decided once for the whole file, when it is opened.
// Encoding: a byte-order mark names it, a file that is valid UTF-8 and either holds a Japanese
// character or cannot be code page 932 is UTF-8, and everything else is code page 932, the
// encoding these listings were always saved in.
// Line ends: in a file that holds a CR, a line ends at CR LF or at a CR alone, and a LF that
// follows no CR belongs to the line, as the mail clients' listings have always been read; a file
// without any CR is a Linux text file, whose lines end at LF. The last line may lack its end.
// A file holding the character U+0000 is no text (a program, a database) and is refused.
class LineReader : public LineSource {
public:
    explicit LineReader(const QString& path);
    // For a file whose encoding is known beforehand (tests, the fuzzer forcing one).
    LineReader(const QString& path, TextEncoding encoding);
    ~LineReader() override;
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    TextEncoding encoding() const { return encoding_; }
    bool atEnd() override;
    QString readLine() override;

private:
    void open(const QString& path);
    void startDecoding(qint64 skipBytes);
    void decideLineEnd();
    bool fill();
    void skipLineFeedAfterCarriageReturn();
    [[noreturn]] void fail(const QString& description) const;

    QFile file_;
    TextEncoding encoding_ = TextEncoding::Cp932;
    std::unique_ptr<PieceDecoder> decoder_;
    QByteArray raw_;
    QString buffer_;
    qsizetype pos_ = 0;
    QChar lineEnd_ = u'\r';
    bool inputDone_ = false;
    bool lineFeedMayFollow_ = false;
};

// Looks at the whole stream once (stops early where it can) to decide its encoding, and
// reports how many bytes of byte-order mark to skip.
struct EncodingGuess {
    TextEncoding encoding;
    qint64 markBytes;
};
EncodingGuess guessEncoding(QIODevice& device);

} // namespace paluksen
