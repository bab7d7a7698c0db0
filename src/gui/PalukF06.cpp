#include "gui/PalukF06.h"
#include "export/OutputFiles.h"
#include "export/TuruKameWriter.h"

namespace paluksen {

PalukF06::PalukF06(TaskContext& context)
    : AddressBookWindow(context,
                        {QStringLiteral("PalukF06"), QStringLiteral("鶴亀アドレス帳作成"), QStringLiteral("備考欄の扱い"),
                         QStringLiteral("備考選択"), kRemarksLayouts, kTuruKameFileName,
                         QStringLiteral("鶴亀用のアドレス帳(AdrBook.txt)を作成しました。\r\n"
                                        "C:\\TuruKameData フォルダにコピーしてください。")})
{
}

void PalukF06::write(LineWriter& out, QChar layout)
{
    LocalToday today(context_.clock);
    writeTuruKame(context_.store, out, layout, today, [this](const QString& status) { setStatus(status); });
}

} // namespace paluksen
