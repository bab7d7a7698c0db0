#pragma once

#include <QString>

namespace paluksen {

// Whether two paths name one file: the same path once made absolute and clean, or one existing
// file reached through a link, a hard link or another spelling.
bool sameFile(const QString& first, const QString& second);

} // namespace paluksen
