#include "cli/Arguments.h"
#include "base/Jobs.h"
#include "base/ProgramVersion.h"
#include "base/SameFile.h"

#include <QMap>
#include <span>

namespace paluksen::cli {
namespace {

Arguments wrong(const QString& line)
{
    Arguments result;
    result.wrong = line;
    return result;
}

// The layout is the entry the window would show at that place in its list, so the command line
// and the window cannot come to mean different things by the same number.
bool chooseLayout(const QString& value, std::span<const LayoutEntry> layouts, int& layout)
{
    bool number = false;
    const int n = value.toInt(&number);
    // Plain digits only: "+3", " 3" or "03" would be a guess at what the user meant.
    if (!number || value != QString::number(n) || n < 1 || n > static_cast<int>(layouts.size()))
        return false;
    layout = n - 1;
    return true;
}

// The arguments as the user gave them. A word that starts with a dash is an option, up to a
// word "--", after which every word is an argument; a dash alone is an argument (standard
// output). An option has one dash or two and takes its value after "=" or as the next word.
struct Scanned {
    QStringList words; // the command and its arguments
    QMap<QString, QStringList> values;
    bool help = false;
    bool version = false;
    QString wrong;
};

bool takesValue(QStringView option)
{
    if (option == u"store")
        return true;
    for (const Job& job : jobs())
        if (job.layouts && job.layouts->option == option)
            return true;
    return false;
}

Scanned scan(const QStringList& arguments)
{
    Scanned scanned;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (optionsEnded || argument == u"-" || !argument.startsWith(u'-')) {
            scanned.words << argument;
            continue;
        }
        if (argument == u"--") {
            optionsEnded = true;
            continue;
        }
        const QString typed = argument.section(u'=', 0, 0);
        const QString name = typed.sliced(typed.startsWith(u"--") ? 2 : 1);
        const bool valueGiven = argument.contains(u'=');
        if (name == u"help" || name == u"version") {
            if (valueGiven) {
                scanned.wrong = typed + QStringLiteral(" には値を指定できません。");
                return scanned;
            }
            (name == u"help" ? scanned.help : scanned.version) = true;
        } else if (takesValue(name)) {
            if (!valueGiven && i + 1 == arguments.size()) {
                scanned.wrong = typed + QStringLiteral(" の値がありません。");
                return scanned;
            }
            scanned.values[name] << (valueGiven ? argument.section(u'=', 1) : arguments[++i]);
        } else {
            scanned.wrong = QStringLiteral("知らないオプションです: ") + typed;
            return scanned;
        }
    }
    return scanned;
}

} // namespace

Arguments parseArguments(const QStringList& arguments, const ProgramPaths& paths)
{
    const Scanned scanned = scan(arguments);
    if (!scanned.wrong.isEmpty())
        return wrong(scanned.wrong);
    if (scanned.help)
        return Arguments{Arguments::Kind::Help, {}, {}};
    if (scanned.version)
        return Arguments{Arguments::Kind::Version, {}, {}};
    for (auto option = scanned.values.cbegin(); option != scanned.values.cend(); ++option)
        if (option->size() > 1)
            return wrong(QStringLiteral("--") + option.key() + QStringLiteral(" が2回以上指定されています。"));
    const auto value = [&](const QString& option) { return scanned.values.value(option).value(0); };

    QStringList rest = scanned.words;
    if (rest.isEmpty())
        return wrong(QStringLiteral("コマンドが指定されていません。"));
    const QString name = rest.takeFirst();
    const Job* job = jobOfCommand(name);
    if (!job)
        return wrong(QStringLiteral("知らないコマンドです: ") + name);

    Arguments result{Arguments::Kind::Run, {}, {}};
    Command& command = result.command;
    command.job = job;
    const bool storeGiven = scanned.values.contains(u"store"_qs);
    if (storeGiven && value(u"store"_qs).isEmpty())
        return wrong(QStringLiteral("--store に空の文字列が指定されています。"));
    command.paths = paths;
    command.ownStore = !storeGiven;
    command.storePath = storeGiven ? value(u"store"_qs) : paths.store;
    for (const Job& other : jobs())
        if (&other != job && other.layouts && scanned.values.contains(other.layouts->option))
            return wrong(QStringLiteral("--%1 は %2 にだけ指定できます。").arg(other.layouts->option, other.command));
    if (job->importListing) {
        if (rest.isEmpty())
            return wrong(QStringLiteral("取り込むファイル（LISTING）が指定されていません。"));
        command.listingPath = rest.takeFirst();
        if (command.listingPath.isEmpty())
            return wrong(QStringLiteral("取り込むファイル（LISTING）に空の文字列が指定されています。"));
    } else {
        command.ownOutput = rest.isEmpty();
        const QString output = command.ownOutput ? paths.output(job->fileName) : rest.takeFirst();
        if (output.isEmpty())
            return wrong(QStringLiteral("出力ファイル（OUTPUT）に空の文字列が指定されています。"));
        if (output != u"-" && sameFile(output, command.storePath))
            return wrong(QStringLiteral("出力ファイルがアドレス帳データベースと同じファイルです: ") + output);
        command.output = output == u"-" ? OutputTarget::standardOutput() : OutputTarget::file(output);
    }
    if (!rest.isEmpty())
        return wrong(QStringLiteral("余分な引数があります: ") + rest.constFirst());

    if (job->layouts) {
        const QString option = job->layouts->option;
        const QString chosen = scanned.values.contains(option) ? value(option) : QStringLiteral("1");
        if (!chooseLayout(chosen, job->layouts->entries, command.layout))
            return wrong(QStringLiteral("--%1 には 1 から %2 の番号を指定してください: ")
                             .arg(option)
                             .arg(job->layouts->entries.size()) +
                         chosen);
    }
    return result;
}

