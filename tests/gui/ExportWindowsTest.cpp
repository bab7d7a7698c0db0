#include "gui/PalukF00.h"
#include "gui/PalukF01.h"
#include "gui/PalukF02.h"
#include "gui/PalukF05.h"
#include "gui/PalukF06.h"
#include "store/AddressStore.h"
#include "support/WindowTest.h"
#include "text/Cp932.h"

#include <QComboBox>
#include <QDir>
#include <QPointer>

using namespace paluksen;

namespace {

enum class Kind { Csv, EdMax, TuruKame };

struct WindowCase {
    Kind kind;
    const char16_t* file;
    const char16_t* loadText; // what the status label says on opening, before the path's line
    const char16_t* runStatus;
    const char16_t* message;  // the completion message; null for the CSV, which is shown instead
};

const WindowCase kWindows[] = {
    {Kind::Csv, u"PalukF02.txt", u"グループ,名前,アドレス,会社名,部署名,役職\nの形式で、\n", u"出力中", nullptr},
    {Kind::EdMax, u"常用アドレス.adr", u"", u"アドレス出力中",
     u"EdMax用のアドレス帳(常用アドレス.adr)を作成しました。\r\nC:\\Program Files\\EdMax\\Address フォルダにコピーしてください。"},
    {Kind::TuruKame, u"AdrBook.txt", u"", u"出力中",
     u"鶴亀用のアドレス帳(AdrBook.txt)を作成しました。\r\nC:\\TuruKameData フォルダにコピーしてください。"},
};

class ExportWindowsTest : public test::WindowTest {
protected:
    TaskWindow* open(Kind kind)
    {
        switch (kind) {
        case Kind::Csv:
            return new PalukF02(context_);
        case Kind::EdMax:
            return new PalukF05(context_);
        case Kind::TuruKame:
            break;
        }
        return new PalukF06(context_);
    }
    QString output(const WindowCase& c) const { return QDir(context_.paths.dir).filePath(QString::fromUtf16(c.file)); }
    QStringList folder() const { return QDir(store_.dir()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot); }
    void person(const QString& name, const QString& address, const QString& company)
    {
        store::Appender(store_.connection(), store::sql::kAddressTable, {u"名前"_qs, u"アドレス"_qs, u"会社名"_qs})
            .append({name, address, company});
    }
    // Presses 処理実行; returns whether the window is gone afterwards.
    bool run(TaskWindow* window)
    {
        QPointer<TaskWindow> alive = window;
        test::child<QPushButton>(window, u"処理実行"_qs)->click();
        settle();
        return alive.isNull() && windows_.count() == 0;
    }
};

TEST_F(ExportWindowsTest, OpeningShowsWhereTheFileGoes)
{
    context_.paths.dir = test::deepFolder(store_.dir());
    for (const WindowCase& c : kWindows) {
        TaskWindow* window = open(c.kind);
        const QLabel* status = test::child<QLabel>(window, u"状況表示"_qs);
        // Break opportunities (zero-width spaces) may stand in the path; the user does not see them.
        EXPECT_EQ(QString(status->text()).remove(QChar(0x200B)), QString::fromUtf16(c.loadText) + output(c) + u"\nに出力します。"_qs);
        EXPECT_TRUE(status->isVisibleTo(window));
        EXPECT_TRUE(test::readableInFull(status));
        EXPECT_TRUE(test::child<QPushButton>(window, u"処理実行"_qs)->isEnabled());
        delete window;
    }
}

TEST_F(ExportWindowsTest, EveryLabelReadsFromTheTopLeft)
{
    // A label shorter than its font's line would otherwise lose the top of its glyphs.
    PalukF00 menu(context_);
    PalukF01 import(context_);
    QList<QWidget*> windows = {&menu, &import};
    for (const WindowCase& c : kWindows)
        windows << open(c.kind);
    for (const QWidget* window : windows)
        for (const QLabel* label : window->findChildren<QLabel*>())
            EXPECT_EQ(label->alignment(), Qt::AlignLeft | Qt::AlignTop)
                << window->objectName().toStdString() << " " << label->objectName().toStdString();
    qDeleteAll(windows.mid(2));
}

TEST_F(ExportWindowsTest, ClosedListShowsItsWholeEntryAsTooltip)
{
    for (const auto& [kind, name] : {std::pair{Kind::EdMax, u"メモ選択"}, std::pair{Kind::TuruKame, u"備考選択"}}) {
        std::unique_ptr<TaskWindow> window(open(kind));
        auto* list = test::child<QComboBox>(window.get(), QString::fromUtf16(name));
        EXPECT_EQ(list->toolTip(), list->itemText(0));
        for (int i = list->count(); i-- > 0;) {
            list->setCurrentIndex(i);
            EXPECT_EQ(list->toolTip(), list->itemText(i));
        }
    }
}

TEST_F(ExportWindowsTest, RunReplacesTheFileTellsTheUserAndCloses)
{
    person(u"山田"_qs, u"y@example.jp"_qs, u"山田商事"_qs);
    for (const WindowCase& c : kWindows) {
        test::writeFile(output(c), QByteArray("an earlier, longer file\r\n").repeated(100));
        platform_.messages.clear();
        platform_.shellOpened.clear();
        QStringList seen; // status text and button state while the user is told
        auto look = [&] {
            QWidget* window = windows_.windows().constFirst();
            seen << window->findChild<QLabel*>(u"状況表示"_qs)->text()
                 << (window->findChild<QPushButton*>(u"処理実行"_qs)->isEnabled() ? u"enabled"_qs : u"disabled"_qs);
        };
        platform_.whileMessageShown = [&](const auto&) { look(); };
        TaskWindow* window = open(c.kind);
        window->show();
        EXPECT_TRUE(run(window));
        if (c.message) {
            ASSERT_EQ(platform_.messages.size(), 1);
            EXPECT_EQ(platform_.messages[0].text, QString::fromUtf16(c.message));
            EXPECT_EQ(platform_.messages[0].title, u"処理完了"_qs);
            EXPECT_EQ(platform_.messages[0].style, MessageStyle::Information);
            EXPECT_EQ(seen, (QStringList{QString::fromUtf16(c.runStatus), u"disabled"_qs}));
            EXPECT_TRUE(platform_.shellOpened.isEmpty());
        } else {
            EXPECT_TRUE(platform_.messages.isEmpty());
            EXPECT_EQ(platform_.shellOpened, QStringList{output(c)});
        }
        const QByteArray written = test::readFile(output(c));
        EXPECT_TRUE(cp932::decode(written).contains(u"山田商事"_qs)) << test::hex(written).toStdString();
        EXPECT_FALSE(written.contains("earlier"));
    }
}

TEST_F(ExportWindowsTest, ChosenLayoutIsTheOneWritten)
{
    person(u"A"_qs, u"a@x"_qs, u"C"_qs);
    auto* edmax = new PalukF05(context_);
    edmax->findChild<QComboBox*>(u"メモ選択"_qs)->setCurrentIndex(7); // "8 [出力なし]"
    ASSERT_TRUE(run(edmax));
    EXPECT_EQ(test::readFile(output(kWindows[1])), QByteArray("A\t\t\r\na@x\r\n\r\n"));

    auto* turukame = new PalukF06(context_);
    turukame->findChild<QComboBox*>(u"備考選択"_qs)->setCurrentIndex(3); // "4 会社名"
    ASSERT_TRUE(run(turukame));
    EXPECT_EQ(test::readFile(output(kWindows[2])), QByteArray("A,a@x,2019/01/07,C\r\n"));
}

TEST_F(ExportWindowsTest, EmptyStoreGivesAnEmptyFileAndTheUsualEnding)
{
    for (const WindowCase& c : kWindows) {
        platform_.messages.clear();
        platform_.shellOpened.clear();
        EXPECT_TRUE(run(open(c.kind)));
        EXPECT_TRUE(QFileInfo::exists(output(c)));
        EXPECT_EQ(QFileInfo(output(c)).size(), 0);
        EXPECT_EQ(platform_.messages.size() + platform_.shellOpened.size(), 1);
    }
}

TEST_F(ExportWindowsTest, FailureIsReportedAndTheEarlierFileIsKept)
{
    person(u"A"_qs, u"a@x"_qs, u"C"_qs);
    for (const WindowCase& c : kWindows) {
        // Where the output should go stands a folder: no one, root included, can replace it.
        ASSERT_TRUE(QDir(store_.dir()).mkdir(QString::fromUtf16(c.file)));
        const QStringList before = folder();
        platform_.messages.clear();
        platform_.endedWith.clear();
        TaskWindow* window = open(c.kind);
        test::child<QPushButton>(window, u"処理実行"_qs)->click();
        ASSERT_EQ(platform_.messages.size(), 1);
        EXPECT_TRUE(platform_.reportedFailure({output(c)}));
        EXPECT_TRUE(platform_.shellOpened.isEmpty());
        EXPECT_EQ(folder(), before); // nothing half-written left beside it
        delete window;
        windows_.unloaded(window);
        ASSERT_TRUE(QDir(store_.dir()).rmdir(QString::fromUtf16(c.file)));
    }
    // A store that fails half-way: the earlier file stays byte for byte.
    store_.connection().execute(u"DROP VIEW 出力情報; CREATE VIEW 出力情報 AS SELECT * FROM no_such_table"_qs);
    for (const WindowCase& c : kWindows) {
        const QByteArray earlier("earlier\r\n");
        test::writeFile(output(c), earlier);
        platform_.messages.clear();
        TaskWindow* window = open(c.kind);
        test::child<QPushButton>(window, u"処理実行"_qs)->click();
        ASSERT_EQ(platform_.messages.size(), 1);
        EXPECT_EQ(platform_.messages[0].title, u"Paluksen"_qs);
        EXPECT_EQ(test::readFile(output(c)), earlier);
        delete window;
        windows_.unloaded(window);
    }
}

} // namespace
