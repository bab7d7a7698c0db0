#include "text/Cp932.h"

namespace paluksen::cp932 {

QString decode(QByteArrayView bytes)
{
    QString out;
    Decoder().decode(bytes, true, out);
    return out;
}

QByteArray encode(QStringView text)
{
    QByteArray out;
    Encoder().encode(text, out);
    return out;
}

} // namespace paluksen::cp932
