#include "Stages.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstdlib>

namespace paluksen::bench {

QString placeFile(const StagePlace& place, const QString& name)
{
    return QDir(place.dir).filePath(name);
}

QString importedStore(const StagePlace& place)
{
    return placeFile(place, QStringLiteral("import.mdb"));
}

QString windowFolder(const StagePlace& place)
{
    return placeFile(place, QStringLiteral("program"));
}

QString windowStore(const StagePlace& place)
{
    return QDir(windowFolder(place)).filePath(QStringLiteral("paluksen.mdb"));
}

void copyStore(const QString& source, const QString& target)
{
    QFile::remove(target);
    QFile::remove(target + QStringLiteral("-journal"));
    if (!QFile::copy(source, target))
        die(QStringLiteral("cannot copy %1 to %2").arg(source, target));
    // A copy keeps the read-only mark of an installed store; the import has to write.
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
}

void die(const QString& message)
{
    std::fprintf(stderr, "paluksen_bench: %s\n", qPrintable(message));
    std::exit(1);
}

} // namespace paluksen::bench
