// Reading alone, the command line's import call, and the TSV files the sqlite3 shell loads.
#include "Stages.h"
#include "cli/Commands.h"
#include "import/ListingParser.h"
#include "text/LineReader.h"

#include <QFile>

namespace paluksen::bench {
namespace {

class CountedRows : public AddressSink, public GroupSink {
public:
    void append(const AddressEntry&) override { ++count; }
    void append(const GroupMembership&) override { ++count; }
    qint64 count = 0;
};

// One table's rows as the shell's .import reads them in tab mode: a tab between the values,
// LF after each row. The shell has no way to say Null, so Null is written as empty text; a value
// holding a tab, a line break or a double quote would read back as something else.
class TsvFile {
public:
    explicit TsvFile(const QString& path) : file_(path)
    {
        if (!file_.open(QIODevice::WriteOnly))
            die(QStringLiteral("cannot write ") + path);
    }
    void row(std::initializer_list<store::NullableText> values)
    {
        QByteArray line;
        for (const store::NullableText& value : values) {
            const QByteArray utf8 = value ? value->toUtf8() : QByteArray();
            if (utf8.contains('\t') || utf8.contains('\n') || utf8.contains('\r') || utf8.contains('"'))
                die(QStringLiteral("a value the shell cannot load as it is: ") + *value);
            line += utf8 + '\t';
        }
        line.back() = '\n';
        if (file_.write(line) != line.size())
            die(QStringLiteral("cannot write ") + file_.fileName());
    }

private:
    QFile file_;
};

class TsvRows : public AddressSink, public GroupSink {
public:
    explicit TsvRows(const StagePlace& place)
        : addresses_(placeFile(place, QStringLiteral("addresses.tsv"))),
          groups_(placeFile(place, QStringLiteral("groups.tsv")))
    {
    }
    void append(const AddressEntry& e) override
    {
        addresses_.row({e.name, e.address, e.company, e.department, e.title});
    }
    void append(const GroupMembership& m) override { groups_.row({m.group, m.name, m.address}); }

private:
    TsvFile addresses_, groups_;
};

} // namespace

Lap parseOnly(const StagePlace& place)
{
    Stopwatch watch;
    LineReader lines(place.listing);
    CountedRows rows;
    parseListing(lines, rows, rows);
    return watch.lap();
}

void writeTsvFiles(const StagePlace& place)
{
    LineReader lines(place.listing);
    TsvRows rows(place);
    parseListing(lines, rows, rows);
}

Lap importByCall(const StagePlace& place)
{
    cli::Command command;
    command.job = jobOfCommand(u"import");
    command.storePath = windowStore(place);
    command.listingPath = place.listing;
    Stopwatch watch;
    if (cli::runCommand(command).exitCode != cli::kSuccess)
        die(QStringLiteral("the import call failed"));
    return watch.lap();
}

} // namespace paluksen::bench
