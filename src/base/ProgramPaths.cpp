#include "base/ProgramPaths.h"
#include "base/Failure.h"
#include "base/SystemError.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace paluksen {
namespace {

// Asked of the folder itself: permission bits say nothing of Windows' access lists, nor of root.
bool canWriteIn(const QString& dir)
{
    QTemporaryFile probe(dir + QStringLiteral("/.paluksen-XXXXXX"));
    return probe.open();
}

// Beside the executable, or where a Linux installation keeps a program's data.
QString suppliedFile(const ProgramPaths& beside, const QString& extension)
{
    const QString name = beside.baseName + extension;
    const QString shared = QDir::cleanPath(beside.dir + QStringLiteral("/../share/") + beside.baseName + u'/' + name);
    return QFileInfo::exists(beside.dir + u'/' + name) || !QFileInfo::exists(shared) ? beside.dir + u'/' + name
                                                                                     : shared;
}

} // namespace

ProgramPaths ProgramPaths::portable(const QString& dir, const QString& baseName)
{
    const QString base = dir + u'/' + baseName;
    return {dir, baseName, base + QStringLiteral(".mdb"), {}, base + QStringLiteral(".hlp"), dir};
}

ProgramPaths ProgramPaths::fromExecutable(const QString& executablePath, const UserPlaces& user)
{
    const QFileInfo info(executablePath);
    QString dir = info.absolutePath();
    while (dir.size() > 1 && dir.endsWith(QLatin1Char('/')))
        dir.chop(1);
    ProgramPaths paths = portable(dir, info.completeBaseName());
    if (QFileInfo::exists(paths.store) && canWriteIn(dir))
        return paths;
    paths.suppliedStore = suppliedFile(paths, QStringLiteral(".mdb"));
    paths.store = user.data + u'/' + paths.baseName + QStringLiteral(".mdb");
    paths.help = suppliedFile(paths, QStringLiteral(".hlp"));
    paths.outputDir = user.documents;
    return paths;
}

ProgramPaths ProgramPaths::fromExecutable(const QString& executablePath)
{
    // With no organisation name set, the program's data folder is named after the executable:
    // ~/.local/share/paluksen, %LOCALAPPDATA%\paluksen.
    return fromExecutable(executablePath, {QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation),
                                           QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                                               QStringLiteral("/Paluksen")});
}

void ProgramPaths::makeOutputDir() const
{
    if (installed())
        makeFolder(outputDir, QStringLiteral("出力先のフォルダを作成できませんでした。"));
}

void makeFolder(const QString& path, const QString& description)
{
    if (QFileInfo(path).isDir())
        return;
    clearSystemError();
    if (!QDir().mkpath(path)) {
        const int number = lastSystemError();
        throw FileFailure(number, description, QDir::toNativeSeparators(path) + u'\n' + systemErrorText(number));
    }
}

} // namespace paluksen
