#include "cli/CommandLine.h"
#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "text/Failure.h"

#include <QCoreApplication>
#include <cstdio>

namespace paluksen {
namespace {

// The terminal takes its own encoding and plain line ends; CR LF belongs to the files and the
// message boxes.
void print(std::FILE* stream, QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (!text.endsWith(QLatin1Char('\n')))
        text += QLatin1Char('\n');
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

int runCommandLine(int argc, char** argv)
{
    // No QApplication: the command line must run where there is no display at all.
    QCoreApplication app(argc, argv);
    const cli::Arguments arguments = cli::parseArguments(QCoreApplication::arguments().mid(1));
    switch (arguments.kind) {
    case cli::Arguments::Kind::Help:
        print(stdout, cli::helpText());
        return cli::kSuccess;
    case cli::Arguments::Kind::Version:
        print(stdout, cli::versionText());
        return cli::kSuccess;
    case cli::Arguments::Kind::Wrong:
        print(stderr, QStringLiteral("paluksen: ") + arguments.wrong + QStringLiteral("\n") + cli::usageText());
        return cli::kWrongArgument;
    case cli::Arguments::Kind::Run:
        break;
    }
    try {
        const cli::Outcome outcome = cli::runCommand(
            arguments.command, ProgramPaths::fromExecutable(QCoreApplication::applicationFilePath()));
        if (!outcome.message.isEmpty())
            print(outcome.exitCode == cli::kSuccess ? stdout : stderr, outcome.message);
        return outcome.exitCode;
    } catch (const std::exception& failure) {
        // The report the windows' failure box shows; the transaction or the unfinished output
        // file has rolled back on the way here.
        print(stderr, failureReportText(failure));
        return cli::kFailure;
    }
}

} // namespace paluksen
