#include "gui/PalukF01.h"
#include "store/AddressStore.h"
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
    QString listing(const QString& name, const QByteArray& bytes)
    {
        QDir(store_.dir()).mkpath(QFileInfo(name).path());
        writeFile(QDir(store_.dir()).filePath(name), bytes);
        return QDir(store_.dir()).filePath(name);
    }
    // Opens the window and presses 処理実行; the window must close itself.
    QStringList runImport(std::deque<MessageAnswer> answers, std::deque<QString> files = {})
    {
        QPointer<PalukF01> window = new PalukF01(context_);
        window->show();
        const QStringList seen = pressRun(window, std::move(answers), std::move(files));
        EXPECT_TRUE(window.isNull() && windows_.count() == 0);
        return seen;
    }
    QStringList storedRows()
    {
        QStringList rows;
        for (store::Cursor c(store_.connection(), store::sql::kOutputSorted); !c.atEnd(); c.next())
            rows << c.text(0) + u'|' + c.text(1) + u'|' + c.text(2) + u'|' + c.text(3);
        return rows;
    }
    const QString earlier_ = (store_.connection().execute(kEarlierRows), storeContent(store_.connection()));
};

// No, and a cancelled dialog, close the window and leave the store as it was.
TEST_F(PalukF01Test, NoOrCancelLeavesTheStore)
{
    EXPECT_EQ(runImport({MessageAnswer::No}), (QStringList{u"実行確認"_qs, u"off"_qs}));
    const Message question{u"この処理を行うと、今までのデータはクリアされます。\r\n実行しますか？"_qs, u"実行の確認"_qs,
                           MessageStyle::Question};
    EXPECT_EQ(platform_.messages, QList{question});
    EXPECT_TRUE(platform_.fileDialogs.isEmpty());

    runImport({MessageAnswer::Yes}, {QString()});
    EXPECT_EQ(platform_.fileDialogs,
              (QStringList{u"入力ファイルを指定してください。"_qs, u"テキスト ファイル (*.txt)|*.txt|すべてのファイル (*.*)|*.*"_qs}));
    ASSERT_EQ(platform_.messages.size(), 2);
    EXPECT_EQ(platform_.messages[1], (Message{u"入力ファイルが指定されていません。\r\n処理をキャンセルします。"_qs,
                                              u"処理中断"_qs, MessageStyle::Exclamation}));
    EXPECT_EQ(storeContent(store_.connection()), earlier_);
}

// Every outcome is told over the path being read, and the store holds the new listing only; an
// empty or one-line listing leaves it empty.
TEST_F(PalukF01Test, OutcomesAndEncodings)
{
    const auto done = [](int lines) { return QStringLiteral(" %1 行のデータを読み込みました。").arg(lines); };
    const QString utf16 = u"\uFEFF"_qs + kListing;
    const struct {
        QString name;
        QByteArray bytes;
        QString text, title;
        QStringList stored;
    } cases[] = {
        {u"empty.txt"_qs, "", u"入力レコードがありませんでした。"_qs, u"入力レコードなし"_qs, {}},
        {u"one.txt"_qs, "A\r\n", u"入力レコードが1件しかありませんでした。"_qs, u"入力レコード異常"_qs, {}},
        {deepFolder(u"."_qs) + u"/a.txt"_qs, "A\r\n\r\n", done(2), u"正常終了"_qs, {u"|A||"_qs}},
        {u"cp932.txt"_qs, cp932::encode(kListing), done(9), u"正常終了"_qs, kImported},
        {u"utf8.txt"_qs, kListing.toUtf8(), done(9), u"正常終了"_qs, kImported},
        {u"utf16.txt"_qs, QByteArray(reinterpret_cast<const char*>(utf16.utf16()), utf16.size() * 2), done(9), u"正常終了"_qs, kImported},
        {u"emoji.txt"_qs, u"旅行\r\n  太郎 (taro@example.jp😀\r\n\r\n"_qs.toUtf8(), done(3), u"正常終了"_qs, {u"旅行|太郎|taro@example.jp|"_qs}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        const QString path = listing(c.name, c.bytes);
        EXPECT_EQ(runImport({MessageAnswer::Yes}, {path}).value(2), path + u"\nから読み込み"_qs);
        ASSERT_EQ(platform_.messages.size(), 2);
        const MessageStyle style = c.stored.isEmpty() ? MessageStyle::Exclamation : MessageStyle::Information;
        EXPECT_EQ(platform_.messages[1], (Message{c.text, c.title, style}));
        EXPECT_EQ(storedRows(), c.stored);
    }
}

// Each failure after the clearing is reported under the program-wide rule and leaves the earlier
// content whole; nothing of it stays pending on the connection, so the next import goes through.
TEST_F(PalukF01Test, FailureAfterClearingKeepsTheEarlierContent)
{
    const QString good = listing(u"good.txt"_qs, cp932::encode(kListing));
    listing(u"large.txt"_qs, cp932::encode(kListing).repeated(2500));
    ASSERT_TRUE(QDir(store_.dir()).mkdir(u"folder.txt"_qs));
    QProcess holder; // another program holding the store's write lock
    auto sql = [this](const QString& statement) { return [=, this] { store_.connection().execute(statement); }; };
    const struct {
        QString path;
        std::function<void()> before, after;
        QStringList told;
    } cases[] = {
        {u"folder.txt"_qs, [] {}, [] {}, {u"folder.txt"_qs}},
        {u"gone.txt"_qs, [] {}, [] {}, {u"エラー番号：2\r\n"_qs}},
        {good, sql(u"CREATE TRIGGER refuse BEFORE INSERT ON グループ情報 BEGIN SELECT RAISE(ABORT, 'refused'); END"_qs),
         sql(u"DROP TRIGGER refuse"_qs), {u"refused"_qs}},
        {u"large.txt"_qs, // a full disk
         [&] {
             const int pages = store::Cursor(store_.connection(), u"PRAGMA page_count").text(0).toInt();
             store_.connection().execute(QStringLiteral("PRAGMA max_page_count = %1").arg(pages + 4));
         },
         sql(u"PRAGMA max_page_count = 1073741823"_qs), {u"エラー番号：13\r\n"_qs, u"ディスクの空き容量が足りません。"_qs}},
        {good,
         [&] {
             holder.start(u"sqlite3"_qs, {store_.path()});
             holder.write("BEGIN IMMEDIATE;\n.print locked\n");
             ASSERT_TRUE(holder.waitForReadyRead(30000));
         },
         [&] {
             holder.closeWriteChannel();
             EXPECT_TRUE(holder.waitForFinished(30000));
         },
         {u"エラー番号：5\r\n"_qs, u"アドレス帳データベースは他のプログラムが使用中です。"_qs}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.told.constLast().toStdString());
        c.before();
        QPointer<PalukF01> window = new PalukF01(context_);
        pressRun(window, {MessageAnswer::Yes}, {QDir(store_.dir()).filePath(c.path)});
        EXPECT_TRUE(platform_.reportedFailure(c.told));
        EXPECT_EQ(storeContent(store_.connection()), earlier_);
        c.after();
        delete window;
    }
    runImport({MessageAnswer::Yes}, {good});
    EXPECT_EQ(storedRows(), kImported);
}

} // namespace
} // namespace paluksen::test
