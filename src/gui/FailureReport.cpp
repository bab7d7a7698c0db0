#include "gui/FailureReport.h"
#include "Version.h"
#include "base/Failure.h"

namespace paluksen {

void reportFailure(Platform& platform, const std::exception& failure)
{
    platform.messageBox(nullptr,
                        QStringLiteral("エラーが発生したため、プログラムを終了します。\n") + failureReportText(failure),
                        QString::fromLatin1(kProgramTitle), MessageStyle::Stop);
    platform.endProgram(1);
}

} // namespace paluksen
