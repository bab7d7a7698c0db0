#include "gui/FailureReport.h"
#include "gui/PalukF00.h"
#include "gui/QtPlatform.h"
#include "gui/SetFormCaption.h"
#include "gui/TaskWindow.h"
#include "gui/Twips.h"
#include "support/WindowTest.h"
#include "text/Failure.h"

#include <QApplication>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

using namespace paluksen;

namespace {

class EmptyTask : public TaskWindow {
public:
    EmptyTask(TaskContext& context, const QString& name) : TaskWindow(context, name, name, 4680, 1890) {}

protected:
    void run() override {}
};

class MainMenuTest : public test::WindowTest {
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
    QPushButton* button(int number) { return test::child<QPushButton>(&menu_, QStringLiteral("Command%1").arg(number)); }
    QPushButton* endButton() { return test::child<QPushButton>(&menu_, QStringLiteral("CommandEnd")); }
    QWidget* taskWindow(int number) { return test::openWindow(QStringLiteral("Task%1").arg(number)); }
    PalukF00 menu_{context_};
    int made_[10] = {};
};

TEST(FormCaption, VersionIsWrittenWithTwoDigitMinorAndPatch)
{
    const struct {
        ProgramVersion version;
        const char16_t* caption;
    } cases[] = {
        {{1, 0, 0}, u"PalukF00：Paluksen Ver.1.00.00"},
        {{10, 5, 12}, u"PalukF00：Paluksen Ver.10.05.12"},
        {{1, 123, 7}, u"PalukF00：Paluksen Ver.1.123.07"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formCaption(QStringLiteral("PalukF00"), c.version), QString::fromUtf16(c.caption));
}

TEST(ProgramPathsTest, RenamedExecutableLooksForFilesOfItsOwnName)
{
    const ProgramPaths paths = ProgramPaths::fromExecutable(QStringLiteral("/opt/tools/MyBook.exe"));
    EXPECT_EQ(paths.dir, u"/opt/tools"_qs);
    EXPECT_EQ(paths.store(), u"/opt/tools/MyBook.mdb"_qs);
    EXPECT_EQ(paths.help(), u"/opt/tools/MyBook.hlp"_qs);
    EXPECT_EQ(ProgramPaths::fromExecutable(QStringLiteral("/opt/paluksen")).store(), u"/opt/paluksen.mdb"_qs);
}

TEST_F(MainMenuTest, ControlsStandWhereTheyBelong)
{
    EXPECT_EQ(menu_.windowTitle(), u"PalukF00：Paluksen Ver.1.00.00"_qs);
    EXPECT_EQ(menu_.size(), twipsSize(5130, 6795));
    const QString space(1, QChar(0x3000));
    const struct {
        int number;
        QString caption;
        bool shown;
    } buttons[] = {
        {1, u"(&1)アドレス帳データを取り込み"_qs + space.repeated(7), true},
        {2, u"(&2)CSV 出力"_qs + space.repeated(16), true},
        {3, u"(&3)"_qs + space.repeated(20), false},
        {5, u"(&5)EdMax アドレス帳作成"_qs + space.repeated(10), true},
        {6, u"(&6)鶴亀アドレス帳作成"_qs + space.repeated(11), true},
        {9, u"(&9)"_qs + space.repeated(20), false},
    };
    for (const auto& b : buttons) {
        QPushButton* shown = button(b.number);
        EXPECT_EQ(shown->objectName(), QStringLiteral("Command%1").arg(b.number));
        EXPECT_EQ(shown->text(), b.caption);
        EXPECT_EQ(shown->isVisible(), b.shown) << b.number;
        EXPECT_EQ(shown->geometry(), twipsRect(500, 200 + 500 * (b.number - 1), 4200, 450));
    }
    EXPECT_EQ(endButton()->text(), u"終了(&X)"_qs);
    EXPECT_TRUE(endButton()->font().bold());
    EXPECT_DOUBLE_EQ(endButton()->font().pointSizeF(), 9.75);
    EXPECT_EQ(menu_.findChild<QLabel*>(u"Label2"_qs)->text(), u"F1 で HELP表示"_qs);
}

TEST_F(MainMenuTest, F1ShowsHelpWhateverTheModifiersAndOtherKeysDoNothing)
{
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool help;
    } cases[] = {
        {Qt::Key_F1, Qt::NoModifier, true},      {Qt::Key_F1, Qt::ShiftModifier, true},
        {Qt::Key_F1, Qt::ControlModifier, true}, {Qt::Key_F1, Qt::AltModifier, true},
        {Qt::Key_F2, Qt::NoModifier, false},     {Qt::Key_F12, Qt::ShiftModifier, false},
    };
    for (const auto& c : cases) {
        platform_.helpShown.clear();
        QTest::keyClick(button(2), c.key, c.modifiers);
        EXPECT_EQ(platform_.helpShown, c.help ? QStringList{context_.paths.help()} : QStringList{}) << c.key;
    }
    EXPECT_EQ(windows_.count(), 1); // help is no task window
}

TEST_F(MainMenuTest, ATaskWindowIsLoadedOnceWhilePressedTwice)
{
    button(2)->click();
    QWidget* first = taskWindow(2);
    button(2)->click();
    EXPECT_EQ(made_[2], 1);
    EXPECT_EQ(taskWindow(2), first);
    EXPECT_EQ(windows_.count(), 2);
    first->close();
    settle();
    button(2)->click(); // a closed window comes back afresh
    EXPECT_EQ(made_[2], 2);
}

TEST_F(MainMenuTest, ClosingIsRefusedWhileATaskWindowIsOpenAndFocusGoesToTheFirstLoaded)
{
    button(5)->click();
    button(6)->click();
    QWidget* first = taskWindow(5);
    const std::function<void()> requests[] = {
        [this] { endButton()->click(); },
        [this] { menu_.close(); }, // the close box and Alt+F4 both arrive as a close request
    };
    for (const auto& request : requests) {
        platform_.messages.clear();
        taskWindow(6)->activateWindow();
        request();
        ASSERT_EQ(platform_.messages.size(), 1);
        EXPECT_EQ(platform_.messages[0].text, u"他のフォームが開いているので終了できません。"_qs);
        EXPECT_EQ(platform_.messages[0].title, u"終了不可"_qs);
        EXPECT_EQ(platform_.messages[0].style, MessageStyle::Stop);
        EXPECT_TRUE(menu_.isVisible());
        EXPECT_TRUE(QTest::qWaitFor([first] { return QApplication::activeWindow() == first; }, 2000));
    }
    taskWindow(5)->close();
    taskWindow(6)->close();
    settle();
    platform_.messages.clear();
    endButton()->click();
    EXPECT_TRUE(platform_.messages.isEmpty());
    EXPECT_FALSE(menu_.isVisible());
    EXPECT_EQ(windows_.count(), 0);
}

TEST_F(MainMenuTest, AMinimizedWindowIsRestoredAndActivated)
{
    button(5)->click();
    QtPlatform qt; // the real help window; the scripted platform only records the request
    qt.showHelp(&menu_, context_.paths.help());
    QWidget* task = taskWindow(5);
    QWidget* help = test::openWindow(u"ヘルプ"_qs);
    ASSERT_TRUE(task && help);
    const struct {
        const char* way;
        QWidget* window;
        std::function<void()> request;
    } cases[] = {
        {"closing guard", task, [this] { endButton()->click(); }},
        {"its button again", task, [this] { button(5)->click(); }},
        {"F1", help, [&] { qt.showHelp(&menu_, context_.paths.help()); }},
    };
    for (const auto& c : cases) {
        c.window->showMinimized();
        menu_.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&menu_));
        c.request();
        EXPECT_FALSE(c.window->isMinimized()) << c.way;
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == c.window; }, 2000)) << c.way;
    }
}

