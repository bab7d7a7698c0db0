#include "Stages.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstdlib>

namespace paluksen::bench {

QString importedStore(const StagePlace& place)
{
    return QDir(place.dir).filePath(QStringLiteral("import.mdb"));
}

QString freshStore(const StagePlace& place, const QString& name)
{
    const QString path = QDir(place.dir).filePath(name);
    QFile::remove(path);
    QFile::remove(path + QStringLiteral("-journal"));
    if (!QFile::copy(place.emptyStore, path))
        die(QStringLiteral("cannot copy %1 to %2").arg(place.emptyStore, path));
    // A copy keeps the read-only mark of an installed store; the import has to write.
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

void die(const QString& message)
{
    std::fprintf(stderr, "paluksen_bench: %s\n", qPrintable(message));
    std::exit(1);
}

} // namespace paluksen::bench
