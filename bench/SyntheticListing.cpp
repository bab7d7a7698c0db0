#include "SyntheticListing.h"
#include "text/Cp932.h"

#include <QFile>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

namespace paluksen::bench {
namespace {

struct Reading {
    const char16_t* kanji;
    const char* latin;
};

constexpr std::array<Reading, 24> kFamilies{{
    {u"佐藤", "sato"},     {u"鈴木", "suzuki"},    {u"高橋", "takahashi"}, {u"田中", "tanaka"},
    {u"伊藤", "ito"},      {u"渡辺", "watanabe"},  {u"山本", "yamamoto"},  {u"中村", "nakamura"},
    {u"小林", "kobayashi"}, {u"加藤", "kato"},      {u"吉田", "yoshida"},   {u"山田", "yamada"},
    {u"佐々木", "sasaki"}, {u"山口", "yamaguchi"}, {u"松本", "matsumoto"}, {u"井上", "inoue"},
    {u"木村", "kimura"},   {u"林", "hayashi"},     {u"斎藤", "saito"},     {u"清水", "shimizu"},
    {u"山崎", "yamazaki"}, {u"森", "mori"},        {u"阿部", "abe"},       {u"池田", "ikeda"},
}};

constexpr std::array<Reading, 20> kGivens{{
    {u"花子", "hanako"}, {u"一郎", "ichiro"}, {u"美咲", "misaki"}, {u"健", "ken"},
    {u"由美", "yumi"},   {u"誠", "makoto"},   {u"陽子", "yoko"},   {u"翔太", "shota"},
    {u"直樹", "naoki"},  {u"恵子", "keiko"},  {u"大輔", "daisuke"}, {u"さくら", "sakura"},
    {u"拓也", "takuya"}, {u"真由美", "mayumi"}, {u"浩二", "koji"},  {u"愛", "ai"},
    {u"達也", "tatsuya"}, {u"優子", "yuko"},  {u"修", "osamu"},    {u"ひろみ", "hiromi"},
}};

constexpr std::array<const char16_t*, 8> kCompanies{
    u"株式会社みなと商事", u"北浜精機株式会社", u"有限会社やまびこ運輸", u"東西電機工業株式会社",
    u"合同会社さくら企画", u"株式会社日本橋食品", u"青葉建設株式会社",   u"ＡＢＣソフト株式会社"};
constexpr std::array<const char16_t*, 6> kDepartments{u"営業部",   u"総務課", u"開発本部 第二開発部",
                                                      u"経理部",   u"人事課", u"海外事業部"};
constexpr std::array<const char16_t*, 5> kTitles{u"課長", u"主任", u"部長", u"係長", u"代表取締役"};
constexpr std::array<const char*, 4> kDomains{"example.jp", "example.ne.jp", "example.com", "example.org"};

struct StoredPerson {
    QString name;
    QString address;
};

class Writer {
public:
    explicit Writer(const QString& path) : file_(path)
    {
        if (!file_.open(QIODevice::WriteOnly)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            std::exit(1);
        }
    }
    ~Writer()
    {
        flush();
        file_.close();
    }

    void line(QStringView text)
    {
        encoder_.encode(text, bytes_);
        bytes_.append("\r\n", 2);
        ++lines_;
        if (bytes_.size() >= (1 << 20))
            flush();
    }
    qint64 lines() const { return lines_; }

private:
    void flush()
    {
        if (file_.write(bytes_) != bytes_.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file_.fileName()));
            std::exit(1);
        }
        bytes_.clear();
    }

    QFile file_;
    cp932::Encoder encoder_;
    QByteArray bytes_;
    qint64 lines_ = 0;
};

class Generator {
public:
    Generator(Writer& out, ListingShape& shape) : out_(out), shape_(shape) {}

    void entry()
    {
        // One group closes every 50 persons on average.
        if (!stored_.empty() && chance(2))
            group();
        else
            person();
    }

private:
    bool chance(int percent) { return static_cast<int>(random_() % 100) < percent; }
    template <typename List>
    auto pick(const List& list) { return list[random_() % list.size()]; }

    void person()
    {
        const Reading family = pick(kFamilies);
        const Reading given = pick(kGivens);
        const QString name = QString::fromUtf16(family.kanji) + u' ' + QString::fromUtf16(given.kanji);
        ++shape_.persons;
        out_.line(name);
        if (chance(25)) { // no e-mail address: the name and the closing blank line
            out_.line(u"");
            return;
        }
        const QString address = QStringLiteral("%1.%2.%3@%4")
                                     .arg(QLatin1String(given.latin), QLatin1String(family.latin))
                                     .arg(shape_.persons)
                                     .arg(QLatin1String(pick(kDomains)));
        out_.line(u"電子メール アドレス :");
        out_.line(QStringLiteral("  ") + address);
        if (chance(70))
            out_.line(QStringLiteral("  会社名 : ") + QString::fromUtf16(pick(kCompanies)));
        if (chance(50))
            out_.line(QStringLiteral("  部署名 : ") + QString::fromUtf16(pick(kDepartments)));
        if (chance(40))
            out_.line(QStringLiteral("  役職 : ") + QString::fromUtf16(pick(kTitles)));
        if (chance(30))
            out_.line(QStringLiteral("  電話番号 : 03-%1-%2")
                          .arg(random_() % 10000, 4, 10, QLatin1Char('0'))
                          .arg(random_() % 10000, 4, 10, QLatin1Char('0')));
        out_.line(u"");
        stored_.push_back({name, address});
    }

    void group()
    {
        ++shape_.groups;
        out_.line(QStringLiteral("%1同好会 %2").arg(QString::fromUtf16(pick(kCompanies))).arg(shape_.groups));
        const int members = 5 + static_cast<int>(random_() % 31);
        for (int i = 0; i < members; ++i) {
            ++shape_.memberships;
            if (chance(90)) {
                const StoredPerson& member = stored_[random_() % stored_.size()];
                out_.line(QStringLiteral("  ") + member.name + QStringLiteral(" (") + member.address + u')');
            } else if (chance(50)) { // somebody the listing never names as a person
                out_.line(QStringLiteral("  外部 %1 (guest%1@example.net)").arg(shape_.memberships));
            } else { // a member without an address
                out_.line(QStringLiteral("  ") + QString::fromUtf16(pick(kFamilies).kanji) + QStringLiteral(" 様"));
            }
        }
        out_.line(u"");
    }

    Writer& out_;
    ListingShape& shape_;
    std::mt19937_64 random_{20240611};
    std::vector<StoredPerson> stored_;
};

} // namespace

ListingShape writeSyntheticListing(const QString& path, qint64 lines)
{
    ListingShape shape;
    {
        Writer out(path);
        Generator generator(out, shape);
        while (out.lines() < lines)
            generator.entry();
        shape.lines = out.lines();
    }
    return shape;
}

} // namespace paluksen::bench
