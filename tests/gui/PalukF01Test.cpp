#include "gui/PalukF01.h"
#include "store/AddressStore.h"
#include "support/WindowTest.h"
#include "text/Cp932.h"

#include <QDir>
#include <QPointer>

using namespace paluksen;

namespace {

const QString kListing = QStringLiteral("山田 太郎\r\n電子メール アドレス :\r\n  taro@example.jp\r\n  会社名 : 山田商事\r\n\r\n"
                                        "友人\r\n  山田 太郎 (taro@example.jp)\r\n  鈴木 (suzuki@example.jp)\r\n\r\n");

class PalukF01Test : public test::WindowTest {
protected:
    QString listing(const QString& name, const QByteArray& bytes)
    {
        const QString path = QDir(store_.dir()).filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        test::writeFile(path, bytes);
        return path;
    }
    // Presses 処理実行 with the answers given, and returns whether the window closed itself.
    bool runImport(std::deque<MessageAnswer> answers, std::deque<QString> files)
    {
        platform_.answers = std::move(answers);
        platform_.fileChoices = std::move(files);
        QPointer<PalukF01> window = new PalukF01(context_);
        window->show();
        EXPECT_TRUE(test::child<QLabel>(window, u"状況表示"_qs)->isHidden());
        test::child<QPushButton>(window, u"処理実行"_qs)->click();
        settle();
        return window.isNull() && windows_.count() == 0;
    }
    QStringList storedNames()
    {
        QStringList names;
        for (store::Cursor c(store_.connection(), store::sql::kOutputSorted); !c.atEnd(); c.next())
            names << c.text(0) + u'|' + c.text(1) + u'|' + c.text(2) + u'|' + c.text(3);
        return names;
    }
    void fillEarlierContent()
    {
        ASSERT_TRUE(runImport({MessageAnswer::Yes}, {listing("earlier.txt", "Earlier\r\n\r\n")}));
        platform_.messages.clear();
        platform_.fileDialogs.clear();
    }
    // 山田 is a member of 友人 and so has no row of his own; 鈴木 names nobody stored.
    const QStringList kImported = {u"友人|山田 太郎|taro@example.jp|山田商事"_qs, u"友人|鈴木|suzuki@example.jp|"_qs};
    const QStringList kEarlier = {u"|Earlier||"_qs};
};

TEST_F(PalukF01Test, AnsweringNoClosesWithoutTouchingTheStore)
{
    fillEarlierContent();
    platform_.whileMessageShown = [this](const auto&) {
        auto* window = windows_.windows().constFirst();
        EXPECT_EQ(window->findChild<QLabel*>(u"状況表示"_qs)->text(), u"実行確認"_qs);
        EXPECT_FALSE(window->findChild<QPushButton*>(u"処理実行"_qs)->isEnabled());
    };
    EXPECT_TRUE(runImport({MessageAnswer::No}, {}));
    ASSERT_EQ(platform_.messages.size(), 1);
    EXPECT_EQ(platform_.messages[0].text, u"この処理を行うと、今までのデータはクリアされます。\r\n実行しますか？"_qs);
    EXPECT_EQ(platform_.messages[0].title, u"実行の確認"_qs);
    EXPECT_EQ(platform_.messages[0].style, MessageStyle::Question);
    EXPECT_TRUE(platform_.fileDialogs.isEmpty());
    EXPECT_EQ(storedNames(), kEarlier);
}

TEST_F(PalukF01Test, CancelledDialogTellsSoAndKeepsTheStore)
{
    fillEarlierContent();
    EXPECT_TRUE(runImport({MessageAnswer::Yes}, {QString()}));
    ASSERT_EQ(platform_.fileDialogs.size(), 1);
    EXPECT_EQ(platform_.fileDialogs[0].title, u"入力ファイルを指定してください。"_qs);
    EXPECT_EQ(platform_.fileDialogs[0].filter, u"テキスト ファイル (*.txt)|*.txt|すべてのファイル (*.*)|*.*"_qs);
    ASSERT_EQ(platform_.messages.size(), 2);
    EXPECT_EQ(platform_.messages[1].text, u"入力ファイルが指定されていません。\r\n処理をキャンセルします。"_qs);
    EXPECT_EQ(platform_.messages[1].title, u"処理中断"_qs);
    EXPECT_EQ(platform_.messages[1].style, MessageStyle::Exclamation);
    EXPECT_EQ(storedNames(), kEarlier);
}

TEST_F(PalukF01Test, OutcomesAreToldAndTheStoreHoldsOnlyTheNewListing)
{
    const struct {
        const char* name;
        QByteArray bytes;
        QString text;
        QString title;
        MessageStyle style;
        QStringList stored;
    } cases[] = {
        {"empty.txt", "", u"入力レコードがありませんでした。"_qs, u"入力レコードなし"_qs, MessageStyle::Exclamation, {}},
        {"one.txt", "A\r\n", u"入力レコードが1件しかありませんでした。"_qs, u"入力レコード異常"_qs, MessageStyle::Exclamation, {}},
        {"Programs/Programs/Programs/Programs/Programs/Programs/Programs/Programs/Programs/Programs/person.txt", "A\r\n\r\n", u" 2 行のデータを読み込みました。"_qs, u"正常終了"_qs, MessageStyle::Information, {u"|A||"_qs}},
        {"full.txt", cp932::encode(kListing), u" 9 行のデータを読み込みました。"_qs, u"正常終了"_qs, MessageStyle::Information, kImported},
        {"emoji.txt", u"旅行\r\n  太郎 (taro@example.jp😀\r\n\r\n"_qs.toUtf8(), u" 3 行のデータを読み込みました。"_qs,
         u"正常終了"_qs, MessageStyle::Information, {u"旅行|太郎|taro@example.jp|"_qs}},
    };
    for (const auto& c : cases) {
        fillEarlierContent();
        const QString path = listing(c.name, c.bytes);
        platform_.whileMessageShown = [&](const test::ScriptedPlatform::Message& message) {
            const QLabel* status = windows_.windows().constFirst()->findChild<QLabel*>(u"状況表示"_qs);
            if (message.style != MessageStyle::Question) {
                EXPECT_EQ(QString(status->text()).remove(QChar(0x200B)), path + u"\nから読み込み"_qs);
                EXPECT_TRUE(test::readableInFull(status)) << c.name;
            }
        };
        EXPECT_TRUE(runImport({MessageAnswer::Yes}, {path})) << c.name;
        platform_.whileMessageShown = nullptr;
        ASSERT_EQ(platform_.messages.size(), 2) << c.name;
        EXPECT_EQ(platform_.messages[1].text, c.text) << c.name;
        EXPECT_EQ(platform_.messages[1].title, c.title) << c.name;
        EXPECT_EQ(platform_.messages[1].style, c.style) << c.name;
        EXPECT_EQ(storedNames(), c.stored) << c.name;
    }
}

TEST_F(PalukF01Test, EveryListingEncodingImportsTheSameRows)
{
    auto utf16le = [](const QString& s) { return QByteArray(reinterpret_cast<const char*>(s.utf16()), s.size() * 2); };
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"cp932.txt", cp932::encode(kListing)},
        {"utf8.txt", kListing.toUtf8()},
        {"utf8bom.txt", "\xEF\xBB\xBF" + kListing.toUtf8()},
        {"utf16.txt", "\xFF\xFE" + utf16le(kListing)},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(runImport({MessageAnswer::Yes}, {listing(c.name, c.bytes)})) << c.name;
        EXPECT_EQ(storedNames(), kImported) << c.name;
    }
}