TEST_F(MainMenuTest, ReturnAndKeypadEnterPressTheFocusedButton)
{
    for (const auto& [key, modifiers] : {std::pair{Qt::Key_Return, Qt::KeyboardModifiers()},
                                         std::pair{Qt::Key_Enter, Qt::KeyboardModifiers(Qt::KeypadModifier)}}) {
        EmptyTask task(context_, u"Task"_qs); // its run button presses only once
        QList<QPushButton*> buttons = {test::child<QPushButton>(&task, u"処理実行"_qs)};
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

TEST(FailureReportTest, NamesTheNumberTheDescriptionAndTheEnginesWords)
{
    const QString text = failureReportText(StoreFailure(5, u"使用中です。"_qs, u"database is locked\nC:/x.mdb"_qs));
    EXPECT_EQ(text, u"エラー番号：5\r\n使用中です。\r\ndatabase is locked\r\nC:/x.mdb"_qs);
    test::ScriptedPlatform platform;
    EXPECT_FALSE(runGuarded(platform, [] { throw std::bad_alloc(); }));
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].title, u"Paluksen"_qs);
    EXPECT_EQ(platform.messages[0].style, MessageStyle::Stop);
    EXPECT_TRUE(platform.messages[0].text.contains(u"メモリが不足しています。"_qs));
    EXPECT_EQ(platform.endedWith, QList<int>{1});
}

} // namespace
