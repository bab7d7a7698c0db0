#include "export/VcardExport.h"
#include "store/AddressStore.h"

#include <QStringList>

namespace paluksen {
namespace {

// Where each column stands in a row of store::sql::kCardRows.
enum CardColumn : int { kKind, kPlace, kGroup, kName, kAddress, kCompany, kDepartment, kTitle };

constexpr qsizetype kMaxOctets = 75;

struct Card {
    QString name;
    QString address;
    QString company;
    QString department;
    QString title;
    QStringList categories;
};

// vCard's text escapes. A line break of any kind is one "\n"; a control character other than TAB
// may not stand in a vCard at all, and readers refuse the whole file for it.
void appendEscaped(QString& line, QStringView value)
{
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == u'\\' || c == u',' || c == u';') {
            line += u'\\';
            line += c;
        } else if (c == u'\r' || c == u'\n') {
            line += u"\\n";
            if (c == u'\r' && i + 1 < value.size() && value[i + 1] == u'\n')
                ++i;
        } else if ((c.unicode() < 0x20 && c != u'\t') || c.unicode() == 0x7F) {
            line += QChar(QChar::ReplacementCharacter);
        } else {
            line += c;
        }
    }
}

// Writes one content line folded to at most 75 octets of UTF-8 a physical line, the leading space
// of a continuation included. A fold splits neither a character's bytes nor an escape, which a
// reader would otherwise take apart.
void writeFolded(LineWriter& out, QStringView line, QString& physical)
{
    physical.truncate(0);
    qsizetype octets = 0;
    for (qsizetype i = 0; i < line.size();) {
        const QChar c = line[i];
        qsizetype units = 1;
        qsizetype size = c.unicode() < 0x80 ? 1 : c.unicode() < 0x800 ? 2 : 3;
        if (c == u'\\' && i + 1 < line.size()) {
            units = 2;
            size = 2; // every escape is a backslash and an ASCII character
        } else if (c.isHighSurrogate() && i + 1 < line.size() && line[i + 1].isLowSurrogate()) {
            units = 2;
            size = 4;
        }
        if (octets + size > kMaxOctets) {
            out.writeLine(physical);
            physical = QStringLiteral(" ");
            octets = 1;
        }
        physical += line.sliced(i, units);
        octets += size;
        i += units;
    }
    out.writeLine(physical);
}

qsizetype firstSpace(QStringView name)
{
    for (qsizetype i = 0; i < name.size(); ++i)
        if (name[i] == u' ' || name[i] == QChar(0x3000))
            return i;
    return -1;
}

void writeCard(LineWriter& out, const Card& card, QString& line, QString& physical)
{
    const auto property = [&](QStringView name, QStringView value) {
        line = name.toString();
        appendEscaped(line, value);
        writeFolded(out, line, physical);
    };
    out.writeLine(u"BEGIN:VCARD");
    out.writeLine(u"VERSION:3.0");
    // The family name comes first in a Japanese name: before the first space, the rest given.
    const qsizetype space = firstSpace(card.name);
    line = QStringLiteral("N:");
    appendEscaped(line, space < 0 ? QStringView(card.name) : QStringView(card.name).first(space));
    line += u';';
    if (space >= 0)
        appendEscaped(line, QStringView(card.name).sliced(space + 1));
    line += u";;;";
    writeFolded(out, line, physical);
    property(u"FN:", card.name);
    if (!card.address.isEmpty())
        property(u"EMAIL;TYPE=INTERNET:", card.address);
    if (!card.company.isEmpty() || !card.department.isEmpty()) {
        line = QStringLiteral("ORG:");
        appendEscaped(line, card.company);
        if (!card.department.isEmpty()) {
            line += u';';
            appendEscaped(line, card.department);
        }
        writeFolded(out, line, physical);
    }
    if (!card.title.isEmpty())
        property(u"TITLE:", card.title);
    if (!card.categories.isEmpty()) {
        line = QStringLiteral("CATEGORIES:");
        for (const QString& category : card.categories) {
            if (&category != &card.categories.constFirst())
                line += u',';
            appendEscaped(line, category);
        }
        writeFolded(out, line, physical);
    }
    out.writeLine(u"END:VCARD");
}

} // namespace

void exportVcard(store::Connection& store, const OutputTarget& target, const ShowStatus& showStatus)
{
    store::Cursor rows(store, store::sql::kCardRows);
    show(showStatus, QStringLiteral("出力中"));
    LineWriter out(target, OutputEncoding::Utf8);
    Card card;
    QString line;
    QString physical; // both reused, so a long run does not allocate lines per card
    while (!rows.atEnd()) {
        const bool member = rows.text(kKind) == u"0";
        const store::NullableText name = rows.value(kName);
        const store::NullableText address = rows.value(kAddress);
        card = {rows.text(kName),       rows.text(kAddress), rows.text(kCompany),
                rows.text(kDepartment), rows.text(kTitle),   {}};
        // A pair's memberships come together, one row per distinct group; a group without a name
        // (Null or empty) is no category.
        do {
            if (member && !rows.text(kGroup).isEmpty())
                card.categories << rows.text(kGroup);
            rows.next();
        } while (member && !rows.atEnd() && rows.text(kKind) == u"0" && rows.value(kName) == name &&
                 rows.value(kAddress) == address);
        writeCard(out, card, line, physical);
    }
    out.commit();
}

} // namespace paluksen
