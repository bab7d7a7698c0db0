#include "gui/PalukF05.h"
#include "export/EdMaxWriter.h"
#include "export/OutputFiles.h"

namespace paluksen {

PalukF05::PalukF05(TaskContext& context)
    : AddressBookWindow(context,
                        {QStringLiteral("PalukF05"), QStringLiteral("EdMax アドレス帳作成"), QStringLiteral("メモ欄の扱い"),
                         QStringLiteral("メモ選択"), kMemoLayouts, kEdMaxFileName,
                         QStringLiteral("EdMax用のアドレス帳(常用アドレス.adr)を作成しました。\r\n"
                                        "C:\\Program Files\\EdMax\\Address フォルダにコピーしてください。")})
{
}

void PalukF05::write(LineWriter& out, QChar layout)
{
    writeEdMax(context_.store, out, layout, [this](const QString& status) { setStatus(status); });
}

} // namespace paluksen
