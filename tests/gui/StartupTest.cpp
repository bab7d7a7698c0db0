#include "gui/HelpWindow.h"
#include "gui/Program.h"
#include "support/ScriptedPlatform.h"
#include "support/TestStore.h"

#include <QApplication>
#include <QDir>
#include <QFile>

using namespace paluksen;

namespace {

bool anyWindowShown()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible())
            return true;
    return false;
}

TEST(Startup, StoreThatCannotBeOpenedEndsTheProgramBeforeAnyWindow)
{
    QTemporaryDir dir;
    test::writeFile(dir.filePath(u"broken.mdb"_qs), QByteArray("not a database at all ").repeated(50));
    const struct {
        const char16_t* executable;
        int number;
    } cases[] = {{u"missing", 14}, {u"broken", 26}};
    for (const auto& c : cases) {
        test::ScriptedPlatform platform;
        const auto program = Program::start(platform, dir.filePath(QString::fromUtf16(c.executable)));
        EXPECT_EQ(program, nullptr);
        ASSERT_EQ(platform.messages.size(), 1);
        EXPECT_EQ(platform.messages[0].title, u"Paluksen"_qs);
        EXPECT_EQ(platform.messages[0].style, MessageStyle::Stop);
        EXPECT_TRUE(platform.messages[0].text.contains(QStringLiteral("エラー番号：%1").arg(c.number)))
            << platform.messages[0].text.toStdString();
        EXPECT_EQ(platform.endedWith, QList<int>{1});
        EXPECT_FALSE(anyWindowShown());
    }
}

TEST(Startup, RenamedExecutableOpensItsOwnStoreAndMakesItsFolderCurrent)
{
    test::TestStore store; // holds paluksen.mdb
    ASSERT_TRUE(QFile::copy(store.path(), QDir(store.dir()).filePath(u"renamed.mdb"_qs)));
    test::ScriptedPlatform platform;
    const auto program = Program::start(platform, QDir(store.dir()).filePath(u"renamed"_qs));
    ASSERT_NE(program, nullptr);
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_EQ(QDir::currentPath(), QDir(store.dir()).canonicalPath());
    EXPECT_EQ(program->paths().help(), QDir(store.dir()).filePath(u"renamed.hlp"_qs));
    EXPECT_TRUE(program->mainWindow().isVisible());
    program->mainWindow().close();
}

TEST(HelpWindowTest, MissingHelpFileIsSaidInTheWindowAndDoesNotKeepTheProgramAlive)
{
    HelpWindow help;
    help.showFile(u"/no/such/paluksen.hlp"_qs);
    EXPECT_TRUE(help.isVisible());
    EXPECT_TRUE(help.toPlainText().contains(u"ヘルプファイルが見つかりません。"_qs));
    EXPECT_FALSE(help.testAttribute(Qt::WA_QuitOnClose));

    QTemporaryDir dir;
    test::writeFile(dir.filePath(u"p.hlp"_qs), u"<h1>使い方</h1>"_qs.toUtf8());
    help.showFile(dir.filePath(u"p.hlp"_qs));
    EXPECT_EQ(help.toPlainText(), u"使い方"_qs);
}

} // namespace
