#include "ExportStore.h"
#include "store/AddressStore.h"

namespace paluksen::test {

void fillExportStore(store::Connection& connection)
{
    using store::sql::kAddressTable;
    using store::sql::kGroupTable;
    const store::Text N; // Null: the column is left unassigned
    const auto t = [](const char16_t* text) { return store::Text(QString::fromUtf16(text)); };

    store::Appender people(connection, kAddressTable,
                           {QStringLiteral("名前"), QStringLiteral("アドレス"), QStringLiteral("会社名"),
                            QStringLiteral("部署名"), QStringLiteral("役職")});
    people.append({t(u"山田太郎"), t(u"taro@example.jp"), t(u"山田商事"), t(u"営業部"), t(u"部長")});
    people.append({t(u"佐藤花子"), t(u"hanako@example.jp"), N, N, N});
    people.append({t(u"鈴木一郎"), t(u"ichiro@example.jp"), t(u""), t(u""), t(u"")});
    people.append({t(u"Smith, John"), t(u"john@example.com"), t(u"ACME \"West\", Inc."), t(u" "), t(u"")});
    people.append({t(u"高橋"), t(u"takahashi@example.jp"), t(u"高橋工業"), t(u""), t(u"社長")});
    people.append({t(u"田中"), t(u"tanaka@example.jp"), t(u""), t(u"総務部"), t(u"")});
    people.append({t(u"伊藤"), t(u"itou@example.jp"), t(u""), t(u""), t(u"課長")});
    people.append({t(u"渡辺"), N, t(u"渡辺建設"), N, N});
    people.append({t(u"木村"), t(u"kimura@example.jp"), t(u"木村電機"), t(u"技術部"), t(u"")});
    people.append({t(u"木村"), t(u"kimura@example.jp"), t(u"木村電機"), t(u"技術部"), t(u"")});
    people.append({t(u"加藤"), t(u"kato@example.jp"), t(u"加藤製作所"), t(u"開発部\r\n第二課"), t(u"")});
    people.append({t(u"井上"), t(u"inoue@example.jp"), t(u"東京，大阪"), N, t(u"顧問")});
    people.append({t(u"中村"), t(u"nakamura@example.jp"), t(u"中村設計"), t(u"設計部\"A\""), N});
    people.append({t(u"松本"), t(u"matsumoto@example.jp"), t(u"松本商店"), N, N});

    store::Appender members(connection, kGroupTable,
                            {QStringLiteral("グループ"), QStringLiteral("名前"), QStringLiteral("アドレス")});
    members.append({t(u"友人"), t(u"山田太郎"), t(u"taro@example.jp")});
    members.append({t(u"友人"), t(u"高橋"), t(u"takahashi@example.jp")});
    members.append({t(u"友人"), t(u"小林"), t(u"kobayashi@example.jp")});
    members.append({t(u"O'Brien家"), t(u"山田太郎"), t(u"taro@example.jp")});
    members.append({t(u"O'Brien家"), t(u"伊藤"), t(u"itou@example.jp")});
    members.append({t(u"取引先,東京"), t(u"Smith, John"), t(u"john@example.com")});
    members.append({N, t(u"中村"), t(u"nakamura@example.jp")});
    members.append({t(u""), t(u"松本"), t(u"matsumoto@example.jp")});
}

} // namespace paluksen::test
