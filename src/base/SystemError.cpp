#include "base/SystemError.h"

#include <cerrno>
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

// One row for each number a file or the store can meet; no English words reach the user.
constexpr struct {
    int number;
    const char16_t* words;
} kSystemErrorWords[] = {
    {EPERM, u"アクセスが拒否されました。"},
    {EACCES, u"アクセスが拒否されました。"},
    {ENOENT, u"ファイルまたはフォルダが見つかりません。"},
    {ENOTDIR, u"パスの途中にフォルダでないものがあります。"},
    {EISDIR, u"ファイルではなくフォルダです。"},
    {ENAMETOOLONG, u"ファイル名が長すぎます。"},
    {ELOOP, u"シンボリックリンクが循環しています。"},
    {EROFS, u"読み取り専用の場所です。"},
    {ETXTBSY, u"ファイルは使用中です。"},
    {EBUSY, u"ファイルは使用中です。"},
    {ENOSPC, u"ディスクの空き容量が足りません。"},
    {EDQUOT, u"ディスクの使用量の上限に達しました。"},
    {EFBIG, u"ファイルが大きすぎます。"},
    {EIO, u"ディスクの読み書きに失敗しました。"},
    {EPIPE, u"書き込み先が閉じられています。"},
    {EBADF, u"ファイルが開かれていません。"},
    {EINVAL, u"ファイルの操作が正しくありません。"},
    {EAGAIN, u"ファイルは一時的に使用できません。"},
    {EMFILE, u"開いているファイルが多すぎます。"},
    {ENFILE, u"開いているファイルが多すぎます。"},
    {ENOMEM, u"メモリが不足しています。"},
    {ENXIO, u"書き込み先の装置がありません。"},
    {ENODEV, u"書き込み先の装置がありません。"},
};

QString systemErrorText(int number)
{
    for (const auto& row : kSystemErrorWords)
        if (row.number == number)
            return QString::fromUtf16(row.words);
    return QStringLiteral("システムエラーが発生しました。");
}

#endif

} // namespace paluksen
