#pragma once

#include "import/ListingParser.h"

#include <QString>

namespace paluksen {

// What the user is told at the end of an import, the same words whichever front end ran it.
QString importOutcomeText(const ParseResult& result);

} // namespace paluksen
