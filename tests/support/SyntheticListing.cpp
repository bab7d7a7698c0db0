#include "support/SyntheticListing.h"
#include "text/LineWriter.h"

#include <random>
#include <utility>
#include <vector>

namespace paluksen::test {
namespace {

const QStringList kFamilies = u"佐藤 鈴木 高橋 田中 渡辺 山本 中村 小林 佐々木 林 斎藤 森"_qs.split(u' ');
const QStringList kGivens = u"花子 一郎 美咲 健 由美 誠 陽子 翔太 さくら 拓也"_qs.split(u' ');
const QStringList kCompanies = u"株式会社みなと商事 北浜精機株式会社 有限会社やまびこ運輸 ＡＢＣソフト株式会社"_qs.split(u' ');
const QStringList kDepartments = u"営業部 総務課 開発本部　第二開発部"_qs.split(u' ');
const QStringList kTitles = u"課長 主任 代表取締役"_qs.split(u' ');

class Generator {
public:
    explicit Generator(LineWriter& out) : out_(out) {}

    ListingShape write(qint64 lines)
    {
        while (shape_.lines < lines) {
            if (!persons_.empty() && chance(2))
                group();
            else
                person();
        }
        return shape_;
    }

private:
    bool chance(int percent) { return static_cast<int>(random_() % 100) < percent; }
    const QString& pick(const QStringList& list) { return list[random_() % list.size()]; }
    void line(const QString& text)
    {
        out_.writeLine(text);
        ++shape_.lines;
    }

    void person()
    {
        const QString name = pick(kFamilies) + u' ' + pick(kGivens);
        ++shape_.persons;
        line(name);
        if (chance(25)) { // no e-mail address: the name and the closing blank line
            line({});
            return;
        }
        const QString address = QStringLiteral("p%1@example.jp").arg(shape_.persons);
        line(u"電子メール アドレス :"_qs);
        line(u"  "_qs + address);
        if (chance(70))
            line(u"  会社名 : "_qs + pick(kCompanies));
        if (chance(50))
            line(u"  部署名 : "_qs + pick(kDepartments));
        if (chance(40))
            line(u"  役職 : "_qs + pick(kTitles));
        if (chance(30))
            line(QStringLiteral("  電話番号 : 03-1234-%1").arg(random_() % 10000, 4, 10, QLatin1Char('0')));
        line({});
        persons_.emplace_back(name, address);
    }

    void group()
    {
        ++shape_.groups;
        line(QStringLiteral("%1同好会 %2").arg(pick(kCompanies)).arg(shape_.groups));
        for (int members = 5 + static_cast<int>(random_() % 31); members > 0; --members) {
            ++shape_.memberships;
            const auto& [name, address] = persons_[random_() % persons_.size()];
            if (chance(90))
                line(u"  "_qs + name + u" ("_qs + address + u')');
            else // somebody the listing never names as a person
                line(QStringLiteral("  外部 %1 (guest%1@example.net)").arg(shape_.memberships));
        }
        line({});
    }

    LineWriter& out_;
    ListingShape shape_;
    std::mt19937_64 random_{20240611};
    std::vector<std::pair<QString, QString>> persons_;
};

} // namespace

ListingShape writeSyntheticListing(const QString& path, qint64 lines)
{
    LineWriter out(path);
    const ListingShape shape = Generator(out).write(lines);
    out.commit();
    return shape;
}

} // namespace paluksen::test
