#include "cli/CommandLine.h"
#include "base/Failure.h"
#include "base/ProgramVersion.h"
#include "base/SystemError.h"
#include "cli/Arguments.h"
#include "cli/Commands.h"

#include <QCoreApplication>
#include <cstdio>
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace paluksen {
namespace {

// The terminal takes its own encoding. A Windows console is handed the text itself, which it shows
// whatever its code page; redirected, the words go out in the system's code page (932 on a
// Japanese Windows). Returns whether the stream took the whole text.
bool print(std::FILE* stream, QString text)
{
    if (!text.endsWith(QLatin1Char('\n')))
        text += QLatin1Char('\n');
    clearSystemError();
#ifdef Q_OS_WIN
    const HANDLE console = GetStdHandle(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    if (DWORD mode = 0; GetConsoleMode(console, &mode)) {
        DWORD written = 0;
        return std::fflush(stream) == 0 &&
               WriteConsoleW(console, text.utf16(), static_cast<DWORD>(text.size()), &written, nullptr) &&
               written == static_cast<DWORD>(text.size());
    }
#endif
    return std::fputs(text.toLocal8Bit().constData(), stream) >= 0 && std::fflush(stream) == 0;
}

// Prints what the run has to say on standard output; an output that cannot take it (a full disk,
// a closed pipe) fails the run like any other file.
int printResult(const QString& text, int exitCode)
{
    if (print(stdout, text))
        return exitCode;
    const int number = lastSystemError();
    print(stderr, failureReportText(FileFailure(number, QStringLiteral("出力ファイルに書き込めませんでした。"),
                                                QStringLiteral("標準出力\n") + systemErrorText(number))));
    return cli::kFailure;
}

} // namespace

int runCommandLine(int argc, char** argv)
{
    // No QApplication: the command line must run where there is no display at all.
    QCoreApplication app(argc, argv);
    const cli::Arguments arguments = cli::parseArguments(
        QCoreApplication::arguments().mid(1), ProgramPaths::fromExecutable(QCoreApplication::applicationFilePath()));
    switch (arguments.kind) {
    case cli::Arguments::Kind::Help:
        return printResult(cli::helpText(), cli::kSuccess);
    case cli::Arguments::Kind::Version:
        return printResult(programVersionText(), cli::kSuccess);
    case cli::Arguments::Kind::Wrong:
        print(stderr, QStringLiteral("paluksen: ") + arguments.wrong + QStringLiteral("\n") + cli::usageText());
        return cli::kWrongArgument;
    case cli::Arguments::Kind::Run:
        break;
    }
    try {
        const cli::Outcome outcome = cli::runCommand(arguments.command);
        if (outcome.message.isEmpty())
            return outcome.exitCode;
        if (outcome.exitCode == cli::kSuccess)
            return printResult(outcome.message, outcome.exitCode);
        print(stderr, outcome.message);
        return outcome.exitCode;
    } catch (const std::exception& failure) {
        // The report the windows' failure box shows; the transaction or the unfinished output
        // file has rolled back on the way here.
        print(stderr, failureReportText(failure));
        return cli::kFailure;
    }
}

} // namespace paluksen
