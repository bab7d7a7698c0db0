#include "base/SameFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>
#include <utility>
#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace paluksen {
namespace {

// What the file system knows a file by, whatever path leads to it; none for a missing file.
using FileIdentity = std::pair<unsigned long long, unsigned long long>;

#ifdef Q_OS_WIN
std::optional<FileIdentity> identity(const QString& path)
{
    const HANDLE file = CreateFileW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()), 0,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info;
    const bool known = GetFileInformationByHandle(file, &info) != 0;
    CloseHandle(file);
    if (!known)
        return std::nullopt;
    return FileIdentity{info.dwVolumeSerialNumber,
                        (static_cast<unsigned long long>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}
#else
std::optional<FileIdentity> identity(const QString& path)
{
    struct stat info;
    if (stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return FileIdentity{static_cast<unsigned long long>(info.st_dev), static_cast<unsigned long long>(info.st_ino)};
}
#endif

} // namespace

bool sameFile(const QString& first, const QString& second)
{
    if (QDir::cleanPath(QFileInfo(first).absoluteFilePath()) == QDir::cleanPath(QFileInfo(second).absoluteFilePath()))
        return true;
    const std::optional<FileIdentity> a = identity(first);
    return a && a == identity(second);
}

} // namespace paluksen
