#include "gui/AddressBookWindow.h"
#include "gui/CsvWindow.h"
#include "gui/ImportWindow.h"
#include "gui/VcardWindow.h"
#include "store/AddressStore.h"
#include "support/WindowTest.h"
#include "text/Cp932.h"

#include <QComboBox>
#include <QDir>
#include <QPointer>
#include <optional>

namespace paluksen::test {
namespace {

// In kListing 山田 is a member of 友人 and so has no row of his own; 鈴木 names nobody stored.
const QStringList kImported = {u"友人|山田 太郎|taro@example.jp|山田商事"_qs, u"友人|鈴木|suzuki@example.jp|"_qs};

class TaskWindowsTest : public WindowTest {
protected:
    QString path(const QString& name) const { return QDir(store_.dir()).filePath(name); }
    QStringList storedRows()
    {
        QStringList rows;
        for (store::Cursor c(store_.connection(), store::sql::kOutputSorted); !c.atEnd(); c.next())
            rows << c.text(0) + u'|' + c.text(1) + u'|' + c.text(2) + u'|' + c.text(3);
        return rows;
    }
    // The report of a failure that ends the program: the user is told the file in Japanese words;
    // the engine's words and its SQL are no help.
    static QString report(int number, const QString& what, const QString& file, const QString& words = {})
    {
        return QStringLiteral("エラーが発生したため、プログラムを終了します。\nエラー番号：%1\n%2\n%3").arg(number).arg(what, QDir::toNativeSeparators(file)) +
               (words.isEmpty() ? QString() : u'\n' + words);
    }
    const QString earlier_ = (store_.connection().execute(kEarlierRows), storeContent(store_.connection()));
};

// Each answer and outcome of an import: what is told, the status while it is, and what the store
// holds afterwards; every run closes the window. An empty or one-line listing is taken for a wrong
// choice of file and leaves the store as it was.
TEST_F(TaskWindowsTest, ImportAnswersAndOutcomes)
{
    const auto done = [](int n) { return Message{QStringLiteral(" %1 行のデータを読み込みました。").arg(n), u"正常終了"_qs, MessageStyle::Information}; };
    const QStringList earlier = storedRows();
    const struct {
        MessageAnswer answer;
        QString file; // chosen in the dialog; none: cancelled
        QByteArray bytes;
        Message told; // after the question
        QStringList stored;
    } cases[] = {
        {MessageAnswer::No, {}, {}, {}, earlier},
        {MessageAnswer::Yes, {}, {}, {u"入力ファイルが指定されていません。\n処理をキャンセルします。"_qs, u"処理中断"_qs, MessageStyle::Exclamation}, earlier},
        {MessageAnswer::Yes, u"empty.txt"_qs, "", {u"入力レコードがありませんでした。\n今までのデータはそのまま残っています。"_qs, u"入力レコードなし"_qs, MessageStyle::Exclamation}, earlier},
        {MessageAnswer::Yes, u"one.txt"_qs, "A\n", {u"入力レコードが1件しかありませんでした。\n今までのデータはそのまま残っています。"_qs, u"入力レコード異常"_qs, MessageStyle::Exclamation}, earlier},
        {MessageAnswer::Yes, deepFolder(u"."_qs) + u"/a.txt"_qs, "A\r\n\r\n", done(2), {u"|A||"_qs}},
        {MessageAnswer::Yes, u"cp932.txt"_qs, cp932::encode(kListing), done(9), kImported},
        {MessageAnswer::Yes, u"lf.txt"_qs, cp932::encode(QString(kListing).remove(u'\r')), done(9), kImported},
        {MessageAnswer::Yes, u"emoji.txt"_qs, u"旅行\r\n  太郎 (taro@example.jp😀\r\n\r\n"_qs.toUtf8(), done(3), {u"旅行|太郎|taro@example.jp|"_qs}},
    };
    const Message question{u"この処理を行うと、今までのデータはクリアされます。\n実行しますか？"_qs, u"実行の確認"_qs, MessageStyle::Question};
    const QStringList dialog{u"入力ファイルを指定してください。"_qs, u"テキスト ファイル (*.txt)|*.txt|すべてのファイル (*.*)|*.*"_qs};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        if (!c.file.isEmpty()) {
            QDir(store_.dir()).mkpath(QFileInfo(c.file).path());
            writeFile(path(c.file), c.bytes);
        }
        QPointer<TaskWindow> window = new ImportWindow(context_);
        window->show();
        const QStringList seen = pressRun(window, {c.answer}, {c.file.isEmpty() ? QString() : path(c.file)});
        EXPECT_TRUE(window.isNull() && windows_.count() == 0);
        const bool asked = c.answer == MessageAnswer::Yes;
        EXPECT_EQ(platform_.messages, (asked ? QList{question, c.told} : QList{question}));
        EXPECT_EQ(platform_.fileDialogs, asked ? dialog : QStringList{});
        const QString status = c.file.isEmpty() ? u"入力ファイル指定"_qs : QDir::toNativeSeparators(path(c.file)) + u"\nから読み込み"_qs;
        EXPECT_EQ(seen, QStringList({u"実行確認"_qs, u"off"_qs}) + (asked ? QStringList{status, u"off"_qs} : QStringList{}));
        EXPECT_EQ(storedRows(), c.stored);
    }
}

// Each failure after the clearing is reported under the program-wide rule and leaves the earlier
// content whole; nothing of it stays pending on the connection, so the next import goes through.
TEST_F(TaskWindowsTest, ImportFailureAfterClearingKeepsTheEarlierContent)
{
    const QString good = path(u"good.txt"_qs);
    for (const QString& listing : {good, path(u"PalukF02.txt"_qs)}) // a listing where the CSV file would be
        writeFile(listing, cp932::encode(kListing));
    writeFile(path(u"large.txt"_qs), cp932::encode(kListing).repeated(2500));
    writeFile(path(u"binary.txt"_qs), cp932::encode(kListing).repeated(2500) + '\0'); // rows are in before the NUL
    ASSERT_TRUE(QDir(store_.dir()).mkdir(u"folder.txt"_qs));
    std::optional<store::Connection> holder; // holds the store's write lock as another program would
    auto sql = [this](const QString& statement) { return [=, this] { store_.connection().execute(statement); }; };
    const QString store = store_.path();
    const struct {
        QString file;
        std::function<void()> before, after;
        QString told;
    } cases[] = {
        {u"folder.txt"_qs, [] {}, [] {}, report(EISDIR, u"入力ファイルを開けませんでした。"_qs, path(u"folder.txt"_qs), u"ファイルではなくフォルダです。"_qs)},
        {u"PalukF02.txt"_qs, [] {}, [] {},
         report(EINVAL, u"このプログラムが出力したファイルは取り込めません。"_qs, path(u"PalukF02.txt"_qs), u"アドレス一覧のテキストファイルを指定してください。"_qs)},
        {u"gone.txt"_qs, [] {}, [] {}, report(kMissingFile.number, u"入力ファイルを開けませんでした。"_qs, path(u"gone.txt"_qs), kMissingFile.words)},
        {u"binary.txt"_qs, [] {}, [] {},
         report(EILSEQ, u"入力ファイルはテキストファイルではありません。"_qs, path(u"binary.txt"_qs),
                u"NUL 文字が含まれています。アドレス一覧のテキストファイルを指定してください。"_qs)},
        {good, sql(u"CREATE TRIGGER refuse BEFORE INSERT ON グループ情報 BEGIN SELECT RAISE(ABORT, 'refused'); END"_qs),
         sql(u"DROP TRIGGER refuse"_qs), report(19, u"アドレス帳データベースの操作に失敗しました。"_qs, store)},
        {u"large.txt"_qs, // a full disk
         [&] {
             const int pages = store::Cursor(store_.connection(), u"PRAGMA page_count").text(0).toInt();
             store_.connection().execute(QStringLiteral("PRAGMA max_page_count = %1").arg(pages + 4));
         },
         sql(u"PRAGMA max_page_count = 1073741823"_qs), report(13, u"ディスクの空き容量が足りません。"_qs, store)},
        {good, [&] { holder.emplace(store::Connection::openExisting(store_.path())), holder->execute(u"BEGIN IMMEDIATE"_qs); },
         [&] { holder.reset(); },
         report(5, u"アドレス帳データベースは他のプログラムが使用中です。"_qs, store)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.told.toStdString());
        c.before();
        QPointer<TaskWindow> window = new ImportWindow(context_);
        pressRun(window, {MessageAnswer::Yes}, {path(c.file)});
        EXPECT_TRUE(platform_.reportedFailure());
        EXPECT_EQ(platform_.messages.constLast().text, c.told);
        EXPECT_EQ(storeContent(store_.connection()), earlier_);
        c.after();
        delete window;
    }
    QPointer<TaskWindow> window = new ImportWindow(context_);
    pressRun(window, {MessageAnswer::Yes}, {good});
    EXPECT_EQ(storedRows(), kImported);
}

// A run replaces the earlier file with the layout chosen, tells the user (the CSV file is shown
// instead, and where the desktop has no program for it, the user learns where it is) and closes
// the window; the program is installed deep in a home folder, and the path of
// its output still shows in full. A run over midnight dates each TuruKame line by the moment it
// is written, also when the clock is set back. A failure is reported and the earlier file stays
// as it was, nothing half-written beside it: a missing folder, a folder where the file should go
// (no one, root included, can replace it), a store that fails half-way. The CSV window opens the
// store's rows before it creates the file, so a file that cannot be created leaves "出力中" behind.
TEST_F(TaskWindowsTest, ExportRunsAndFailures)
{
    const QString dir = deepFolder(store_.dir());
    ASSERT_TRUE(QDir().mkpath(dir));
    const auto folder = [&] { return QDir(dir).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot); };
    store_.connection().execute(u"DELETE FROM グループ情報; DELETE FROM アドレス情報;"
                                u"INSERT INTO アドレス情報 VALUES ('A', 'a@x', 'C', NULL, ''), ('B', 'b@x', NULL, NULL, NULL), ('C', 'c@x', '', '', '')"_qs);
    const QDateTime moments[] = {{QDate(2019, 1, 7), QTime(23, 59, 59, 900)}, {QDate(2019, 1, 8), QTime(0, 0, 0, 100)}, {QDate(2019, 1, 7), QTime(23, 59, 59, 950)}};
    int asked = 0;
    context_.clock = [&] { return moments[std::min(asked++, 2)].toMSecsSinceEpoch(); };
    const std::function<TaskWindow*()> windows[] = {[&] { return new CsvWindow(context_); },
                                                    [&] { return new AddressBookWindow(context_, kEdMaxWindow); },
                                                    [&] { return new AddressBookWindow(context_, kTuruKameWindow); },
                                                    [&] { return new VcardWindow(context_); }};
    const QString files[] = {u"PalukF02.txt"_qs, u"常用アドレス.adr"_qs, u"AdrBook.txt"_qs, u"アドレス帳.vcf"_qs};
    const QString edMaxDone = u"EdMax用のアドレス帳(常用アドレス.adr)を作成しました。\nC:\\Program Files\\EdMax\\Address フォルダにコピーしてください。"_qs;
    const QString turuKameDone = u"鶴亀用のアドレス帳(AdrBook.txt)を作成しました。\nC:\\TuruKameData フォルダにコピーしてください。"_qs;
    const QString vcardDone = u"vCard ファイルを作成しました。\n<output>\nThunderbird のアドレス帳や Google コンタクトでは「インポート」でこのファイルを選んでください。\nスマートフォンにはメールに添付して送り、開くと取り込めます。"_qs;
    const QByteArray earlier = "an earlier, longer file\r\n";
    enum class Setup { EarlierFile,
                       NoViewer,
                       MissingFolder,
                       InstalledFirstOutput, // the outputs' folder made
                       FolderInTheWay,
                       BrokenStore };
    const QString cannotCreate = u"出力ファイルを作成できませんでした。"_qs, broken = u"アドレス帳データベースの操作に失敗しました。"_qs;
    const struct {
        int window;
        Setup setup;
        int layout;      // the list entry chosen
        QByteArray left; // the output file afterwards; none where there is none
        QString told;    // the last message
        QString shown;   // the status while it is up; empty: as the window opened
    } cases[] = {
        {0, Setup::EarlierFile, -1, ",A,a@x,C,,\r\n,B,b@x,,,\r\n,C,c@x,,,\r\n", {}, {}},
        {1, Setup::EarlierFile, 7, "A\t\t\r\na@x\r\n\r\nB\t\t\r\nb@x\r\n\r\nC\t\t\r\nc@x\r\n\r\n", edMaxDone, u"アドレス出力中"_qs},
        {2, Setup::EarlierFile, 3, "A,a@x,2019/01/07,C\r\nB,b@x,2019/01/08,\r\nC,c@x,2019/01/07,\r\n", turuKameDone, u"出力中"_qs},
        {3, Setup::EarlierFile, -1, "BEGIN:VCARD\r\nVERSION:3.0\r\nN:A;;;;\r\nFN:A\r\nEMAIL;TYPE=INTERNET:a@x\r\nORG:C\r\nEND:VCARD\r\nBEGIN:VCARD\r\nVERSION:3.0\r\nN:B;;;;\r\nFN:B\r\n"
                                    "EMAIL;TYPE=INTERNET:b@x\r\nEND:VCARD\r\nBEGIN:VCARD\r\nVERSION:3.0\r\nN:C;;;;\r\nFN:C\r\nEMAIL;TYPE=INTERNET:c@x\r\nEND:VCARD\r\n",
         vcardDone, u"出力中"_qs},
        {0, Setup::NoViewer, -1, ",A,a@x,C,,\r\n,B,b@x,,,\r\n,C,c@x,,,\r\n",
         u"CSV ファイルを作成しました。\n<output>\nテキストファイルを表示するプログラムが見つからないため、表示できませんでした。"_qs, u"出力中"_qs},
        {0, Setup::InstalledFirstOutput, -1, ",A,a@x,C,,\r\n,B,b@x,,,\r\n,C,c@x,,,\r\n", {}, {}},
        {1, Setup::InstalledFirstOutput, 7, "A\t\t\r\na@x\r\n\r\nB\t\t\r\nb@x\r\n\r\nC\t\t\r\nc@x\r\n\r\n", edMaxDone, u"アドレス出力中"_qs},
        {0, Setup::MissingFolder, -1, {}, report(kMissingFolder.number, cannotCreate, u"<output>"_qs, kMissingFolder.words), u"出力中"_qs},
        {1, Setup::MissingFolder, 0, {}, report(kMissingFolder.number, cannotCreate, u"<output>"_qs, kMissingFolder.words), {}},
        {2, Setup::MissingFolder, 0, {}, report(kMissingFolder.number, cannotCreate, u"<output>"_qs, kMissingFolder.words), {}},
        {0, Setup::FolderInTheWay, -1, {}, report(EISDIR, cannotCreate, u"<output>"_qs, u"ファイルではなくフォルダです。"_qs), u"出力中"_qs},
        {1, Setup::FolderInTheWay, 0, {}, report(EISDIR, cannotCreate, u"<output>"_qs, u"ファイルではなくフォルダです。"_qs), {}},
        {2, Setup::FolderInTheWay, 0, {}, report(EISDIR, cannotCreate, u"<output>"_qs, u"ファイルではなくフォルダです。"_qs), {}},
        // Last, as they leave the store broken.
        {0, Setup::BrokenStore, -1, earlier, report(1, broken, store_.path()), {}},
        {1, Setup::BrokenStore, 0, earlier, report(1, broken, store_.path()), u"アドレス出力中"_qs},
        {2, Setup::BrokenStore, 0, earlier, report(1, broken, store_.path()), u"出力中"_qs},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(files[c.window].toStdString() + " setup " + std::to_string(int(c.setup)));
        context_.paths = ProgramPaths::portable(dir + (c.setup == Setup::MissingFolder ? u"/missing"_qs : QString()), u"paluksen"_qs);
        if (c.setup == Setup::InstalledFirstOutput) // a folder for each window, made by its run
            context_.paths.suppliedStore = store_.path(), context_.paths.outputDir = QStringLiteral("%1/Documents%2/Paluksen").arg(store_.dir()).arg(c.window);
        const QString output = QDir(context_.paths.outputDir).filePath(files[c.window]);
        QFile::remove(output);
        QDir(dir).rmdir(files[c.window]);
        if (c.setup == Setup::FolderInTheWay) {
            ASSERT_TRUE(QDir(dir).mkdir(files[c.window]));
        }
        if (c.setup != Setup::MissingFolder && c.setup != Setup::FolderInTheWay && c.setup != Setup::InstalledFirstOutput)
            writeFile(output, earlier);
        platform_.desktopOpensFiles = c.setup != Setup::NoViewer;
        if (c.setup == Setup::BrokenStore)
            store_.connection().execute(u"DROP TABLE アドレス情報; CREATE TABLE アドレス情報 (名前, アドレス)"_qs);
        const QStringList before = folder();
        asked = 0;
        QPointer<TaskWindow> window = windows[c.window]();
        const QLabel* status = child<QLabel>(window, u"状況表示"_qs);
        const QString opening = QString(status->text()).remove(QChar(0x200B));
        EXPECT_TRUE(opening.contains(QDir::toNativeSeparators(output)) && readableInFull(status));
        if (auto* list = window->findChild<QComboBox*>())
            list->setCurrentIndex(c.layout);
        const QStringList seen = pressRun(window);
        EXPECT_EQ(QFileInfo(output).isFile() ? readFile(output) : QByteArray(), c.left);
        EXPECT_EQ(folder(), before);
        const QString told = QString(c.told).replace(u"<output>"_qs, QDir::toNativeSeparators(output));
        EXPECT_EQ(platform_.messages.isEmpty() ? QString() : platform_.messages.constLast().text, told);
        EXPECT_EQ(seen, c.told.isEmpty() ? QStringList() : QStringList({c.shown.isEmpty() ? opening : c.shown, u"off"_qs}));
        const bool failed = c.told.startsWith(u"エラー"_qs);
        EXPECT_EQ(platform_.shellOpened, c.window == 0 && !failed ? QStringList{output} : QStringList{});
        EXPECT_EQ(platform_.endedWith, failed ? QList<int>({1}) : QList<int>());
        EXPECT_EQ(window.isNull(), !failed);
        delete window;
    }
}

} // namespace
} // namespace paluksen::test
