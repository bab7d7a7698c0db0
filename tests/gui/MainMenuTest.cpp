#include "gui/MainMenu.h"
#include "gui/AddressBookWindow.h"
#include "gui/CsvWindow.h"
#include "gui/FailureReport.h"
#include "gui/HelpWindow.h"
#include "gui/ImportWindow.h"
#include "gui/Program.h"
#include "gui/QtPlatform.h"
#include "gui/VcardWindow.h"
#include "support/WindowTest.h"

#include <QComboBox>
#include <QDir>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>

namespace paluksen::test {
namespace {

// A shown top-level window by its object name, or null.
QWidget* shown(const QString& name)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == name && window->isVisible())
            return window;
    return nullptr;
}

class MainMenuTest : public WindowTest {
protected:
    MainMenuTest()
    {
        addTaskWindows(menu_);
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
    void press(int number) // 0 for 終了
    {
        child<QPushButton>(&menu_, number ? QStringLiteral("Command%1").arg(number) : u"CommandEnd"_qs)->click();
    }
    static QWidget* task(int number) { return shown(QStringLiteral("PalukF0%1").arg(number)); }
    MainMenu menu_{context_};
};

TEST_F(MainMenuTest, F1ShowsHelpWhateverTheModifiersAndReturnOrEnterLoadATaskWindowOnce)
{
    QPushButton* focused = child<QPushButton>(&menu_, u"Command2"_qs);
    for (const auto modifiers : {Qt::KeyboardModifiers(), Qt::ShiftModifier | Qt::ControlModifier, Qt::KeyboardModifiers(Qt::AltModifier)})
        QTest::keyClick(focused, Qt::Key_F1, modifiers);
    QTest::keyClick(focused, Qt::Key_F2);
    EXPECT_EQ(platform_.helpShown, QStringList(3, context_.paths.help));
    QTest::keyClick(focused, Qt::Key_Return); // keyboard users press every button with Return and Enter
    QPointer<QWidget> first = task(2);
    ASSERT_TRUE(first);
    QTest::keyClick(focused, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(windows_.count(), 2);
    EXPECT_EQ(task(2), first);
    first->close();
    settle();
    press(2); // a closed window comes back afresh
    EXPECT_TRUE(first.isNull() && task(2));
}

// The closing guard brings the first-loaded task window forward, minimized or not, and showing a
// minimized window again brings it back: its button, and F1 for the help window, which shows the
// help file beside the program.
TEST_F(MainMenuTest, GuardAndShowingAgainBringAWindowForward)
{
    press(5);
    press(6);
    QtPlatform qt; // the real help window; the scripted platform only records the request
    qt.showHelp(&menu_, u"/no/such/paluksen.hlp"_qs);
    auto* help = static_cast<HelpWindow*>(shown(u"ヘルプ"_qs));
    ASSERT_TRUE(help);
    EXPECT_TRUE(help->toPlainText().contains(u"ヘルプファイルが見つかりません。"_qs));
    EXPECT_FALSE(help->testAttribute(Qt::WA_QuitOnClose));
    const std::tuple<QWidget*, std::function<void()>, bool> cases[] = {
        // window, request, refused
        {task(5), [&] { press(0); }, true},
        {task(5), [&] { task(5)->showMinimized(), menu_.close(); }, true},
        {task(5), [&] { task(5)->showMinimized(), press(5); }, false},
        {help, [&] { help->showMinimized(), qt.showHelp(&menu_, QFileInfo(QStringLiteral(PALUKSEN_EXE)).dir().filePath(u"paluksen.hlp"_qs)); }, false},
    };
    const Message refusal{u"他のフォームが開いているので終了できません。"_qs, u"終了不可"_qs, MessageStyle::Stop};
    for (const auto& [window, request, refused] : cases) {
        platform_.messages.clear();
        task(6)->activateWindow();
        request();
        EXPECT_EQ(platform_.messages, refused ? QList{refusal} : QList<Message>{});
        EXPECT_TRUE(menu_.isVisible());
        EXPECT_FALSE(window->isMinimized());
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == window; }, 2000));
    }
    task(5)->close();
    task(6)->close();
    settle();
    platform_.messages.clear();
    press(0); // the help window is no task window
    EXPECT_TRUE(platform_.messages.isEmpty());
    EXPECT_EQ(windows_.count(), 0);
    // The help shipped beside the program reads as Japanese is written, with no space where its
    // source breaks a line between sentences; it fits the window's width; Escape closes it.
    EXPECT_TRUE(help->toPlainText().contains(u"paluksen vcard [OUTPUT]"_qs));
    EXPECT_FALSE(help->toPlainText().contains(QRegularExpression(u"[。、] +\\S"_qs)));
    EXPECT_EQ(help->horizontalScrollBar()->maximum(), 0);
    QTest::keyClick(help, Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
}

