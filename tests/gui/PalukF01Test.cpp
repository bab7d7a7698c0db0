#include "gui/PalukF01.h"
#include "store/AddressStore.h"
#include "support/SyntheticListing.h"
#include "support/WindowTest.h"
#include "text/Cp932.h"

#include <QDir>
#include <QPointer>
#include <QProcess>

namespace paluksen::test {
namespace {

const QString kListing = u"山田 太郎\r\n電子メール アドレス :\r\n  taro@example.jp\r\n  会社名 : 山田商事\r\n\r\n"
                         u"友人\r\n  山田 太郎 (taro@example.jp)\r\n  鈴木 (suzuki@example.jp)\r\n\r\n"_qs;
// 山田 is a member of 友人 and so has no row of his own; 鈴木 names nobody stored.
const QStringList kImported = {u"友人|山田 太郎|taro@example.jp|山田商事"_qs, u"友人|鈴木|suzuki@example.jp|"_qs};

class PalukF01Test : public WindowTest {
protected:
    PalukF01Test()
    {
        store_.connection().execute(kEarlierRows);
        earlier_ = storeContent(store_.connection());
    }
    QString listing(const QString& name, const QByteArray& bytes)
    {
        writeFile(QDir(store_.dir()).filePath(name), bytes);
        return QDir(store_.dir()).filePath(name);
    }
    // Presses 処理実行 with the answers given; returns whether the window closed itself.
    bool runImport(std::deque<MessageAnswer> answers, std::deque<QString> files)
    {
        platform_.answers = std::move(answers);
        platform_.fileChoices = std::move(files);
        platform_.messages.clear();
        QPointer<PalukF01> window = new PalukF01(context_);
        window->show();
        child<QPushButton>(window, u"処理実行"_qs)->click();
        settle();
        return window.isNull() && windows_.count() == 0;
    }
    QStringList storedRows()
    {
        QStringList rows;
        for (store::Cursor c(store_.connection(), store::sql::kOutputSorted); !c.atEnd(); c.next())
            rows << c.text(0) + u'|' + c.text(1) + u'|' + c.text(2) + u'|' + c.text(3);
        return rows;
    }
    QString earlier_;
};

// No, and a cancelled dialog, close the window and leave the store as it was.
TEST_F(PalukF01Test, NoOrCancelLeavesTheStore)
{
    QStringList seen; // the status and the button while the question is up
    platform_.whileMessageShown = [&](const auto&) {
        QWidget* window = windows_.windows().constFirst();
        seen << child<QLabel>(window, u"状況表示"_qs)->text() << (child<QPushButton>(window, u"処理実行"_qs)->isEnabled() ? u"on"_qs : u"off"_qs);
    };
    EXPECT_TRUE(runImport({MessageAnswer::No}, {}));
    ASSERT_EQ(platform_.messages.size(), 1);
    EXPECT_EQ(platform_.messages[0].text, u"この処理を行うと、今までのデータはクリアされます。\r\n実行しますか？"_qs);
    EXPECT_EQ(platform_.messages[0].title, u"実行の確認"_qs);
    EXPECT_EQ(platform_.messages[0].style, MessageStyle::Question);
    EXPECT_EQ(seen, (QStringList{u"実行確認"_qs, u"off"_qs}));
    EXPECT_TRUE(platform_.fileDialogs.isEmpty());

    EXPECT_TRUE(runImport({MessageAnswer::Yes}, {QString()}));
    EXPECT_EQ(platform_.fileDialogs,
              (QStringList{u"入力ファイルを指定してください。"_qs, u"テキスト ファイル (*.txt)|*.txt|すべてのファイル (*.*)|*.*"_qs}));
    ASSERT_EQ(platform_.messages.size(), 2);
    EXPECT_EQ(platform_.messages[1].text, u"入力ファイルが指定されていません。\r\n処理をキャンセルします。"_qs);
    EXPECT_EQ(platform_.messages[1].title, u"処理中断"_qs);
    EXPECT_EQ(platform_.messages[1].style, MessageStyle::Exclamation);
    EXPECT_EQ(storeContent(store_.connection()), earlier_);
}

// Every outcome is told over the path being read, and the store holds the new listing only; an
// empty or one-line listing leaves it empty.
TEST_F(PalukF01Test, OutcomesAndEncodings)
{
    auto utf16le = [](const QString& s) { return QByteArray(reinterpret_cast<const char*>(s.utf16()), s.size() * 2); };
    const auto done = [](int lines) { return QStringLiteral(" %1 行のデータを読み込みました。").arg(lines); };
    const struct {
        QString name;
        QByteArray bytes;
        QString text, title;
        MessageStyle style;
        QStringList stored;
    } cases[] = {
        {u"empty.txt"_qs, "", u"入力レコードがありませんでした。"_qs, u"入力レコードなし"_qs, MessageStyle::Exclamation, {}},
        {u"one.txt"_qs, "A\r\n", u"入力レコードが1件しかありませんでした。"_qs, u"入力レコード異常"_qs, MessageStyle::Exclamation, {}},
        {deepFolder(u"."_qs) + u"/a.txt"_qs, "A\r\n\r\n", done(2), u"正常終了"_qs, MessageStyle::Information, {u"|A||"_qs}},
        {u"cp932.txt"_qs, cp932::encode(kListing), done(9), u"正常終了"_qs, MessageStyle::Information, kImported},
        {u"utf8.txt"_qs, kListing.toUtf8(), done(9), u"正常終了"_qs, MessageStyle::Information, kImported},
        {u"utf16.txt"_qs, "\xFF\xFE" + utf16le(kListing), done(9), u"正常終了"_qs, MessageStyle::Information, kImported},
        {u"emoji.txt"_qs, u"旅行\r\n  太郎 (taro@example.jp😀\r\n\r\n"_qs.toUtf8(), done(3), u"正常終了"_qs,
         MessageStyle::Information, {u"旅行|太郎|taro@example.jp|"_qs}},
    };
    for (const auto& c : cases) {
        QDir(store_.dir()).mkpath(QFileInfo(c.name).path());
        const QString path = listing(c.name, c.bytes);
        platform_.whileMessageShown = [&](const ScriptedPlatform::Message& message) {
            const QLabel* status = child<QLabel>(windows_.windows().constFirst(), u"状況表示"_qs);
            if (message.style != MessageStyle::Question) {
                EXPECT_EQ(QString(status->text()).remove(QChar(0x200B)), path + u"\nから読み込み"_qs);
                EXPECT_TRUE(readableInFull(status)) << c.name.toStdString();
            }
        };
        EXPECT_TRUE(runImport({MessageAnswer::Yes}, {path}));
        ASSERT_EQ(platform_.messages.size(), 2) << c.name.toStdString();
        EXPECT_EQ(platform_.messages[1].text, c.text);
        EXPECT_EQ(platform_.messages[1].title, c.title);
        EXPECT_EQ(platform_.messages[1].style, c.style);
        EXPECT_EQ(storedRows(), c.stored) << c.name.toStdString();
    }
}

// Each failure after the clearing is reported under the program-wide rule and leaves the earlier
// content whole; nothing of it stays pending on the connection, so the next import goes through.
TEST_F(PalukF01Test, FailureAfterClearingKeepsTheEarlierContent)
{
    const QString good = listing(u"good.txt"_qs, cp932::encode(kListing));
    const QString large = QDir(store_.dir()).filePath(u"large.txt"_qs);
    writeSyntheticListing(large, 20000);
    ASSERT_TRUE(QDir(store_.dir()).mkdir(u"folder.txt"_qs));
    QProcess holder; // another program holding the store's write lock
    auto sql = [this](const QString& statement) { return [=, this] { store_.connection().execute(statement); }; };
    const struct {
        const char* name;
        QString path;
        std::function<void()> before, after;
        QStringList told;
    } cases[] = {
        {"folder chosen", QDir(store_.dir()).filePath(u"folder.txt"_qs), [] {}, [] {}, {u"folder.txt"_qs}},
        {"file gone", QDir(store_.dir()).filePath(u"gone.txt"_qs), [] {}, [] {}, {u"エラー番号：2\r\n"_qs}},
        {"store refuses rows", good,
         sql(u"CREATE TRIGGER refuse BEFORE INSERT ON グループ情報 BEGIN SELECT RAISE(ABORT, 'refused'); END"_qs),
         sql(u"DROP TRIGGER refuse"_qs), {u"refused"_qs}},
        {"disk full", large,
         [&] {
             const int pages = store::Cursor(store_.connection(), u"PRAGMA page_count").text(0).toInt();
             store_.connection().execute(QStringLiteral("PRAGMA max_page_count = %1").arg(pages + 4));
         },
         sql(u"PRAGMA max_page_count = 1073741823"_qs), {u"エラー番号：13\r\n"_qs, u"ディスクの空き容量が足りません。"_qs}},
        {"store held by another program", good,
         [&] {
             holder.start(QStringLiteral(LOCK_HOLDER), {store_.path()});
             ASSERT_TRUE(holder.waitForReadyRead(30000));
         },
         [&] {
             holder.closeWriteChannel();
             EXPECT_TRUE(holder.waitForFinished(30000));
         },
         {u"エラー番号：5\r\n"_qs, u"アドレス帳データベースは他のプログラムが使用中です。"_qs}},
    };
    for (const auto& c : cases) {
        c.before();
        platform_.endedWith.clear();
        runImport({MessageAnswer::Yes}, {c.path});
        EXPECT_TRUE(platform_.reportedFailure(c.told)) << c.name;
        EXPECT_EQ(storeContent(store_.connection()), earlier_) << c.name;
        c.after();
        for (QWidget* window : windows_.windows())
            delete window;
    }
    EXPECT_TRUE(runImport({MessageAnswer::Yes}, {good}));
    EXPECT_EQ(storedRows(), kImported);
}

} // namespace
} // namespace paluksen::test
