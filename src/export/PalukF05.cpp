#include "export/PalukF05.h"
#include "export/EdMaxWriter.h"

namespace paluksen {

PalukF05::PalukF05(TaskContext& context)
    : AddressBookWindow(context,
                        {QStringLiteral("PalukF05"), QStringLiteral("EdMax アドレス帳作成"), QStringLiteral("メモ欄の扱い"),
                         QStringLiteral("メモ選択"),
                         {QStringLiteral("1 会社名 [Tab] 部署名 [Tab] 役職"), QStringLiteral("2 会社名 [Tab] 部署名"),
                          QStringLiteral("3 会社名 [Tab] 役職"), QStringLiteral("4 会社名"),
                          QStringLiteral("5 会社名,部署名,役職"), QStringLiteral("6 会社名,部署名"),
                          QStringLiteral("7 会社名,役職"), QStringLiteral("8 [出力なし]")},
                         QStringLiteral("常用アドレス.adr"),
                         QStringLiteral("EdMax用のアドレス帳(常用アドレス.adr)を作成しました。\r\n"
                                        "C:\\Program Files\\EdMax\\Address フォルダにコピーしてください。")})
{
}

void PalukF05::write(LineWriter& out, QChar layout)
{
    writeEdMax(context_.store, out, layout, [this](const QString& status) { setStatus(status); });
}

} // namespace paluksen
