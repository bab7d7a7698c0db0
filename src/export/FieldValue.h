#pragma once

#include <QString>

namespace paluksen {

// A value as an address book may carry it. The mail clients read a line break as the end of a
// record and their separator as the start of the next field, so one such character inside a value
// would shift every field after it; each becomes a character the book reads as text. A value
// without them is handed back as it is.
using FieldValue = QString (*)(QString value);

// 常用アドレス.adr: three lines per record, TAB-separated fields. A CR, a LF or a TAB becomes a space.
QString edMaxFieldValue(QString value);

// AdrBook.txt: one comma-separated line per entry. A CR or a LF becomes a space, a comma the
// full-width comma, which reads the same to the user.
QString turuKameFieldValue(QString value);

} // namespace paluksen
