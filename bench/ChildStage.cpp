#include "ChildStage.h"

#include <QFile>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace paluksen::bench {
namespace {

// A job's stages are named after its command word: "call-csv", "window-edmax".
Lap runStageHere(const QString& stage, const StagePlace& place)
{
    if (stage == u"parse")
        return parseOnly(place);
    const Job* job = jobOfCommand(stage.section(u'-', 1));
    if (job && stage.startsWith(u"call-"))
        return job->importListing ? importByCall(place) : exportByCall(place, *job);
    if (job && stage.startsWith(u"window-"))
        return throughWindow(place, *job);
    die(QStringLiteral("no stage named ") + stage);
}

// Read with stdio: /proc files report a size of zero, which QFile takes for the end.
qint64 peakResidentKiB()
{
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (!status)
        return -1;
    long long kib = -1;
    char line[256];
    while (std::fgets(line, sizeof line, status))
        if (std::sscanf(line, "VmHWM: %lld kB", &kib) == 1)
            break;
    std::fclose(status);
    return kib;
}

constexpr char kResultTag[] = "paluksen-bench-result";

int openOrDie(const QString& path, int flags)
{
    const int fd = open(QFile::encodeName(path).constData(), flags | O_CLOEXEC, 0644);
    if (fd < 0)
        die(QStringLiteral("cannot open ") + path);
    return fd;
}

struct Ended {
    Measured measured;
    int status = 0;
};

// Starts the program with its standard input and output on the descriptors given and waits for
// it. Data an earlier stage left for the kernel to write out would otherwise be written while
// this one runs, and charged to its commit: everything is synced first.
Ended runToEnd(const QStringList& arguments, int input, int output)
{
    std::vector<std::string> args;
    for (const QString& argument : arguments)
        args.push_back(argument.toStdString());
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    sync();
    std::fflush(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0)
        die(QStringLiteral("fork failed"));
    if (child == 0) {
        dup2(input, STDIN_FILENO);
        dup2(output, STDOUT_FILENO);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    Ended ended;
    rusage usage{};
    if (wait4(child, &ended.status, 0, &usage) != child)
        die(QStringLiteral("wait failed"));
    ended.measured.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6;
    };
    ended.measured.processorSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    ended.measured.peakKiB = usage.ru_maxrss; // kibibytes on Linux
    return ended;
}

bool succeeded(int status)
{
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

int childMain(const QString& stage, const StagePlace& place)
{
    const Lap lap = runStageHere(stage, place);
    std::printf("%s %.6f %.6f %lld\n", kResultTag, lap.seconds, lap.processorSeconds,
                static_cast<long long>(peakResidentKiB()));
    return 0;
}

Measured runInChild(const QString& stage, const StagePlace& place)
{
    const QString self = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    const QString resultFile = placeFile(place, QStringLiteral("stage-result.txt"));
    const int input = openOrDie(QStringLiteral("/dev/null"), O_RDONLY);
    const int output = openOrDie(resultFile, O_WRONLY | O_CREAT | O_TRUNC);
    const Ended ended =
        runToEnd({self, QStringLiteral("--stage"), stage, QStringLiteral("--dir"), place.dir,
                  QStringLiteral("--listing"), place.listing, QStringLiteral("--store"), place.emptyStore},
                 input, output);
    close(input);
    close(output);
    if (!succeeded(ended.status))
        die(QStringLiteral("stage %1 failed").arg(stage));
    QFile file(resultFile);
    if (!file.open(QIODevice::ReadOnly))
        die(QStringLiteral("cannot read ") + resultFile);
    const std::string said = file.readAll().toStdString();
    const std::size_t at = said.rfind(kResultTag);
    Measured measured;
    long long peak = 0;
    if (at == std::string::npos || std::sscanf(said.c_str() + at + std::strlen(kResultTag), "%lf %lf %lld",
                                               &measured.seconds, &measured.processorSeconds, &peak) != 3)
        die(QStringLiteral("stage %1 reported nothing").arg(stage));
    measured.peakKiB = peak;
    return measured;
}

Measured runProgram(const QStringList& arguments, const QString& input, const QString& output)
{
    const int in = openOrDie(input.isEmpty() ? QStringLiteral("/dev/null") : input, O_RDONLY);
    const int out = output.isEmpty() ? openOrDie(QStringLiteral("/dev/null"), O_WRONLY)
                                     : openOrDie(output, O_WRONLY | O_CREAT | O_TRUNC);
    const Ended ended = runToEnd(arguments, in, out);
    close(in);
    close(out);
    if (!succeeded(ended.status))
        die(QStringLiteral("%1 failed").arg(arguments.join(u' ')));
    return ended.measured;
}

} // namespace paluksen::bench
