#include "base/ProgramVersion.h"
#include "Version.h"

namespace paluksen {

QString programVersionText()
{
    return QStringLiteral("%1 Ver.%2.%3.%4")
        .arg(QString::fromLatin1(kProgramTitle))
        .arg(kVersionMajor)
        .arg(kVersionMinor, 2, 10, QLatin1Char('0'))
        .arg(kVersionPatch, 2, 10, QLatin1Char('0'));
}

} // namespace paluksen
