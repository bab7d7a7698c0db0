#include "cli/Arguments.h"
#include "base/ProgramOutputFiles.h"
#include "base/ProgramVersion.h"
#include "base/SameFile.h"
#include "base/TaskNames.h"
#include "export/EdMaxExport.h"
#include "export/TuruKameExport.h"

#include <QCommandLineParser>
#include <QRegularExpression>
#include <algorithm>
#include <iterator>
#include <span>

namespace paluksen::cli {
namespace {

// Each command, the window whose job it does, and the option choosing its layout, if any.
struct CommandJob {
    QLatin1StringView command;
    Job job;
    const TaskNames& names;
    QLatin1StringView arguments; // as the usage shows them
    QLatin1StringView layoutOption;
    const QString* layoutsCaption;
    std::span<const LayoutEntry> layouts;
};
const CommandJob kJobs[] = {
    {QLatin1StringView("import"), Job::Import, kImportTask, QLatin1StringView("LISTING"), {}, nullptr, {}},
    {QLatin1StringView("csv"), Job::Csv, kCsvTask, QLatin1StringView("[OUTPUT]"), {}, nullptr, {}},
    {QLatin1StringView("edmax"), Job::EdMax, kEdMaxTask, QLatin1StringView("[--memo N] [OUTPUT]"),
     QLatin1StringView("memo"), &kMemoLayoutsCaption, kMemoLayouts},
    {QLatin1StringView("turukame"), Job::TuruKame, kTuruKameTask, QLatin1StringView("[--remarks N] [OUTPUT]"),
     QLatin1StringView("remarks"), &kRemarksLayoutsCaption, kRemarksLayouts},
};

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

// An unknown option as the user typed it, dashes and all.
QString typedOption(const QStringList& arguments, const QString& name)
{
    for (const QString& argument : arguments) {
        const QString option = argument.section(u'=', 0, 0);
        if (option.startsWith(u'-') && QStringView(option).sliced(option.startsWith(u"--") ? 2 : 1) == name)
            return option;
    }
    return name;
}

} // namespace

Arguments parseArguments(const QStringList& arguments, const ProgramPaths& paths)
{
    const QCommandLineOption store(QStringLiteral("store"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption help(QStringLiteral("help"));
    const QCommandLineOption version(QStringLiteral("version"));
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({store, help, version});
    QStringList valueOptions{store.names().constFirst()};
    for (const CommandJob& job : kJobs)
        if (!job.layoutOption.isEmpty()) {
            parser.addOption(QCommandLineOption(job.layoutOption, QString(), QStringLiteral("N")));
            valueOptions << job.layoutOption;
        }

    // The parser's own error texts are English; each case is named here instead.
    if (!parser.parse(QStringList{QStringLiteral("paluksen")} + arguments)) {
        if (!parser.unknownOptionNames().isEmpty())
            return wrong(QStringLiteral("知らないオプションです: ") +
                         typedOption(arguments, parser.unknownOptionNames().constFirst()));
        // The other complaints name the option in quotes: one that takes a value came last
        // without it, or one that takes none was given one.
        const QString option = QRegularExpression(QStringLiteral("'([^']*)'")).match(parser.errorText()).captured(1);
        if (option == arguments.constLast())
            return wrong(option + QStringLiteral(" の値がありません。"));
        return wrong(option + QStringLiteral(" には値を指定できません。"));
    }
    if (parser.isSet(help))
        return Arguments{Arguments::Kind::Help, {}, {}};
    if (parser.isSet(version))
        return Arguments{Arguments::Kind::Version, {}, {}};
    for (const QString& option : valueOptions)
        if (parser.values(option).size() > 1)
            return wrong(QStringLiteral("--") + option + QStringLiteral(" が2回以上指定されています。"));

    QStringList rest = parser.positionalArguments();
    if (rest.isEmpty())
        return wrong(QStringLiteral("コマンドが指定されていません。"));
    const QString name = rest.takeFirst();
    const CommandJob* job = std::find_if(std::begin(kJobs), std::end(kJobs),
                                         [&](const CommandJob& entry) { return name == entry.command; });
    if (job == std::end(kJobs))
        return wrong(QStringLiteral("知らないコマンドです: ") + name);

    Arguments result{Arguments::Kind::Run, {}, {}};
    Command& command = result.command;
    command.job = job->job;
    if (parser.isSet(store) && parser.value(store).isEmpty())
        return wrong(QStringLiteral("--store に空の文字列が指定されています。"));
    command.paths = paths;
    command.ownStore = !parser.isSet(store);
    command.storePath = command.ownStore ? paths.store : parser.value(store);
    for (const CommandJob& other : kJobs)
        if (&other != job && !other.layoutOption.isEmpty() && parser.isSet(other.layoutOption))
            return wrong(QStringLiteral("--%1 は %2 にだけ指定できます。").arg(other.layoutOption, other.command));
    if (command.job == Job::Import) {
        if (rest.isEmpty())
            return wrong(QStringLiteral("取り込むファイル（LISTING）が指定されていません。"));
        command.listingPath = rest.takeFirst();
        command.programOutputs = programOutputFiles(paths);
        if (command.listingPath.isEmpty())
            return wrong(QStringLiteral("取り込むファイル（LISTING）に空の文字列が指定されています。"));
    } else {
        command.ownOutput = rest.isEmpty();
        const QString output = command.ownOutput ? paths.output(job->names.fileName) : rest.takeFirst();
        if (output.isEmpty())
            return wrong(QStringLiteral("出力ファイル（OUTPUT）に空の文字列が指定されています。"));
        if (output != u"-" && sameFile(output, command.storePath))
            return wrong(QStringLiteral("出力ファイルがアドレス帳データベースと同じファイルです: ") + output);
        command.output = output == u"-" ? OutputTarget::standardOutput() : OutputTarget::file(output);
    }
    if (!rest.isEmpty())
        return wrong(QStringLiteral("余分な引数があります: ") + rest.constFirst());

    if (!job->layoutOption.isEmpty()) {
        const QString value = parser.isSet(job->layoutOption) ? parser.value(job->layoutOption) : QStringLiteral("1");
        if (!chooseLayout(value, job->layouts, command.layout))
            return wrong(QStringLiteral("--%1 には 1 から %2 の番号を指定してください: ")
                             .arg(job->layoutOption)
                             .arg(job->layouts.size()) +
                         value);
    }
    return result;
}

QString usageText()
{
    QString text = QStringLiteral("使い方:\n  %1メインメニューを開きます\n").arg(u"paluksen"_qs, -43);
    for (const CommandJob& job : kJobs) {
        const QString note = job.job == Job::Import ? QStringLiteral("今までのデータは置き換わります")
                                                    : QStringLiteral("既定: 出力フォルダの ") + job.names.fileName;
        text += QStringLiteral("  %1%2（%3）\n")
                    .arg(QStringLiteral("paluksen %1 %2").arg(job.command, job.arguments), -43)
                    .arg(job.names.caption, note);
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
    for (const CommandJob& job : kJobs)
        if (!job.layoutOption.isEmpty())
            text += QStringLiteral("  %1%2（%3、既定 1）\n")
                        .arg(QStringLiteral("--%1 N").arg(job.layoutOption), -15)
                        .arg(*job.layoutsCaption, job.command);
    text += QStringLiteral(
        "  --help         この説明を表示します\n"
        "  --version      バージョンを表示します\n"
        "\nプログラムのフォルダにアドレス帳データベースがあり、書き込めるときは、データベースも出力フォルダも\n"
        "そのフォルダです。そうでないとき（インストールしたとき）は、データベースは利用者ごとのデータフォルダ\n"
        "（Linux では ~/.local/share/paluksen）、出力フォルダはドキュメントの Paluksen フォルダです。\n");
    for (const CommandJob& job : kJobs) {
        if (job.layoutOption.isEmpty())
            continue;
        text += QStringLiteral("\n%1（--%2 N）:\n").arg(*job.layoutsCaption, job.layoutOption);
        for (const LayoutEntry& entry : job.layouts)
            text += QStringLiteral("  ") + entry.listText + u'\n';
    }
    return text + QStringLiteral("\n終了コード:\n"
                                 "  0  正常終了\n"
                                 "  1  エラー（アドレス帳データベースまたはファイル。データは変更していません）\n"
                                 "  2  引数の誤り（何も変更していません）\n"
                                 "  3  入力レコードがない、または1件しかない（今までのデータはそのまま）\n");
}

} // namespace paluksen::cli
