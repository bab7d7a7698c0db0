#include "base/StandardDescriptors.h"

#include <QtGlobal>
#ifndef Q_OS_WIN
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace paluksen {

void takeClosedStandardDescriptors()
{
#ifndef Q_OS_WIN // Windows hands a new file no number of the standard three
    for (const int descriptor : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO})
        if (fcntl(descriptor, F_GETFD) == -1 && errno == EBADF) {
            const int taken = open("/dev/null", O_RDONLY);
            if (taken != descriptor && taken >= 0) {
                dup2(taken, descriptor);
                close(taken);
            }
        }
#endif
}

} // namespace paluksen
