#include "gui/FailureReport.h"
#include "gui/HelpWindow.h"
#include "gui/PalukF00.h"
#include "gui/Program.h"
#include "gui/QtPlatform.h"
#include "gui/TaskWindow.h"
#include "support/WindowTest.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

namespace paluksen::test {
namespace {

class EmptyTask : public TaskWindow {
public:
    EmptyTask(TaskContext& context, const QString& name) : TaskWindow(context, name, name, 4680, 1890) {}

protected:
    void run() override {}
};

class MainMenuTest : public WindowTest {
protected:
    MainMenuTest()
    {
        for (int number : {1, 2, 5, 6})
            menu_.setTaskWindow(number, [this, number](TaskContext& context) {
                ++made_[number];
                return new EmptyTask(context, QStringLiteral("Task%1").arg(number));
            });
        menu_.show();
        menu_.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&menu_));
    }
    ~MainMenuTest() override
    {
        for (QWidget* window : windows_.windows())
            if (window != &menu_)
                delete window;
    }
    QPushButton* button(const QString& name) { return child<QPushButton>(&menu_, name); }
    static QWidget* task(int number) { return openWindow(QStringLiteral("Task%1").arg(number)); }
    static bool becomesActive(QWidget* window)
    {
        return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 2000);
    }
    PalukF00 menu_{context_};
    int made_[10] = {};
};

TEST_F(MainMenuTest, F1ShowsHelpWhateverTheModifiersAndATaskWindowIsLoadedOnce)
{
    const std::tuple<Qt::Key, Qt::KeyboardModifiers, bool> keys[] = {
        {Qt::Key_F1, Qt::NoModifier, true}, {Qt::Key_F1, Qt::ShiftModifier | Qt::ControlModifier, true},
        {Qt::Key_F1, Qt::AltModifier, true}, {Qt::Key_F2, Qt::NoModifier, false}};
    for (const auto& [key, modifiers, help] : keys) {
        platform_.helpShown.clear();
        QTest::keyClick(button(u"Command2"_qs), key, modifiers);
        EXPECT_EQ(platform_.helpShown, help ? QStringList{context_.paths.help()} : QStringList{}) << key;
    }
    button(u"Command2"_qs)->click();
    QWidget* first = task(2);
    button(u"Command2"_qs)->click();
    EXPECT_EQ(made_[2], 1);
    EXPECT_EQ(task(2), first);
    first->close();
    settle();
    button(u"Command2"_qs)->click(); // a closed window comes back afresh
    EXPECT_EQ(made_[2], 2);
}

TEST_F(MainMenuTest, ClosingIsRefusedWhileATaskWindowIsOpenAndTheFirstLoadedComesForward)
{
    button(u"Command5"_qs)->click();
    button(u"Command6"_qs)->click();
    const std::function<void()> requests[] = {[this] { button(u"CommandEnd"_qs)->click(); },
                                              [this] { task(5)->showMinimized(); menu_.close(); }};
    for (const auto& request : requests) {
        platform_.messages.clear();
        task(6)->activateWindow();
        request();
        ASSERT_EQ(platform_.messages.size(), 1);
        EXPECT_EQ(platform_.messages[0].text, u"他のフォームが開いているので終了できません。"_qs);
        EXPECT_EQ(platform_.messages[0].title, u"終了不可"_qs);
        EXPECT_EQ(platform_.messages[0].style, MessageStyle::Stop);
        EXPECT_TRUE(menu_.isVisible());
        EXPECT_FALSE(task(5)->isMinimized());
        EXPECT_TRUE(becomesActive(task(5)));
    }
    task(5)->close();
    task(6)->close();
    settle();
    platform_.messages.clear();
    button(u"CommandEnd"_qs)->click();
    EXPECT_TRUE(platform_.messages.isEmpty());
    EXPECT_EQ(windows_.count(), 0);
}

