#pragma once

#include "text/LineReader.h"

#include <QByteArrayView>

namespace paluksen::fuzz {

// How many lines a reader must hand out for these file bytes, worked out from the bytes alone:
// a line ends at CR LF or at a lone CR, and whatever follows the last line end is one more line.
// It relies only on CR and LF being one code unit in every encoding the reader knows and on
// a broken character never swallowing one, so it needs no decoder of its own.
qint64 expectedLineCount(QByteArrayView bytes, TextEncoding encoding, qsizetype markBytes);

} // namespace paluksen::fuzz
