#include "export/CsvQuoted.h"

namespace paluksen {
namespace {
constexpr QChar kQuote = u'"';

bool needsQuotes(const QString& text)
{
    // A bare line break would end the record early for whoever reads the file back, so it is
    // quoted like a comma.
    for (const QChar c : text)
        if (c == u',' || c == u'\r' || c == u'\n')
            return true;
    return false;
}
} // namespace

QString CsvQuoted(const store::Text& value)
{
    if (!value)
        return {};
    const QString& text = *value;
    const qsizetype quotes = text.count(kQuote);
    if (quotes == 0 && !needsQuotes(text))
        return text;

    QString field;
    field.reserve(text.size() + quotes + 2);
    field += kQuote;
    for (const QChar c : text) {
        field += c;
        if (c == kQuote)
            field += kQuote;
    }
    field += kQuote;
    return field;
}

} // namespace paluksen
