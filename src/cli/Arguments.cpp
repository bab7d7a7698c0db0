#include "cli/Arguments.h"
#include "Version.h"
#include "base/SameFile.h"
#include "export/OutputFiles.h"

#include <QCommandLineParser>
#include <QRegularExpression>
#include <algorithm>
#include <iterator>

namespace paluksen::cli {
namespace {

struct JobName {
    const char* name;
    Job job;
};
constexpr JobName kJobs[] = {
    {"import", Job::Import}, {"csv", Job::Csv}, {"edmax", Job::EdMax}, {"turukame", Job::TuruKame}};

Arguments wrong(const QString& line)
{
    Arguments result;
    result.wrong = line;
    return result;
}

// The layout is the first character of the list entry the window would show at that place, so
// the command line and the window cannot come to mean different things by the same number.
bool chooseLayout(const QString& value, const QStringList& entries, QChar& layout)
{
    bool number = false;
    const int n = value.toInt(&number);
    // Plain digits only: "+3", " 3" or "03" would be a guess at what the user meant.
    if (!number || value != QString::number(n) || n < 1 || n > entries.size())
        return false;
    layout = entries.at(n - 1).front();
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

QString defaultOutput(Job job, const ProgramPaths& paths)
{
    switch (job) {
    case Job::EdMax:
        return paths.file(kEdMaxFileName);
    case Job::TuruKame:
        return paths.file(kTuruKameFileName);
    default:
        return paths.file(kCsvFileName);
    }
}

QString layoutList(const QStringList& entries)
{
    QString text;
    for (const QString& entry : entries)
        text += QStringLiteral("  ") + entry + QStringLiteral("\n");
    return text;
}

} // namespace

Arguments parseArguments(const QStringList& arguments, const ProgramPaths& paths)
{
    const QCommandLineOption store(QStringLiteral("store"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption memo(QStringLiteral("memo"), QString(), QStringLiteral("N"));
    const QCommandLineOption remarks(QStringLiteral("remarks"), QString(), QStringLiteral("N"));
    const QCommandLineOption help(QStringLiteral("help"));
    const QCommandLineOption version(QStringLiteral("version"));
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({store, memo, remarks, help, version});

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
    for (const QCommandLineOption* option : {&store, &memo, &remarks})
        if (parser.values(*option).size() > 1)
            return wrong(QStringLiteral("--") + option->names().constFirst() + QStringLiteral(" が2回以上指定されています。"));

    QStringList rest = parser.positionalArguments();
    if (rest.isEmpty())
        return wrong(QStringLiteral("コマンドが指定されていません。"));
    const QString name = rest.takeFirst();
    const auto* job = std::find_if(std::begin(kJobs), std::end(kJobs),
                                   [&](const JobName& j) { return name == QLatin1String(j.name); });
    if (job == std::end(kJobs))
        return wrong(QStringLiteral("知らないコマンドです: ") + name);

    Arguments result{Arguments::Kind::Run, {}, {}};
    Command& command = result.command;
    command.job = job->job;
    if (parser.isSet(store) && parser.value(store).isEmpty())
        return wrong(QStringLiteral("--store に空の文字列が指定されています。"));
    command.storePath = parser.isSet(store) ? parser.value(store) : paths.store();
    if (parser.isSet(memo) && command.job != Job::EdMax)
        return wrong(QStringLiteral("--memo は edmax にだけ指定できます。"));
    if (parser.isSet(remarks) && command.job != Job::TuruKame)
        return wrong(QStringLiteral("--remarks は turukame にだけ指定できます。"));
    if (command.job == Job::Import) {
        if (rest.isEmpty())
            return wrong(QStringLiteral("取り込むファイル（LISTING）が指定されていません。"));
        command.listingPath = rest.takeFirst();
        if (command.listingPath.isEmpty())
            return wrong(QStringLiteral("取り込むファイル（LISTING）に空の文字列が指定されています。"));
    } else {
        command.outputPath = rest.isEmpty() ? defaultOutput(command.job, paths) : rest.takeFirst();
        if (command.outputPath.isEmpty())
            return wrong(QStringLiteral("出力ファイル（OUTPUT）に空の文字列が指定されています。"));
        if (command.outputPath != u"-" && sameFile(command.outputPath, command.storePath))
            return wrong(QStringLiteral("出力ファイルがアドレス帳データベースと同じファイルです: ") + command.outputPath);
    }
    if (!rest.isEmpty())
        return wrong(QStringLiteral("余分な引数があります: ") + rest.constFirst());

    if (command.job == Job::EdMax && !chooseLayout(parser.isSet(memo) ? parser.value(memo) : QStringLiteral("1"),
                                                   kMemoLayouts, command.layout))
        return wrong(QStringLiteral("--memo には 1 から %1 の番号を指定してください: ").arg(kMemoLayouts.size()) +
                     parser.value(memo));
    if (command.job == Job::TuruKame &&
        !chooseLayout(parser.isSet(remarks) ? parser.value(remarks) : QStringLiteral("1"), kRemarksLayouts,
                      command.layout))
        return wrong(QStringLiteral("--remarks には 1 から %1 の番号を指定してください: ").arg(kRemarksLayouts.size()) +
                     parser.value(remarks));
    return result;
}

QString usageText()
{
    return QStringLiteral(
        "使い方:\n"
        "  paluksen                                   メインメニューを開きます\n"
        "  paluksen import LISTING                    アドレス帳データを取り込みます（今までのデータは置き換わります）\n"
        "  paluksen csv [OUTPUT]                      CSV 出力（既定: プログラムのフォルダの PalukF02.txt）\n"
        "  paluksen edmax [--memo N] [OUTPUT]         EdMax アドレス帳作成（既定: 常用アドレス.adr）\n"
        "  paluksen turukame [--remarks N] [OUTPUT]   鶴亀アドレス帳作成（既定: AdrBook.txt）\n"
        "どのコマンドにも: --store FILE, --help, --version。OUTPUT に - を指定すると標準出力に書き出します。\n");
}

QString helpText()
{
    return versionText() + QStringLiteral("\n") + usageText() +
           QStringLiteral("\nオプション:\n"
                          "  --store FILE   アドレス帳データベース（既定: プログラムと同じフォルダのもの）\n"
                          "  --memo N       メモ欄の扱い（edmax、既定 1）\n"
                          "  --remarks N    備考欄の扱い（turukame、既定 1）\n"
                          "  --help         この説明を表示します\n"
                          "  --version      バージョンを表示します\n"
                          "\nメモ欄の扱い（--memo N）:\n") +
           layoutList(kMemoLayouts) + QStringLiteral("\n備考欄の扱い（--remarks N）:\n") + layoutList(kRemarksLayouts) +
           QStringLiteral("\n終了コード:\n"
                          "  0  正常終了\n"
                          "  1  エラー（アドレス帳データベースまたはファイル。データは変更していません）\n"
                          "  2  引数の誤り（何も変更していません）\n"
                          "  3  入力レコードがない、または1件しかない（今までのデータはそのまま）\n");
}

QString versionText()
{
    return QStringLiteral("%1 %2.%3.%4\n")
        .arg(QLatin1String(kProgramTitle))
        .arg(kVersionMajor)
        .arg(kVersionMinor)
        .arg(kVersionPatch);
}

} // namespace paluksen::cli
