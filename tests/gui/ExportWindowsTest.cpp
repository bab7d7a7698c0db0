#include "gui/PalukF02.h"
#include "gui/PalukF05.h"
#include "gui/PalukF06.h"
#include "store/AddressStore.h"
#include "support/WindowTest.h"
#include "text/Cp932.h"

#include <QComboBox>
#include <QDir>
#include <QPointer>

namespace paluksen::test {
namespace {

struct WindowCase {
    std::function<TaskWindow*(TaskContext&)> open;
    const char16_t* file;
    const char16_t* runStatus; // while the user is told
    const char16_t* message;   // the completion message; null for the CSV, which is shown instead
};

const WindowCase kWindows[] = {
    {[](TaskContext& c) { return new PalukF02(c); }, u"PalukF02.txt", u"出力中", nullptr},
    {[](TaskContext& c) { return new PalukF05(c); }, u"常用アドレス.adr", u"アドレス出力中",
     u"EdMax用のアドレス帳(常用アドレス.adr)を作成しました。\r\nC:\\Program Files\\EdMax\\Address フォルダにコピーしてください。"},
    {[](TaskContext& c) { return new PalukF06(c); }, u"AdrBook.txt", u"出力中",
     u"鶴亀用のアドレス帳(AdrBook.txt)を作成しました。\r\nC:\\TuruKameData フォルダにコピーしてください。"},
};

class ExportWindowsTest : public WindowTest {
protected:
    ExportWindowsTest() { store_.connection().execute(u"INSERT INTO アドレス情報 (名前, アドレス, 会社名) VALUES ('A', 'a@x', 'C')"_qs); }
    QString output(const WindowCase& c) const { return QDir(context_.paths.dir).filePath(QString::fromUtf16(c.file)); }
    QStringList folder() const { return QDir(store_.dir()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot); }
    // Presses 処理実行 and notes the status and the button while a message is up; returns whether
    // the window is gone afterwards.
    bool run(TaskWindow* window, QStringList* seen = nullptr)
    {
        QPointer<TaskWindow> alive = window;
        platform_.messages.clear();
        platform_.endedWith.clear();
        platform_.whileMessageShown = [=](const auto&) {
            if (seen)
                *seen << QString(child<QLabel>(alive, u"状況表示"_qs)->text()).remove(QChar(0x200B))
                      << (child<QPushButton>(alive, u"処理実行"_qs)->isEnabled() ? u"on"_qs : u"off"_qs);
        };
        child<QPushButton>(window, u"処理実行"_qs)->click();
        settle();
        return alive.isNull() && windows_.count() == 0;
    }
};

// A program installed deep in a home folder: the path of its output still shows in full.
TEST_F(ExportWindowsTest, LongPathStaysReadableInFull)
{
    context_.paths.dir = deepFolder(store_.dir());
    for (const WindowCase& c : kWindows) {
        std::unique_ptr<TaskWindow> window(c.open(context_));
        const QLabel* status = child<QLabel>(window.get(), u"状況表示"_qs);
        EXPECT_TRUE(QString(status->text()).remove(QChar(0x200B)).contains(output(c)));
        EXPECT_TRUE(readableInFull(status));
    }
}

// A run replaces the earlier file with the layout chosen, tells the user (the CSV file is shown
// instead) and closes the window.
TEST_F(ExportWindowsTest, RunWritesTheChosenLayoutTellsTheUserAndCloses)
{
    const QByteArray expected[] = {",A,a@x,C,,\r\n", "A\t\t\r\na@x\r\n\r\n", "A,a@x,2019/01/07,C\r\n"};
    for (int i = 0; i < 3; ++i) {
        const WindowCase& c = kWindows[i];
        writeFile(output(c), QByteArray("an earlier, longer file\r\n").repeated(100));
        TaskWindow* window = c.open(context_);
        if (auto* list = window->findChild<QComboBox*>())
            list->setCurrentIndex(list->count() - (i == 1 ? 1 : 2)); // "8 [出力なし]", "4 会社名"
        QStringList seen;
        EXPECT_TRUE(run(window, &seen));
        EXPECT_EQ(readFile(output(c)), expected[i]);
        if (c.message) {
            ASSERT_EQ(platform_.messages.size(), 1);
            EXPECT_EQ(platform_.messages[0].text, QString::fromUtf16(c.message));
            EXPECT_EQ(platform_.messages[0].title, u"処理完了"_qs);
            EXPECT_EQ(platform_.messages[0].style, MessageStyle::Information);
            EXPECT_EQ(seen, (QStringList{QString::fromUtf16(c.runStatus), u"off"_qs}));
        } else {
            EXPECT_EQ(platform_.shellOpened, QStringList{output(c)});
        }
    }
}

// A failure is reported and the earlier file stays as it was: a folder where the file should go
// (no one, root included, can replace it), a store that fails half-way. A file that cannot even
// be created leaves the CSV window's "出力中" behind the report, as the view is opened first.
TEST_F(ExportWindowsTest, FailureIsReportedAndTheEarlierFileIsKept)
{
    for (const WindowCase& c : kWindows) {
        ASSERT_TRUE(QDir(store_.dir()).mkdir(QString::fromUtf16(c.file)));
        const QStringList before = folder();
        std::unique_ptr<TaskWindow> window(c.open(context_));
        run(window.get());
        EXPECT_TRUE(platform_.reportedFailure({output(c)}));
        EXPECT_EQ(folder(), before); // nothing half-written left beside it
        ASSERT_TRUE(QDir(store_.dir()).rmdir(QString::fromUtf16(c.file)));
    }
    const ProgramPaths paths = context_.paths;
    context_.paths.dir += u"/missing"_qs;
    for (const WindowCase& c : kWindows) {
        std::unique_ptr<TaskWindow> window(c.open(context_));
        const QString opening = child<QLabel>(window.get(), u"状況表示"_qs)->text();
        QStringList seen;
        run(window.get(), &seen);
        EXPECT_TRUE(platform_.reportedFailure({output(c)}));
        EXPECT_EQ(seen.value(0), c.message ? QString(opening).remove(QChar(0x200B)) : u"出力中"_qs);
    }
    context_.paths = paths;
    store_.connection().execute(u"DROP VIEW 出力情報; CREATE VIEW 出力情報 AS SELECT * FROM no_such_table"_qs);
    for (const WindowCase& c : kWindows) {
        writeFile(output(c), "earlier\r\n");
        std::unique_ptr<TaskWindow> window(c.open(context_));
        run(window.get());
        EXPECT_TRUE(platform_.reportedFailure({u"no_such_table"_qs}));
        EXPECT_EQ(readFile(output(c)), "earlier\r\n");
    }
}

} // namespace
} // namespace paluksen::test
