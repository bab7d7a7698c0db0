#include "StoreContent.h"
#include "gui/PalukF01.h"
#include "gui/TaskContext.h"
#include "gui/WindowRegistry.h"
#include "support/ScriptedPlatform.h"
#include "support/TestStore.h"
#include "support/WindowTest.h"
#include "text/Cp932.h"
#include "text/LineReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <functional>
#include <random>

namespace paluksen::test {
namespace {

// Chooses as the scripted platform does, then may take the file away again, as another program
// could between the dialog closing and the import opening the file.
class VanishingPlatform : public ScriptedPlatform {
public:
    bool removeAfterChoice = false;

    QString openFileDialog(QWidget* owner, const QString& title, const QString& filter) override
    {
        const QString path = ScriptedPlatform::openFileDialog(owner, title, filter);
        if (removeAfterChoice) {
            EXPECT_TRUE(QFile::remove(path)) << path.toStdString();
        }
        return path;
    }
};

// What one listing must lead to. An import that went through tells its outcome and leaves the
// listing's rows; a failure is reported under the program-wide rule and leaves the earlier rows.
struct Expected {
    QString path;
    bool reported = false; // a failure report rather than an outcome message
    QString text;          // the outcome message; unused for a report
    QString title;
    MessageStyle style = MessageStyle::Stop;
    StoreContent stored;
};

const QString kListing = u"山田 太郎\r\n電子メール アドレス :\r\n  taro@example.jp\r\n  会社名 : 山田商事\r\n\r\n"
                         u"友人\r\n  山田 太郎 (taro@example.jp)\r\n  鈴木 (suzuki@example.jp)\r\n\r\n"_qs;

Expected imported(const QString& path, qint64 lines, StoreContent stored)
{
    return {path, false, QStringLiteral(" %1 行のデータを読み込みました。").arg(lines), u"正常終了"_qs,
            MessageStyle::Information, std::move(stored)};
}

Expected oneLineOnly(const QString& path)
{
    return {path, false, u"入力レコードが1件しかありませんでした。"_qs, u"入力レコード異常"_qs, MessageStyle::Exclamation, {}};
}

Expected failureReported(const QString& path)
{
    return {path, true, {}, u"Paluksen"_qs, MessageStyle::Stop, earlierContent()};
}

// Lines as the listing format counts them: CR LF or a lone CR ends a line, a lone LF does not,
// and a last line without its end still counts.
qint64 countLines(const QByteArray& bytes)
{
    qint64 lines = 0;
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r')
            continue;
        ++lines;
        if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        lineStart = i + 1;
    }
    return lines + (lineStart < bytes.size() ? 1 : 0);
}

// The rows the parser makes of a file, read the way the import reads it.
StoreContent parsedRows(const QString& path)
{
    struct Collector : LineSource, AddressSink, GroupSink {
        explicit Collector(const QString& path) : reader(path) {}
        bool atEnd() override { return reader.atEnd(); }
        QString readLine() override { return reader.readLine(); }
        void append(const AddressEntry& e) override
        {
            rows.addresses.push_back({e.name, e.address, e.company, e.department, e.title});
        }
        void append(const GroupMembership& m) override { rows.memberships.push_back({m.group, m.name, m.address}); }
        LineReader reader;
        StoreContent rows;
    } collector(path);
    parseListing(collector, collector, collector);
    return collector.rows;
}

bool anyValueHolds(const StoreContent& content, QChar character)
{
    for (const auto* table : {&content.addresses, &content.memberships})
        for (const Row& row : *table)
            for (const store::Text& value : row)
                if (value && value->contains(character))
                    return true;
    return false;
}

class HostileListingTest : public ::testing::Test {
protected:
    QString pathOf(const QString& name) const { return QDir(store_.dir()).filePath(name); }

