#include "export/FieldValue.h"

namespace paluksen {
namespace {

// Reads through const access, so a value with nothing to replace is never copied.
template <typename Replacement>
QString replaced(QString value, Replacement replacement)
{
    for (qsizetype i = 0; i < value.size(); ++i)
        if (const QChar c = replacement(value.at(i)); c != value.at(i))
            value[i] = c;
    return value;
}

} // namespace

QString edMaxFieldValue(QString value)
{
    return replaced(std::move(value), [](QChar c) { return c == u'\r' || c == u'\n' || c == u'\t' ? QChar(u' ') : c; });
}

QString turuKameFieldValue(QString value)
{
    return replaced(std::move(value), [](QChar c) {
        if (c == u'\r' || c == u'\n')
            return QChar(u' ');
        return c == u',' ? QChar(u'\uFF0C') : c;
    });
}

} // namespace paluksen
