#pragma once

#include <QString>

namespace paluksen {

// Where the program finds its files. Portable, everything is beside the executable as it always
// was: a folder the user unzipped or built into. Installed (the folder holds no store, or the
// user cannot write there: /usr/bin, C:\Program Files), the store is the user's own copy of the
// supplied one and the outputs go to a folder the user sees. Files are named after the
// executable, so a renamed executable looks for a store and a help file of its own name.
struct ProgramPaths {
    QString dir;           // the executable's folder, no trailing separator
    QString baseName;      // the executable's file name without its extension
    QString store;         // the store the program opens
    QString suppliedStore; // installed: the store copied on first start; empty when portable
    QString help;
    QString outputDir; // no trailing separator

    // The user's own places for an installed program.
    struct UserPlaces {
        QString data;      // the store's folder
        QString documents; // the outputs' folder
    };

    static ProgramPaths fromExecutable(const QString& executablePath); // the places Qt knows for the user
    static ProgramPaths fromExecutable(const QString& executablePath, const UserPlaces& user);
    static ProgramPaths portable(const QString& dir, const QString& baseName);

    bool installed() const { return !suppliedStore.isEmpty(); }
    QString output(const QString& fileName) const { return outputDir + QStringLiteral("/") + fileName; }
    // Installed, the outputs' folder is made when an output is first written.
    void makeOutputDir() const;
};

// Makes a folder and those on the way to it; a failure is a FileFailure with `description`.
void makeFolder(const QString& path, const QString& description);

} // namespace paluksen
