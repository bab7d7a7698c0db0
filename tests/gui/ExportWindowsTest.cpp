#include "gui/PalukF02.h"
#include "gui/PalukF05.h"
#include "gui/PalukF06.h"
#include "support/WindowTest.h"

#include <QComboBox>
#include <QDir>
#include <QPointer>

namespace paluksen::test {
namespace {

struct WindowCase {
    std::function<TaskWindow*(TaskContext&)> open;
    QString file;
    QString runStatus; // while the user is told
    QString message;   // the completion message; none for the CSV, which is shown instead
};

const WindowCase kWindows[] = {
    {[](TaskContext& c) { return new PalukF02(c); }, u"PalukF02.txt"_qs, u"出力中"_qs, {}},
    {[](TaskContext& c) { return new PalukF05(c); }, u"常用アドレス.adr"_qs, u"アドレス出力中"_qs,
     u"EdMax用のアドレス帳(常用アドレス.adr)を作成しました。\r\nC:\\Program Files\\EdMax\\Address フォルダにコピーしてください。"_qs},
    {[](TaskContext& c) { return new PalukF06(c); }, u"AdrBook.txt"_qs, u"出力中"_qs,
     u"鶴亀用のアドレス帳(AdrBook.txt)を作成しました。\r\nC:\\TuruKameData フォルダにコピーしてください。"_qs},
};

class ExportWindowsTest : public WindowTest {
protected:
    ExportWindowsTest() { store_.connection().execute(u"INSERT INTO アドレス情報 (名前, アドレス, 会社名) VALUES ('A', 'a@x', 'C')"_qs); }
    QString output(const WindowCase& c) const { return QDir(context_.paths.dir).filePath(c.file); }
};

// A run replaces the earlier file with the layout chosen, tells the user (the CSV file is shown
// instead) and closes the window. The program is installed deep in a home folder: the path of
// its output still shows in full.
TEST_F(ExportWindowsTest, RunWritesTheChosenLayoutTellsTheUserAndCloses)
{
    context_.paths.dir = deepFolder(store_.dir());
    ASSERT_TRUE(QDir().mkpath(context_.paths.dir));
    const QByteArray expected[] = {",A,a@x,C,,\r\n", "A\t\t\r\na@x\r\n\r\n", "A,a@x,2019/01/07,C\r\n"};
    for (int i = 0; i < 3; ++i) {
        const WindowCase& c = kWindows[i];
        writeFile(output(c), QByteArray("an earlier, longer file\r\n").repeated(100));
        QPointer<TaskWindow> window = c.open(context_);
        const QLabel* status = child<QLabel>(window, u"状況表示"_qs);
        EXPECT_TRUE(QString(status->text()).remove(QChar(0x200B)).contains(output(c)));
        EXPECT_TRUE(readableInFull(status));
        if (auto* list = window->findChild<QComboBox*>())
            list->setCurrentIndex(list->count() - (i == 1 ? 1 : 2)); // "8 [出力なし]", "4 会社名"
        const QStringList seen = pressRun(window);
        EXPECT_TRUE(window.isNull() && windows_.count() == 0);
        EXPECT_EQ(readFile(output(c)), expected[i]);
        if (c.message.isEmpty()) {
            EXPECT_EQ(platform_.shellOpened, QStringList{output(c)});
            continue;
        }
        EXPECT_EQ(platform_.messages, (QList{Message{c.message, u"処理完了"_qs, MessageStyle::Information}}));
        EXPECT_EQ(seen, (QStringList{c.runStatus, u"off"_qs}));
    }
}

// A failure is reported and the earlier file stays as it was, nothing half-written beside it: a
// folder where the file should go (no one, root included, can replace it), a missing folder, a
// store that fails half-way. A file that cannot even be created leaves the CSV window's "出力中"
// behind the report, as the view is opened first.
TEST_F(ExportWindowsTest, FailureIsReportedAndTheEarlierFileIsKept)
{
    const QString dir = context_.paths.dir;
    const auto folder = [&] { return QDir(dir).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot); };
    for (const char* fault : {"folder in the way", "missing folder", "store"})
        for (const WindowCase& c : kWindows) {
            SCOPED_TRACE(fault);
            context_.paths.dir = dir + (fault[0] == 'm' ? u"/missing"_qs : QString());
            if (fault[0] == 'f')
                ASSERT_TRUE(QDir(dir).mkdir(c.file));
            if (fault[0] == 's') {
                writeFile(output(c), "earlier\r\n");
                store_.connection().execute(u"DROP VIEW 出力情報; CREATE VIEW 出力情報 AS SELECT * FROM no_such_table"_qs);
            }
            const QStringList before = folder();
            std::unique_ptr<TaskWindow> window(c.open(context_));
            const QString opening = QString(child<QLabel>(window.get(), u"状況表示"_qs)->text()).remove(QChar(0x200B));
            const QStringList seen = pressRun(window.get());
            EXPECT_TRUE(platform_.reportedFailure({fault[0] == 's' ? u"no_such_table"_qs : output(c)}));
            EXPECT_EQ(folder(), before);
            if (fault[0] == 'f')
                EXPECT_TRUE(QDir(dir).rmdir(c.file));
            if (fault[0] == 's')
                EXPECT_EQ(readFile(output(c)), "earlier\r\n");
            if (fault[0] == 'm')
                EXPECT_EQ(seen.value(0), c.message.isEmpty() ? u"出力中"_qs : opening);
        }
}

} // namespace
} // namespace paluksen::test
