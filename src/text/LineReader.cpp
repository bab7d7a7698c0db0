#include "text/LineReader.h"
#include "base/Failure.h"
#include "base/SystemError.h"
#include "text/Cp932.h"
#include "text/WellFormedText.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <optional>

namespace paluksen {
namespace {

constexpr qint64 kPieceBytes = 64 * 1024;

class Cp932PieceDecoder : public PieceDecoder {
public:
    void decode(QByteArrayView piece, bool last, QString& out) override { decoder_.decode(piece, last, out); }

private:
    cp932::Decoder decoder_;
};

// Qt keeps the bytes of a character that one piece cuts off for the next piece, and when no
// piece follows it drops them without an error; only its state tells that some are left.
class TailAwareDecoder : public QStringDecoder {
public:
    using QStringDecoder::QStringDecoder;
    bool holdsUnfinishedCharacter() const { return state.remainingChars > 0; }
};

class QtPieceDecoder : public PieceDecoder {
public:
    // The mark has been skipped already; a second one is text and stays.
    explicit QtPieceDecoder(QStringConverter::Encoding encoding)
        : decoder_(encoding, QStringConverter::Flag::ConvertInitialBom)
    {
    }
    void decode(QByteArrayView piece, bool last, QString& out) override
    {
        const qsizetype start = out.size();
        if (heldHighSurrogate_) {
            out += *heldHighSurrogate_;
            heldHighSurrogate_.reset();
        }
        out += decoder_.decode(piece);
        // A character cut off by the end of the file is still one character, as in code page 932.
        if (last && decoder_.holdsUnfinishedCharacter())
            out += QChar::ReplacementCharacter;
        // Qt hands on the first half of a pair that a piece cuts off; its other half comes with
        // the next piece, and only then can it be told from a lone half.
        if (!last && out.size() > start && out.back().isHighSurrogate()) {
            heldHighSurrogate_ = out.back();
            out.chop(1);
        }
        makeWellFormed(out, start);
    }

private:
    TailAwareDecoder decoder_;
    std::optional<QChar> heldHighSurrogate_;
};

// Whether bytes can be code page 932 at all: every lead byte has its trail byte, and no byte is
// one that code page 932 leaves unassigned.
class Cp932Shape {
public:
    void take(QByteArrayView piece)
    {
        for (const char c : piece) {
            const auto byte = static_cast<unsigned char>(c);
            if (trailDue_) {
                trailDue_ = false;
                if (byte < 0x40 || byte == 0x7F || byte > 0xFC)
                    broken_ = true;
            } else if ((byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC)) {
                trailDue_ = true;
            } else if (byte == 0x80 || byte == 0xA0 || byte >= 0xFD) {
                broken_ = true;
            }
            if (broken_)
                return;
        }
    }
    bool broken() const { return broken_; }
    bool fits() const { return !broken_ && !trailDue_; }

private:
    bool trailDue_ = false;
    bool broken_ = false;
};

// Kana, kanji (those beyond U+FFFF too), CJK punctuation with the ideographic space, and the
// full-width and half-width forms.
bool holdsJapanese(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= 0x3000 && u <= 0x30FF) || (u >= 0x31F0 && u <= 0x31FF) || (u >= 0x3400 && u <= 0x4DBF) ||
               (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0xF900 && u <= 0xFAFF) || (u >= 0xFF00 && u <= 0xFFEF) ||
               (u >= 0xD840 && u <= 0xD87F);
    });
}

std::unique_ptr<PieceDecoder> makeDecoder(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
        return std::make_unique<QtPieceDecoder>(QStringConverter::Utf8);
    case TextEncoding::Utf16LE:
        return std::make_unique<QtPieceDecoder>(QStringConverter::Utf16LE);
    case TextEncoding::Utf16BE:
        return std::make_unique<QtPieceDecoder>(QStringConverter::Utf16BE);
    case TextEncoding::Cp932:
        break;
    }
    return std::make_unique<Cp932PieceDecoder>();
}

// Whether the bytes from the device's position on hold a CR as a character of their own: any 0D
// byte in code page 932 (no trail byte is that low) and UTF-8, a 0D unit in UTF-16.
bool holdsCarriageReturn(QIODevice& device, TextEncoding encoding)
{
    const bool wide = encoding == TextEncoding::Utf16LE || encoding == TextEncoding::Utf16BE;
    const qsizetype low = encoding == TextEncoding::Utf16BE ? 1 : 0;
    const qint64 start = device.pos();
    bool found = false;
    QByteArray piece;
    while (!found && !(piece = device.read(kPieceBytes)).isEmpty()) { // an even size keeps the units aligned
        if (!wide) {
            found = piece.contains('\r');
            continue;
        }
        for (qsizetype at = piece.indexOf('\r'); at >= 0 && !found; at = piece.indexOf('\r', at + 1)) {
            const qsizetype other = low == 0 ? at + 1 : at - 1; // the other byte of the unit
            found = at % 2 == low && other < piece.size() && piece[other] == 0;
        }
    }
    device.seek(start);
    return found;
}

// What the user is told of a listing that is no text.
constexpr int kNotTextNumber = EILSEQ;

} // namespace

