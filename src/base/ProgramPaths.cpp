#include "base/ProgramPaths.h"

#include <QFileInfo>

namespace paluksen {

ProgramPaths ProgramPaths::fromExecutable(const QString& executablePath)
{
    const QFileInfo info(executablePath);
    QString dir = info.absolutePath();
    while (dir.size() > 1 && dir.endsWith(QLatin1Char('/')))
        dir.chop(1);
    return {dir, info.completeBaseName()};
}

} // namespace paluksen
