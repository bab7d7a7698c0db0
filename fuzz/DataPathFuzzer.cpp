// One fuzz input is one listing file, and it goes the whole way a user's listing goes: read,
// parsed into a fresh store made from the shipped schema, and written out as every address
// book. A sanitizer report, an exception or a broken invariant stops the run with the input kept.
#include "Check.h"
#include "ExportCheck.h"
#include "ImportCheck.h"

#include "store/AddressStore.h"
#include "text/Failure.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <iterator>

using namespace paluksen;

namespace {

class Workspace {
public:
    Workspace()
    {
        fuzz::require(dir_.isValid(), "a temporary folder can be made", dir_.errorString());
        QFile schema(QStringLiteral(PALUKSEN_SCHEMA_SQL));
        fuzz::require(schema.open(QIODevice::ReadOnly), "the schema can be read", schema.fileName());
        schemaSql_ = QString::fromUtf8(schema.readAll());
        fuzz::require(QDir(dir_.path()).mkpath(QStringLiteral("out")), "the output folder can be made");
    }

    QString writeListing(QByteArrayView bytes) const
    {
        const QString path = dir_.filePath(QStringLiteral("listing.txt"));
        QFile file(path);
        const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                             file.write(bytes.data(), bytes.size()) == bytes.size();
        fuzz::require(written, "the listing can be written", path);
        return path;
    }

    // Nothing carries over from one input to the next, so a finding replays on its own.
    store::Connection freshStore() const
    {
        store::Connection store = store::Connection::openOrCreate(QStringLiteral(":memory:"));
        store::createSchema(store, schemaSql_);
        return store;
    }

    QString outputFolder() const { return dir_.filePath(QStringLiteral("out")); }

private:
    QTemporaryDir dir_;
    QString schemaSql_;
};

const Workspace& workspace()
{
    static const Workspace instance;
    return instance;
}

constexpr TextEncoding kEncodings[] = {TextEncoding::Cp932, TextEncoding::Utf8, TextEncoding::Utf16LE,
                                       TextEncoding::Utf16BE};

void run(QByteArrayView bytes)
{
    const QString listing = workspace().writeListing(bytes);
    {
        store::Connection store = workspace().freshStore();
        const fuzz::Import import = fuzz::importDetected(store, listing);
        fuzz::checkImport(store, import, bytes);
        fuzz::exportAndCheck(store, workspace().outputFolder());
    }
    // Detection hardly ever picks UTF-16 for mutated bytes, so the first byte also forces each
    // encoding in turn onto the same file. Its rows are not written out again: writing every
    // address book costs more than both imports together, and a mark in front of the bytes
    // brings UTF-16 text to the writers through detection as well.
    if (bytes.isEmpty())
        return;
    const TextEncoding forced = kEncodings[static_cast<unsigned char>(bytes[0]) % std::size(kEncodings)];
    store::Connection store = workspace().freshStore();
    const fuzz::Import import = fuzz::importForced(store, listing, forced);
    fuzz::checkImport(store, import, bytes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        run(QByteArrayView(data, static_cast<qsizetype>(size)));
    } catch (const Failure& failure) {
        // A listing that can be written can be imported and exported; any failure is a finding.
        fuzz::require(false, "the data path throws no failure",
                      failure.description() + QStringLiteral("\n") + failure.detail());
    }
    return 0;
}
