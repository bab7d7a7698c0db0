#pragma once

#include <QString>

namespace paluksen {

// Where the program finds its files: all beside the executable and named after it, so a
// renamed executable looks for a store and a help file of its own name.
struct ProgramPaths {
    QString dir;      // no trailing separator
    QString baseName; // the executable's file name without its extension

    static ProgramPaths fromExecutable(const QString& executablePath);
    QString file(const QString& fileName) const { return dir + QStringLiteral("/") + fileName; }
    QString store() const { return file(baseName + QStringLiteral(".mdb")); }
    QString help() const { return file(baseName + QStringLiteral(".hlp")); }
};

} // namespace paluksen
