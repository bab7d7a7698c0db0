#pragma once

#include "gui/Platform.h"

#include <exception>
#include <utility>

namespace paluksen {

// The one place where a failure that nothing else handles is told to the user: a stop box
// with the error number, a Japanese description and the engine's or system's own words, and
// then the program ends. By the time it gets here the open transaction and the unfinished
// output file have already been rolled back by their owners.
void reportFailure(Platform& platform, const std::exception& failure);

// Runs a handler so that no exception crosses Qt's event loop. Returns false after a failure,
// which has then been reported and the program asked to end.
template <typename Handler>
bool runGuarded(Platform& platform, Handler&& handler)
{
    try {
        std::forward<Handler>(handler)();
        return true;
    } catch (const std::exception& failure) {
        reportFailure(platform, failure);
        return false;
    }
}

} // namespace paluksen