EncodingGuess guessEncoding(QIODevice& device)
{
    const QByteArray head = device.peek(3);
    if (head.startsWith("\xEF\xBB\xBF"))
        return {TextEncoding::Utf8, 3};
    if (head.startsWith("\xFF\xFE"))
        return {TextEncoding::Utf16LE, 2};
    if (head.startsWith("\xFE\xFF"))
        return {TextEncoding::Utf16BE, 2};

    // Code page 932 is the listing's own encoding, UTF-8 without a mark only one we accept too, so
    // doubt goes to code page 932. Half-width katakana alone can make valid UTF-8 by chance ("ﾃｽ"
    // is C3 BD, "ý" in UTF-8), but such a chance reading next to never yields a Japanese
    // character, while a listing written in UTF-8 by a Japanese user holds one in its label line
    // at the latest. Code page 932 Japanese is never valid UTF-8, so the first lead byte usually
    // ends this.
    TailAwareDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    Cp932Shape cp932;
    bool japanese = false;
    const qint64 start = device.pos();
    QByteArray piece;
    while (!(piece = device.read(kPieceBytes)).isEmpty()) {
        const QString decoded = utf8.decode(piece); // the decoder works only when its result is taken
        if (utf8.hasError())
            break;
        if (!japanese && !cp932.broken()) {
            cp932.take(piece);
            japanese = holdsJapanese(decoded);
        }
    }
    // A character cut off at the end is no valid UTF-8 either.
    const bool isUtf8 = !utf8.hasError() && !utf8.holdsUnfinishedCharacter() && (japanese || !cp932.fits());
    device.seek(start);
    return {isUtf8 ? TextEncoding::Utf8 : TextEncoding::Cp932, 0};
}

LineReader::LineReader(const QString& path)
{
    open(path);
    const EncodingGuess guess = guessEncoding(file_);
    if (file_.error() != QFileDevice::NoError)
        fail(QStringLiteral("入力ファイルを読み込めませんでした。"));
    encoding_ = guess.encoding;
    startDecoding(guess.markBytes);
}

LineReader::LineReader(const QString& path, TextEncoding encoding) : encoding_(encoding)
{
    open(path);
    startDecoding(0);
}

LineReader::~LineReader() = default;

void LineReader::open(const QString& path)
{
    file_.setFileName(path);
    // The file is read twice, once to decide its encoding and line ends, so it cannot be a device
    // or a pipe.
    const QFileInfo info(path);
    if (info.isDir())
        throwFolderFailure(QStringLiteral("入力ファイルを開けませんでした。"), path);
    if (info.exists() && !info.isFile())
        throw FileFailure(ESPIPE, QStringLiteral("入力ファイルを開けませんでした。"),
                          QDir::toNativeSeparators(path) +
                              QStringLiteral("\n装置やパイプからは読み込めません。ファイルを指定してください。"));
    clearSystemError();
    if (!file_.open(QIODevice::ReadOnly))
        fail(QStringLiteral("入力ファイルを開けませんでした。"));
}

void LineReader::startDecoding(qint64 skipBytes)
{
    if (skipBytes > 0)
        file_.read(skipBytes);
    decideLineEnd();
    decoder_ = makeDecoder(encoding_);
}

void LineReader::decideLineEnd()
{
    clearSystemError();
    lineEnd_ = holdsCarriageReturn(file_, encoding_) ? u'\r' : u'\n';
    if (file_.error() != QFileDevice::NoError)
        fail(QStringLiteral("入力ファイルを読み込めませんでした。"));
}

void LineReader::fail(const QString& description) const
{
    throwFileFailure(description, file_, lastSystemError());
}

bool LineReader::fill()
{
    if (inputDone_)
        return false;
    if (pos_ > 0) {
        buffer_.remove(0, pos_);
        pos_ = 0;
    }
    raw_.resize(kPieceBytes);
    clearSystemError();
    const qint64 got = file_.read(raw_.data(), kPieceBytes);
    if (got < 0)
        fail(QStringLiteral("入力ファイルを読み込めませんでした。"));
    inputDone_ = got == 0;
    const qsizetype decodedFrom = buffer_.size();
    decoder_->decode(QByteArrayView(raw_.constData(), got), inputDone_, buffer_);
    if (buffer_.indexOf(QChar(0), decodedFrom) >= 0)
        throw FileFailure(
            kNotTextNumber, QStringLiteral("入力ファイルはテキストファイルではありません。"),
            QDir::toNativeSeparators(file_.fileName()) +
                QStringLiteral("\nNUL 文字が含まれています。アドレス一覧のテキストファイルを指定してください。"));
    return true;
}

void LineReader::skipLineFeedAfterCarriageReturn()
{
    if (!lineFeedMayFollow_)
        return;
    while (pos_ >= buffer_.size())
        if (!fill()) {
            lineFeedMayFollow_ = false;
            return;
        }
    if (buffer_.at(pos_) == u'\n')
        ++pos_;
    lineFeedMayFollow_ = false;
}

bool LineReader::atEnd()
{
    skipLineFeedAfterCarriageReturn();
    while (pos_ >= buffer_.size())
        if (!fill())
            return true;
    return false;
}

QString LineReader::readLine()
{
    skipLineFeedAfterCarriageReturn();
    qsizetype searched = 0; // characters after pos_ known to hold no line end
    for (;;) {
        const qsizetype end = buffer_.indexOf(lineEnd_, pos_ + searched);
        if (end >= 0) {
            QString line = buffer_.mid(pos_, end - pos_);
            pos_ = end + 1;
            lineFeedMayFollow_ = lineEnd_ == u'\r';
            return line;
        }
        searched = buffer_.size() - pos_;
        if (!fill()) {
            QString line = buffer_.mid(pos_);
            pos_ = buffer_.size();
            return line;
        }
    }
}

} // namespace paluksen