// Showing a minimized window again brings it back: its button, and F1 for the help window.
TEST_F(MainMenuTest, AMinimizedWindowComesBackWhenShownAgain)
{
    button(u"Command5"_qs)->click();
    QtPlatform qt; // the real help window; the scripted platform only records the request
    qt.showHelp(&menu_, u"/no/such/paluksen.hlp"_qs);
    QWidget* help = openWindow(u"ヘルプ"_qs);
    ASSERT_TRUE(help);
    EXPECT_TRUE(static_cast<HelpWindow*>(help)->toPlainText().contains(u"ヘルプファイルが見つかりません。"_qs));
    EXPECT_FALSE(help->testAttribute(Qt::WA_QuitOnClose));
    EXPECT_EQ(windows_.count(), 2); // the help window is no task window
    const std::pair<QWidget*, std::function<void()>> cases[] = {
        {task(5), [this] { button(u"Command5"_qs)->click(); }},
        {help, [&] { qt.showHelp(&menu_, context_.paths.help()); }}};
    for (const auto& [window, request] : cases) {
        window->showMinimized();
        menu_.activateWindow();
        request();
        EXPECT_FALSE(window->isMinimized());
        EXPECT_TRUE(becomesActive(window));
    }
}

TEST_F(MainMenuTest, ReturnAndKeypadEnterPressTheFocusedButton)
{
    for (const auto& [key, modifiers] : {std::pair{Qt::Key_Return, Qt::KeyboardModifiers()},
                                         std::pair{Qt::Key_Enter, Qt::KeyboardModifiers(Qt::KeypadModifier)}}) {
        EmptyTask task(context_, u"Task"_qs);
        QList<QPushButton*> buttons = {child<QPushButton>(&task, u"処理実行"_qs)};
        for (QPushButton* shown : menu_.findChildren<QPushButton*>())
            if (shown->isVisible())
                buttons << shown;
        for (QPushButton* pressed : buttons) {
            QSignalSpy clicked(pressed, &QPushButton::clicked);
            QTest::keyClick(pressed, key, modifiers);
            EXPECT_EQ(clicked.count(), 1) << pressed->objectName().toStdString() << " " << key;
        }
    }
}

// "*.*" lists only names with a dot off Windows: a listing saved without an extension.
TEST(QtPlatformTest, AllFilesFilterListsEveryFile)
{
    EXPECT_EQ(qtFileFilter(u"テキスト ファイル (*.txt)|*.txt|すべてのファイル (*.*)|*.*"_qs),
              u"テキスト ファイル (*.txt);;すべてのファイル (*)"_qs);
}

TEST(Startup, StoreThatCannotBeOpenedEndsTheProgramBeforeAnyWindow)
{
    QTemporaryDir dir;
    writeFile(dir.filePath(u"broken.mdb"_qs), QByteArray("not a database at all ").repeated(50));
    for (const auto& [executable, number] : {std::pair{u"missing"_qs, 14}, std::pair{u"broken"_qs, 26}}) {
        ScriptedPlatform platform;
        const QList<QWidget*> before = QApplication::topLevelWidgets();
        EXPECT_EQ(Program::start(platform, dir.filePath(executable)), nullptr);
        ASSERT_EQ(platform.messages.size(), 1);
        EXPECT_TRUE(platform.reportedFailure({QStringLiteral("エラー番号：%1").arg(number)}));
        EXPECT_EQ(QApplication::topLevelWidgets(), before);
    }
    ScriptedPlatform platform;
    EXPECT_FALSE(runGuarded(platform, [] { throw std::bad_alloc(); }));
    EXPECT_TRUE(platform.reportedFailure({u"メモリが不足しています。"_qs}));
}

TEST(Startup, RenamedExecutableOpensItsOwnStoreAndMakesItsFolderCurrent)
{
    TestStore store; // holds paluksen.mdb
    ASSERT_TRUE(QFile::copy(store.path(), QDir(store.dir()).filePath(u"renamed.mdb"_qs)));
    ScriptedPlatform platform;
    const auto program = Program::start(platform, QDir(store.dir()).filePath(u"renamed"_qs));
    ASSERT_NE(program, nullptr);
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_EQ(QDir::currentPath(), QDir(store.dir()).canonicalPath());
    EXPECT_EQ(program->paths().help(), QDir(store.dir()).filePath(u"renamed.hlp"_qs));
    EXPECT_TRUE(program->mainWindow().isVisible());
    program->mainWindow().close();
}

} // namespace
} // namespace paluksen::test
