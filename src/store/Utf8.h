#pragma once

#include <QString>
#include <QStringView>
#include <string>

namespace paluksen::store::utf8 {

// The store keeps its text as UTF-8. Handing SQLite UTF-16 makes it translate and copy every
// value on its own side, which costs more than the rest of storing or reading a row; these do the
// translation here instead, but only where the result is byte for byte what SQLite's own
// translation gives. SQLite treats some text in ways of its own (a leading U+FEFF or U+FFFE is
// taken for a byte-order mark, unpaired surrogates pull in the next unit, U+FFFE and U+FFFF read
// back as U+FFFD); for such text these answer false and the caller lets SQLite translate.

// Replaces out with text as UTF-8.
bool fromText(QStringView text, std::string& out);

// The text of UTF-8 bytes as read back through SQLite's UTF-16 interface. Empty bytes give empty
// text, never a null string.
bool toText(const char* bytes, qsizetype size, QString& out);

} // namespace paluksen::store::utf8
