#include "GeneratedListing.h"
#include "text/Cp932.h"

#include <QStringList>

namespace paluksen::test {

GeneratedListing generateListing(int people, int groups, int membersPerGroup)
{
    GeneratedListing listing;
    QStringList lines;
    const store::Text null;
    auto name = [](int i) { return QStringLiteral("山田 太郎%1").arg(i); };
    auto address = [](int i) { return QStringLiteral("taro%1@example.jp").arg(i); };

    for (int i = 0; i < people; ++i) {
        lines << name(i);
        if (i % 5 == 0) {
            // A person without an address gets empty text in every other column.
            lines << QString();
            listing.rows.addresses.push_back({name(i), u""_qs, u""_qs, u""_qs, u""_qs});
            continue;
        }
        Row row{name(i), address(i), null, null, null};
        lines << u"電子メール アドレス :"_qs << u"  "_qs + address(i);
        if (i % 2 == 0) {
            lines << QStringLiteral("  会社名 : 株式会社～%1").arg(i % 97);
            row[2] = QStringLiteral("株式会社～%1").arg(i % 97);
        }
        if (i % 3 == 0) {
            lines << u"  部署名 : 営業部"_qs;
            row[3] = u"営業部"_qs;
        }
        // A note line that no column takes, then a title that overwrites an earlier one.
        lines << QStringLiteral("  電話 : 03-1234-%1").arg(i % 10000, 4, 10, QLatin1Char('0'));
        if (i % 4 == 0) {
            lines << u"  役職 : 係長"_qs << u"  役職 : 課長"_qs;
            row[4] = u"課長"_qs;
        }
        lines << QString();
        listing.rows.addresses.push_back(std::move(row));
    }

    for (int g = 0; g < groups; ++g) {
        const QString group = QStringLiteral("グループ（%1）").arg(g);
        lines << group;
        for (int m = 0; m < membersPerGroup; ++m) {
            const int i = (g * membersPerGroup + m) % std::max(people, 1);
            lines << QStringLiteral("  %1 (%2)").arg(name(i), address(i));
            listing.rows.memberships.push_back({group, name(i), address(i)});
        }
        lines << QString();
    }

    listing.lineCount = lines.size();
    listing.bytes = cp932::encode(lines.join(u"\r\n"_qs) + u"\r\n"_qs);
    return listing;
}

} // namespace paluksen::test
