#include "ChildStage.h"

#include <QFile>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace paluksen::bench {
namespace {

using StageFunction = StageResult (*)(const StagePlace&);

const std::map<QString, StageFunction>& stages()
{
    static const std::map<QString, StageFunction> known{
        {QStringLiteral("parse"), parseOnly},       {QStringLiteral("import"), importListing},
        {QStringLiteral("bare-insert"), bareInsert}, {QStringLiteral("bare-read"), bareRead},
        {QStringLiteral("csv"), exportCsv},          {QStringLiteral("edmax"), exportEdMax},
        {QStringLiteral("turukame"), exportTuruKame},
    };
    return known;
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

} // namespace

int childMain(const QString& stage, const StagePlace& place)
{
    const auto found = stages().find(stage);
    if (found == stages().end())
        die(QStringLiteral("no stage named ") + stage);
    const StageResult result = found->second(place);
    std::printf("%s %lld %.6f %.6f %lld\n", kResultTag, static_cast<long long>(result.rows), result.time.seconds,
                result.time.processorSeconds, static_cast<long long>(peakResidentKiB()));
    return 0;
}

Measured runInChild(const QString& stage, const StagePlace& place)
{
    const std::string self = QFile::symLinkTarget(QStringLiteral("/proc/self/exe")).toStdString();
    const std::string args[] = {self,
                                "--stage", stage.toStdString(),
                                "--dir", place.dir.toStdString(),
                                "--listing", place.listing.toStdString(),
                                "--store", place.emptyStore.toStdString()};
    // Data an earlier stage left for the kernel to write out would otherwise be written while
    // this stage runs, and charged to its commit.
    sync();
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        die(QStringLiteral("pipe failed"));
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child < 0)
        die(QStringLiteral("fork failed"));
    if (child == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        std::vector<char*> argv;
        for (const std::string& arg : args)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        execv(self.c_str(), argv.data());
        _exit(127);
    }
    close(pipeEnds[1]);
    std::string output;
    char chunk[4096];
    ssize_t got;
    while ((got = read(pipeEnds[0], chunk, sizeof chunk)) > 0)
        output.append(chunk, static_cast<std::size_t>(got));
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        die(QStringLiteral("stage %1 failed").arg(stage));

    Measured measured;
    const std::size_t at = output.rfind(kResultTag);
    long long rows = 0, peak = 0;
    if (at == std::string::npos ||
        std::sscanf(output.c_str() + at + std::strlen(kResultTag), "%lld %lf %lf %lld", &rows, &measured.seconds,
                    &measured.processorSeconds, &peak) != 4)
        die(QStringLiteral("stage %1 reported nothing").arg(stage));
    measured.rows = rows;
    measured.peakKiB = peak;
    return measured;
}

} // namespace paluksen::bench
