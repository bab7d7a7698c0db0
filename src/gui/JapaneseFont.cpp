#include "gui/JapaneseFont.h"

#include <QStringList>

namespace paluksen {

QFont japaneseFont(double pointSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"), QStringLiteral("IPAGothic"),
                      QStringLiteral("IPAゴシック"), QStringLiteral("IPAexGothic"), QStringLiteral("Noto Sans CJK JP"),
                      QStringLiteral("VL Gothic"), QStringLiteral("TakaoGothic")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace paluksen