    TestStore store_;
    VanishingPlatform platform_;
    WindowRegistry windows_;
    TaskContext context_{platform_, store_.connection(), {store_.dir(), QStringLiteral("paluksen")}, windows_};
};

TEST_F(HostileListingTest, EveryListingEndsInAToldOutcomeOrAReportedFailure)
{
    const struct {
        const char* name;
        bool vanishes;
        std::function<Expected()> prepare;
    } cases[] = {
        {"a folder chosen as the listing", false,
         [&] {
             EXPECT_TRUE(QDir().mkpath(pathOf(u"folder.txt"_qs)));
             return failureReported(pathOf(u"folder.txt"_qs));
         }},
        {"a listing that vanished after it was chosen", true,
         [&] {
             writeFile(pathOf(u"vanishing.txt"_qs), cp932::encode(kListing));
             return failureReported(pathOf(u"vanishing.txt"_qs));
         }},
        {"random bytes with NULs", false,
         [&] {
             // Every line becomes a header, a member or a note, so the parse goes through; the
             // rows must reach the store whole, NULs and replacement characters included.
             std::mt19937 random(4711);
             QByteArray bytes(256 * 1024, '\0');
             for (char& byte : bytes)
                 byte = static_cast<char>(random() & 0xFF);
             bytes[0] = 'B'; // not a byte-order mark
             const QString path = pathOf(u"binary.bin"_qs);
             writeFile(path, bytes);
             Expected expected = imported(path, countLines(bytes), parsedRows(path));
             EXPECT_TRUE(anyValueHolds(expected.stored, QChar(u'\0')));
             EXPECT_TRUE(anyValueHolds(expected.stored, QChar(QChar::ReplacementCharacter)));
             return expected;
         }},
        {"100 MB in a single line without a line end", false,
         [&] {
             const QString path = pathOf(u"one long line.txt"_qs);
             QFile file(path);
             EXPECT_TRUE(file.open(QIODevice::WriteOnly));
             const QByteArray piece = cp932::encode(u"山田 太郎 (taro@example.jp) 電子メール アドレス : "_qs).repeated(20000);
             for (qint64 written = 0; written < 100LL * 1024 * 1024; written += piece.size())
                 EXPECT_EQ(file.write(piece), piece.size());
             file.close();
             return oneLineOnly(path);
         }},
        {"10,000 blank lines", false,
         [&] {
             // Every two blank lines are a header and the blank line that closes a person.
             const QString path = pathOf(u"blank.txt"_qs);
             writeFile(path, QByteArray("\r\n").repeated(10000));
             return imported(path, 10000, {std::vector<Row>(5000, Row(5, u""_qs)), {}});
         }},
        {"lines ended by CR alone", false,
         [&] {
             const QString path = pathOf(u"cr.txt"_qs);
             writeFile(path, cp932::encode(QString(kListing).replace(u"\r\n"_qs, u"\r"_qs)));
             return imported(path, 9,
                             {{{u"山田 太郎"_qs, u"taro@example.jp"_qs, u"山田商事"_qs, std::nullopt, std::nullopt}},
                              {{u"友人"_qs, u"山田 太郎"_qs, u"taro@example.jp"_qs},
                               {u"友人"_qs, u"鈴木"_qs, u"suzuki@example.jp"_qs}}});
         }},
        {"lines ended by LF alone", false,
         [&] {
             // A LF without its CR belongs to the line, so the whole file is a single line.
             const QString path = pathOf(u"lf.txt"_qs);
             writeFile(path, cp932::encode(QString(kListing).replace(u"\r\n"_qs, u"\n"_qs)));
             return oneLineOnly(path);
         }},
    };

    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        store_.connection().execute(u"DELETE FROM アドレス情報; DELETE FROM グループ情報"_qs);
        appendContent(store_.connection(), earlierContent());
        const Expected expected = c.prepare();
        platform_.answers = {MessageAnswer::Yes};
        platform_.fileChoices = {expected.path};
        platform_.removeAfterChoice = c.vanishes;
        platform_.messages.clear();
        platform_.endedWith.clear();

        QPointer<PalukF01> window = new PalukF01(context_);
        window->show();
        test::child<QPushButton>(window, u"処理実行"_qs)->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        ASSERT_EQ(platform_.messages.size(), 2);
        const ScriptedPlatform::Message& told = platform_.messages[1];
        EXPECT_EQ(told.title, expected.title);
        EXPECT_EQ(told.style, expected.style);
        if (expected.reported) {
            EXPECT_TRUE(told.text.contains(u"エラー番号："_qs)) << told.text.toStdString();
            EXPECT_EQ(platform_.endedWith, QList<int>{1});
        } else {
            EXPECT_EQ(told.text, expected.text);
            EXPECT_TRUE(platform_.endedWith.isEmpty());
            EXPECT_TRUE(window.isNull()) << "the window closes after every outcome";
        }
        EXPECT_EQ(fingerprintOf(store_.connection()), fingerprintOf(expected.stored));

        if (window) {
            window->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        if (QFileInfo(expected.path).isFile()) {
            EXPECT_TRUE(QFile::remove(expected.path));
        }
    }
}

} // namespace
} // namespace paluksen::test
