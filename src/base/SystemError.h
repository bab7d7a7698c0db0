#pragma once

#include <QString>

namespace paluksen {

// The number the system keeps for its last failure (errno; GetLastError() on Windows). Cleared
// before a call whose failure is to be told, so that an older number is never blamed on it.
void clearSystemError();
int lastSystemError();

// The system's failure in the user's words, always Japanese: a sentence of its own for each failure
// a user meets with files (missing, refused, full, in use ...), a general one for the rare rest.
QString systemErrorText(int number);

} // namespace paluksen
