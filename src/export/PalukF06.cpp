#include "export/PalukF06.h"
#include "export/TuruKameWriter.h"

namespace paluksen {

PalukF06::PalukF06(TaskContext& context)
    : AddressBookWindow(context,
                        {QStringLiteral("PalukF06"), QStringLiteral("鶴亀アドレス帳作成"), QStringLiteral("備考欄の扱い"),
                         QStringLiteral("備考選択"),
                         {QStringLiteral("1 会社名,部署名,役職"), QStringLiteral("2 会社名,部署名"),
                          QStringLiteral("3 会社名,役職"), QStringLiteral("4 会社名"), QStringLiteral("5 [出力なし]")},
                         QStringLiteral("AdrBook.txt"),
                         QStringLiteral("鶴亀用のアドレス帳(AdrBook.txt)を作成しました。\r\n"
                                        "C:\\TuruKameData フォルダにコピーしてください。")})
{
}

void PalukF06::write(LineWriter& out, QChar layout)
{
    writeTuruKame(
        context_.store, out, layout, [this] { return context_.platform.today(); },
        [this](const QString& status) { setStatus(status); });
}

} // namespace paluksen
