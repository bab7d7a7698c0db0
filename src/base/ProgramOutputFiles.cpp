#include "base/ProgramOutputFiles.h"
#include "base/TaskNames.h"

namespace paluksen {

QStringList programOutputFiles(const ProgramPaths& paths)
{
    return {paths.output(kCsvTask.fileName), paths.output(kEdMaxTask.fileName), paths.output(kTuruKameTask.fileName),
            paths.output(QStringLiteral("アドレス帳.vcf"))};
}

} // namespace paluksen
