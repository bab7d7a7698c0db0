#include "store/ProgramStore.h"
#include "base/Failure.h"
#include "base/SystemError.h"
#include "store/AddressStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <sqlite3.h>

namespace paluksen::store {
namespace {

// Two users, or two starts at once, never see half a store: the copy is whole before it takes
// the store's name, and an existing store is never replaced.
void copySuppliedStore(const ProgramPaths& paths)
{
    QFile supplied(paths.suppliedStore);
    clearSystemError();
    if (!supplied.open(QIODevice::ReadOnly)) {
        const int number = lastSystemError();
        throw FileFailure(number, QStringLiteral("配布されたアドレス帳データベースを読み込めませんでした。"),
                          QDir::toNativeSeparators(paths.suppliedStore) + u'\n' + systemErrorText(number) +
                              QStringLiteral("\nプログラムをインストールし直してください。"));
    }
    makeFolder(QFileInfo(paths.store).absolutePath(),
               QStringLiteral("アドレス帳データベースのフォルダを作成できませんでした。"));
    QTemporaryFile copy(paths.store + QStringLiteral(".XXXXXX")); // readable and writable by the user alone
    clearSystemError();
    if (!copy.open() || copy.write(supplied.readAll()) != supplied.size() || !copy.flush())
        throwFileFailure(QStringLiteral("アドレス帳データベースを作成できませんでした。"), copy, lastSystemError(),
                         QDir::toNativeSeparators(paths.store));
    copy.close();
    if (copy.rename(paths.store))
        copy.setAutoRemove(false);
}

QString startAfresh(const ProgramPaths& paths)
{
    if (paths.installed())
        return QStringLiteral("最初からやり直すには、このファイルを削除してください。次の起動で配布時のアドレス帳データ"
                              "ベース（%1）がコピーされます。")
            .arg(QDir::toNativeSeparators(paths.suppliedStore));
    return QStringLiteral("最初からやり直すには、配布時の %1.mdb をプログラムと同じフォルダにコピーしてください。")
        .arg(paths.baseName);
}

} // namespace

Connection openProgramStore(const ProgramPaths& paths)
{
    if (paths.installed() && !QFileInfo::exists(paths.store))
        copySuppliedStore(paths);
    try {
        return openAddressStore(paths.store);
    } catch (const StoreFailure& failure) {
        // Waiting for another program is the way out there; starting afresh would lose the data.
        if (failure.number() == SQLITE_BUSY || failure.number() == SQLITE_LOCKED)
            throw;
        throw StoreFailure(failure.number(), failure.description(), failure.detail() + u'\n' + startAfresh(paths),
                           QString::fromUtf8(failure.what()));
    }
}

} // namespace paluksen::store
