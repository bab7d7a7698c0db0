#pragma once

#include "store/Sqlite.h"

#include <QString>

namespace paluksen {

// The CSV field for one stored value. Null and empty text give an empty field. A value holding
// an ASCII double quote is quoted with its double quotes doubled; one holding an ASCII comma, CR
// or LF is quoted as it is; anything else is written bare, spaces, TABs and full-width
// punctuation included.
QString CsvQuoted(const store::Text& value);

} // namespace paluksen