// "*.*" lists only names with a dot off Windows: a listing saved without an extension.
TEST(QtPlatformTest, AllFilesFilterListsEveryFile)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "Windows' dialog lists every file for *.*, which stays as it is";
#endif
    EXPECT_EQ(qtFileFilter(u"テキスト ファイル (*.txt)|*.txt|すべてのファイル (*.*)|*.*"_qs),
              u"テキスト ファイル (*.txt);;すべてのファイル (*)"_qs);
}

// The store is the one named after the executable, so a renamed copy keeps its own; one that
// cannot be opened ends the program before any window, saying how to start afresh, as does
// running out of memory.
TEST(Startup, OpensTheStoreNamedAfterTheExecutableOrEndsTheProgram)
{
    const QString startedIn = QDir::currentPath(); // the start moves into the program's folder
    TestStore store;                               // holds paluksen.mdb
    const QDir dir(store.dir());
    ASSERT_TRUE(QFile::copy(store.path(), dir.filePath(u"renamed.mdb"_qs)));
    writeFile(dir.filePath(u"broken.mdb"_qs), QByteArray("not a database at all ").repeated(50));
    writeFile(dir.filePath(u"empty.mdb"_qs), QByteArray()); // a database without the tables
    for (const auto& [executable, number, reason, afresh] :
         {std::tuple{u"missing"_qs, kMissingFile.number, kMissingFile.words, u"プログラムをインストールし直してください。"_qs},
          std::tuple{u"broken"_qs, 26, u"形式が正しくありません"_qs, u"配布時の broken.mdb をプログラムと同じフォルダにコピー"_qs}, std::tuple{u"empty"_qs, 1, u"表「アドレス情報」がありません"_qs, u"配布時の empty.mdb をプログラムと同じフォルダにコピー"_qs}}) {
        ScriptedPlatform platform;
        const QList<QWidget*> before = QApplication::topLevelWidgets();
        EXPECT_EQ(Program::start(platform, ProgramPaths::fromExecutable(dir.filePath(executable))), nullptr); // none copied: nothing in the user's places
        const QString path = dir.filePath(executable + u".mdb"_qs);
        EXPECT_TRUE(platform.messages.size() == 1 && platform.reportedFailure({QStringLiteral("エラー番号：%1").arg(number), QDir::toNativeSeparators(path), reason, afresh}));
        EXPECT_EQ(QApplication::topLevelWidgets(), before);
        EXPECT_EQ(QFile::exists(path), executable != u"missing"); // opening never creates the store
    }
    ScriptedPlatform platform;
    EXPECT_FALSE(runGuarded(platform, [] { throw std::bad_alloc(); }));
    EXPECT_TRUE(platform.reportedFailure({u"メモリが不足しています。"_qs}));
    ScriptedPlatform quiet;
    const auto program = Program::start(quiet, ProgramPaths::fromExecutable(dir.filePath(u"renamed"_qs)));
    ASSERT_TRUE(program && quiet.messages.isEmpty() && program->mainWindow().isVisible());
    EXPECT_EQ(QDir::currentPath(), dir.canonicalPath());
    EXPECT_EQ(program->paths().help, dir.filePath(u"renamed.hlp"_qs));
    child<QPushButton>(&program->mainWindow(), u"Command2"_qs)->click(); // its buttons open the task windows
    ASSERT_TRUE(shown(u"PalukF02"_qs));
    shown(u"PalukF02"_qs)->close();
    program->mainWindow().close();
    QDir::setCurrent(startedIn); // the test data's paths are on that drive under Wine, and a temporary folder is not
}

