#include "base/SystemError.h"

#include <cerrno>
#include <cstring>
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace paluksen {

#ifdef Q_OS_WIN

// Qt reaches files through the Win32 API, which keeps its numbers apart from the C library's.
void clearSystemError()
{
    SetLastError(ERROR_SUCCESS);
    errno = 0;
}

int lastSystemError()
{
    const DWORD error = GetLastError();
    return error != ERROR_SUCCESS ? static_cast<int>(error) : errno;
}

// Windows words its messages in the language of the user's Windows, Japanese for this program's users.
QString systemErrorText(int number)
{
    wchar_t* text = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, static_cast<DWORD>(number), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    const QString words = QString::fromWCharArray(text, static_cast<qsizetype>(length)).trimmed();
    LocalFree(text);
    return words.isEmpty() ? QStringLiteral("システムエラーが発生しました。") : words;
}

#else

void clearSystemError()
{
    errno = 0;
}

int lastSystemError()
{
    return errno;
}

QString systemErrorText(int number)
{
    switch (number) {
    case ENOENT:
        return QStringLiteral("ファイルまたはフォルダが見つかりません。");
    case EACCES:
    case EPERM:
        return QStringLiteral("アクセスが拒否されました。");
    case EISDIR:
        return QStringLiteral("ファイルではなくフォルダです。");
    case ENOTDIR:
        return QStringLiteral("パスの途中にフォルダでないものがあります。");
    case ENOSPC:
        return QStringLiteral("ディスクの空き容量が足りません。");
    case EDQUOT:
        return QStringLiteral("ディスクの使用量の上限に達しました。");
    case EFBIG:
        return QStringLiteral("ファイルが大きすぎます。");
    case EROFS:
        return QStringLiteral("読み取り専用の場所です。");
    case ENAMETOOLONG:
        return QStringLiteral("ファイル名が長すぎます。");
    case ELOOP:
        return QStringLiteral("シンボリックリンクが循環しています。");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("ファイルは使用中です。");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("開いているファイルが多すぎます。");
    case ENXIO:
    case ENODEV:
        return QStringLiteral("書き込み先の装置がありません。");
    case EPIPE:
        return QStringLiteral("書き込み先が閉じられています。");
    case EIO:
        return QStringLiteral("ディスクの読み書きに失敗しました。");
    case ENOMEM:
        return QStringLiteral("メモリが不足しています。");
    default:
        return QString::fromLocal8Bit(std::strerror(number));
    }
}

#endif

} // namespace paluksen