QString usageText()
{
    QString text = QStringLiteral("使い方:\n  %1メインメニューを開きます\n").arg(u"paluksen"_qs, -43);
    for (const Job& job : jobs()) {
        const QString note = job.importListing ? QStringLiteral("今までのデータは置き換わります")
                                               : QStringLiteral("既定: 出力フォルダの ") + job.fileName;
        const QString words = job.importListing ? QStringLiteral("LISTING")
                              : job.layouts     ? QStringLiteral("[--%1 N] [OUTPUT]").arg(job.layouts->option)
                                                : QStringLiteral("[OUTPUT]");
        text += QStringLiteral("  %1%2（%3）\n")
                    .arg(QStringLiteral("paluksen %1 %2").arg(job.command, words), -43)
                    .arg(job.caption, note);
    }
    return text +
           QStringLiteral(
               "どのコマンドにも: --store FILE, --help, --version。OUTPUT に - を指定すると標準出力に書き出します。\n");
}

QString helpText()
{
    QString text = programVersionText() + QStringLiteral("\n\n") + usageText() +
                   QStringLiteral("\nオプション:\n"
                                  "  --store FILE   アドレス帳データベース（既定: プログラムのもの）\n");
    for (const Job& job : jobs())
        if (job.layouts)
            text += QStringLiteral("  %1%2（%3、既定 1）\n")
                        .arg(QStringLiteral("--%1 N").arg(job.layouts->option), -15)
                        .arg(job.layouts->caption, job.command);
    text += QStringLiteral(
        "  --help         この説明を表示します\n"
        "  --version      バージョンを表示します\n"
        "\nプログラムのフォルダにアドレス帳データベースがあり、書き込めるときは、データベースも出力フォルダも\n"
        "そのフォルダです。そうでないとき（インストールしたとき）は、データベースは利用者ごとのデータフォルダ\n"
        "（Linux では ~/.local/share/paluksen）、出力フォルダはドキュメントの Paluksen フォルダです。\n");
    for (const Job& job : jobs()) {
        if (!job.layouts)
            continue;
        text += QStringLiteral("\n%1（--%2 N）:\n").arg(job.layouts->caption, job.layouts->option);
        for (const LayoutEntry& entry : job.layouts->entries)
            text += QStringLiteral("  ") + entry.listText + u'\n';
    }
    return text + QStringLiteral("\n終了コード:\n"
                                 "  0  正常終了\n"
                                 "  1  エラー（アドレス帳データベースまたはファイル。データは変更していません）\n"
                                 "  2  引数の誤り（何も変更していません）\n"
                                 "  3  入力レコードがない、または1件しかない（今までのデータはそのまま）\n");
}

} // namespace paluksen::cli
