#pragma once

#include <QString>
#include <cstdio>
#include <cstdlib>

namespace paluksen::fuzz {

// A broken invariant must stop the fuzzer so that it keeps the input; abort() is what
// libFuzzer reports as a crash.
inline void require(bool holds, const char* invariant, const QString& detail = {})
{
    if (holds)
        return;
    std::fprintf(stderr, "invariant broken: %s\n%s\n", invariant, detail.toUtf8().constData());
    std::abort();
}

} // namespace paluksen::fuzz