// One line for the window and one for each of its controls: name, kind (of control), text, place and size in
// pixels, shown or hidden, font, alignment of labels, tooltip. The program folder reads as <dir>,
// and "\\" on Windows as "/".
QString layoutOf(QWidget& window, const QString& dir)
{
    auto line = [&](const QWidget* w, QString text) {
        const QRect r = w == &window ? QRect(QPoint(), w->size()) : w->geometry();
        text = QDir::fromNativeSeparators(text.remove(QChar(0x200B))).replace(dir, u"<dir>"_qs).replace(u'\n', u"\\n"_qs);
        const QString place = QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
        QString row = QStringLiteral("%1 %2 \"%3\" %4 %5 %6pt%7")
                          .arg(w->objectName(), w == &window ? u"window"_qs : QString::fromLatin1(w->metaObject()->className()), text)
                          .arg(place, w->isHidden() ? u"hidden"_qs : u"shown"_qs)
                          .arg(w->font().pointSizeF())
                          .arg(w->font().bold() ? u" bold"_qs : QString());
        if (const auto* label = qobject_cast<const QLabel*>(w))
            row += QStringLiteral(" align %1").arg(int(label->alignment()), 0, 16);
        if (!w->toolTip().isEmpty())
            row += QStringLiteral(" tip \"%1\"").arg(w->toolTip());
        return row + u'\n';
    };
    QString dump = line(&window, window.windowTitle());
    for (QWidget* control : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        QString text = control->property("text").toString();
        if (auto* list = qobject_cast<QComboBox*>(control))
            for (int i = 0; i < list->count(); ++i)
                text += (i == list->currentIndex() ? u" [*]"_qs : u" [ ]"_qs) + list->itemText(i);
        dump += line(control, text);
    }
    return dump;
}

using LayoutTest = WindowTest;

// Every window as it opens, compared whole with its golden text (tests/gui/layout/).
TEST_F(LayoutTest, EveryWindowOpensAsItsGoldenText)
{
    context_.paths = ProgramPaths::portable(u"/home/user/paluksen"_qs, u"paluksen"_qs); // a status wraps a path by its length: a temporary one varies
    for (QWidget* opened : {static_cast<QWidget*>(new MainMenu(context_)), static_cast<QWidget*>(new ImportWindow(context_)),
                            static_cast<QWidget*>(new CsvWindow(context_)), static_cast<QWidget*>(new VcardWindow(context_)), static_cast<QWidget*>(new AddressBookWindow(context_, kEdMaxWindow)),
                            static_cast<QWidget*>(new AddressBookWindow(context_, kTuruKameWindow))}) {
        std::unique_ptr<QWidget> window(opened);
        window->show();
        const QString golden = QStringLiteral(PALUKSEN_TEST_DATA "/gui/layout/%1.txt").arg(window->objectName());
        const QString dump = layoutOf(*window, context_.paths.dir);
        if (qEnvironmentVariableIsSet("PALUKSEN_WRITE_LAYOUT")) // to write a golden text anew, for review
            writeFile(golden, dump.toUtf8());
        EXPECT_EQ(dump, QString::fromUtf8(readFile(golden))) << window->objectName().toStdString();
        window->close();
    }
}

} // namespace
} // namespace paluksen::test
