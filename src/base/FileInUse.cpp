#include "base/FileInUse.h"

#ifdef Q_OS_WIN
#include <QDir>
#include <windows.h>
#endif

namespace paluksen {

#ifdef Q_OS_WIN

// Windows refuses to replace a file that is open elsewhere, and words it as access denied, which
// sends the user looking at permissions. Asking for the right to delete the file while sharing
// everything fails, as a sharing violation, exactly where another program's handle forbids that.
bool isHeldByAnotherProgram(const QString& path)
{
    const HANDLE file = CreateFileW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()), DELETE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        return false;
    }
    return GetLastError() == ERROR_SHARING_VIOLATION;
}

#else

bool isHeldByAnotherProgram(const QString&)
{
    return false;
}

#endif

} // namespace paluksen
