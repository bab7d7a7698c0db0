#pragma once

#include <QString>

namespace paluksen {

// Replaces, from index `from` on, every unit that is no character of its own with U+FFFD: a
// half of a surrogate pair without its other half, and the noncharacters U+FFFE and U+FFFF.
// Code page 932 and broken UTF-8 already decode to U+FFFD; UTF-16 hands such units on as they
// are. The store cannot keep them: SQLite reads every one back as U+FFFD, takes a leading
// U+FFFE for a byte-order mark and reads the rest of the text byte-swapped, and lets a lone half
// swallow the unit after it, so a name holding one would no longer be equal to itself.
void makeWellFormed(QString& text, qsizetype from);

} // namespace paluksen
