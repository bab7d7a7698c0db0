#include "ExportRun.h"

namespace paluksen::test {

QByteArray runExport(TestStore& store, const std::function<void(LineWriter&)>& write)
{
    const QString path = store.dir() + QStringLiteral("/export.txt");
    writeFile(path, QByteArrayLiteral("left from an earlier run\r\n"));
    {
        LineWriter out(path);
        write(out);
        out.commit();
    }
    return readFile(path);
}

QByteArray golden(const QString& name)
{
    return readFile(QStringLiteral(PALUKSEN_TEST_DATA "/export/golden/") + name);
}

} // namespace paluksen::test
