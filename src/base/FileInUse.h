#pragma once

#include <QString>

namespace paluksen {

// Whether another program holds the existing file at `path` open so that it may not be replaced
// (a spreadsheet showing the CSV file, a mail client reading its address book). Where it does,
// the system's number for it is left as lastSystemError(). Only Windows locks files that way.
bool isHeldByAnotherProgram(const QString& path);

} // namespace paluksen
