#include "SyntheticListing.h"
#include "text/LineWriter.h"

#include <random>
#include <utility>
#include <vector>

namespace paluksen::bench {

ListingShape writeSyntheticListing(const QString& path, qint64 lines, int groupPercent)
{
    static const QStringList families = u"佐藤 鈴木 高橋 田中 渡辺 山本 中村 小林 佐々木 林 斎藤 森"_qs.split(u' ');
    static const QStringList givens = u"花子 一郎 美咲 健 由美 誠 陽子 翔太 さくら 拓也"_qs.split(u' ');
    static const QStringList companies =
        u"株式会社みなと商事 北浜精機株式会社 有限会社やまびこ運輸 ＡＢＣソフト株式会社"_qs.split(u' ');
    static const QStringList departments = u"営業部 総務課 開発本部　第二開発部"_qs.split(u' ');
    static const QStringList titles = u"課長 主任 代表取締役"_qs.split(u' ');
    std::mt19937_64 random(20240611);
    const auto chance = [&](int percent) { return static_cast<int>(random() % 100) < percent; };
    const auto pick = [&](const QStringList& list) { return list[random() % list.size()]; };
    LineWriter out(OutputTarget::file(path));
    ListingShape shape;
    const auto line = [&](const QString& text) { out.writeLine(text), ++shape.lines; };
    std::vector<std::pair<QString, QString>> persons;
    while (shape.lines < lines) {
        if (!persons.empty() && chance(groupPercent)) { // a group, its members mostly persons written before
            line(QStringLiteral("%1同好会 %2").arg(pick(companies)).arg(++shape.groups));
            for (int members = 5 + static_cast<int>(random() % 31); members > 0; --members) {
                const auto& [name, address] = persons[random() % persons.size()];
                if (++shape.memberships, chance(90))
                    line(u"  "_qs + name + u" ("_qs + address + u')');
                else // somebody the listing never names as a person
                    line(QStringLiteral("  外部 %1 (guest%1@example.net)").arg(shape.memberships));
            }
            line({});
            continue;
        }
        const QString name = pick(families) + u' ' + pick(givens);
        line(name);
        if (++shape.persons, chance(25)) { // no e-mail address: the name and the closing blank line
            line({});
            continue;
        }
        const QString address = QStringLiteral("p%1@example.jp").arg(shape.persons);
        line(u"電子メール アドレス :"_qs);
        line(u"  "_qs + address);
        const std::pair<int, QString> details[] = {
            {70, u"  会社名 : "_qs}, {50, u"  部署名 : "_qs}, {40, u"  役職 : "_qs}};
        for (const auto& [percent, label] : details)
            if (chance(percent))
                line(label + pick(percent == 70 ? companies : percent == 50 ? departments : titles));
        if (chance(30))
            line(QStringLiteral("  電話番号 : 03-1234-%1").arg(random() % 10000, 4, 10, QLatin1Char('0')));
        line({});
        persons.emplace_back(name, address);
    }
    out.commit();
    return shape;
}

} // namespace paluksen::bench
