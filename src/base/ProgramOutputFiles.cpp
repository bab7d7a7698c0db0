#include "base/ProgramOutputFiles.h"
#include "base/TaskNames.h"

namespace paluksen {

QStringList programOutputFiles(const ProgramPaths& paths)
{
    return {paths.file(kCsvTask.fileName), paths.file(kEdMaxTask.fileName), paths.file(kTuruKameTask.fileName),
            paths.file(QStringLiteral("アドレス帳.vcf"))};
}

} // namespace paluksen