TEST_F(PalukF01Test, FailureAfterClearingKeepsTheEarlierContentAndIsReported)
{
    const QString folder = QDir(store_.dir()).filePath(u"a folder.txt"_qs);
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString vanished = QDir(store_.dir()).filePath(u"vanished.txt"_qs);
    const struct {
        const char* name;
        QString path;
        bool refuseAppend;
    } cases[] = {
        {"folder chosen", folder, false},
        {"file gone", vanished, false},
        {"store refuses rows", listing("good.txt", cp932::encode(kListing)), true},
    };
    for (const auto& c : cases) {
        fillEarlierContent();
        if (c.refuseAppend)
            store_.connection().execute(u"CREATE TRIGGER refuse BEFORE INSERT ON グループ情報 "
                                        u"BEGIN SELECT RAISE(ABORT, 'refused'); END"_qs);
        platform_.answers = {MessageAnswer::Yes};
        platform_.fileChoices = {c.path};
        platform_.endedWith.clear();
        auto* window = new PalukF01(context_);
        test::child<QPushButton>(window, u"処理実行"_qs)->click();
        ASSERT_EQ(platform_.messages.size(), 2) << c.name;
        EXPECT_TRUE(platform_.reportedFailure({u"エラー番号："_qs})) << c.name;
        EXPECT_EQ(storedNames(), kEarlier) << c.name;
        if (c.refuseAppend)
            store_.connection().execute(u"DROP TRIGGER refuse"_qs);
        delete window;
        windows_.unloaded(window);
    }
}

} // namespace
