#include "export/VcardExport.h"
#include "support/TestStore.h"

namespace paluksen::test {
namespace {

// Each rule on rows of its own and the file written from them, a card's lines joined by "|" for CR LF.
TEST(VcardExport, CardsFollowTheRules)
{
    const auto card = [](const QString& lines) { return u"BEGIN:VCARD|VERSION:3.0|"_qs + lines + u"|END:VCARD|"_qs; };
    const auto x = [](int n) { return QString(n, u'x'); };
    const std::pair<QString, QString> cases[] = {
        {{}, {}}, // an empty store: zero bytes
        // Names split at the first space (ASCII or U+3000), each ORG shape, escapes, control characters.
        {u"INSERT INTO アドレス情報 VALUES ('山田　太郎 Jr', 'a@x', '会社', NULL, ''), ('Ann', '', '', '部署', 'T'),"
         u" (' 名', NULL, '会社', '部署', NULL), ('a\\b;c', 'e', 'd' || char(13, 10) || 'e' || char(13) || 'f' || char(10) || 'g',"
         u" char(9, 1, 31, 127), '😀')"_qs,
         card(u"N:;名;;;|FN: 名|ORG:会社;部署"_qs) + card(u"N:Ann;;;;|FN:Ann|ORG:;部署|TITLE:T"_qs) +
             card(u"N:a\\\\b\\;c;;;;|FN:a\\\\b\\;c|EMAIL;TYPE=INTERNET:e|ORG:d\\ne\\nf\\ng;\t\uFFFD\uFFFD\uFFFD|TITLE:😀"_qs) +
             card(u"N:山田;太郎 Jr;;;|FN:山田　太郎 Jr|EMAIL;TYPE=INTERNET:a@x|ORG:会社"_qs)},
        // A member in several groups, once each and in order, the Null group left out, a comma in a
        // name; persons of no group sorted among the members, duplicates kept in their stored order.
        {u"INSERT INTO グループ情報 VALUES ('b,c', 'M', 'm@x'), ('a', 'M', 'm@x'), ('a', 'M', 'm@x'), (NULL, 'M', 'm@x'), ('c', 'M', 'm@z');"
         u" INSERT INTO アドレス情報 VALUES ('M', 'm@x', 'C1', '', ''), ('N', 'l@x', '', '', ''), ('L', 'l@x', '', '', 'L2'),"
         u" ('M', 'm@x', 'C2', '', ''), ('L', 'l@x', '', '', 'L1')"_qs,
         card(u"N:L;;;;|FN:L|EMAIL;TYPE=INTERNET:l@x|TITLE:L2"_qs) + card(u"N:L;;;;|FN:L|EMAIL;TYPE=INTERNET:l@x|TITLE:L1"_qs) +
             card(u"N:M;;;;|FN:M|EMAIL;TYPE=INTERNET:m@x|ORG:C1|CATEGORIES:a,b\\,c"_qs) +
             card(u"N:M;;;;|FN:M|EMAIL;TYPE=INTERNET:m@z|CATEGORIES:c"_qs) + card(u"N:N;;;;|FN:N|EMAIL;TYPE=INTERNET:l@x"_qs)},
        // Folds at 75 octets: never inside a character of two, three or four bytes, nor an escape.
        {u"INSERT INTO アドレス情報 VALUES ('P', '%1,', '%2é', NULL, '%3あ'), ('%4😀', NULL, NULL, NULL, NULL)"_qs.arg(x(54), x(70), x(67), x(69)),
         card(u"N:P;;;;|FN:P|EMAIL;TYPE=INTERNET:"_qs + x(54) + u"| \\,|ORG:"_qs + x(70) + u"| é|TITLE:"_qs + x(67) + u"| あ"_qs) +
             card(u"N:"_qs + x(69) + u"😀| ;;;;|FN:"_qs + x(69) + u"| 😀"_qs)},
    };
    for (const auto& [rows, file] : cases) {
        TestStore store;
        store.connection().execute(rows);
        exportVcard(store.connection(), OutputTarget::file(store.dir() + u"/out.vcf"_qs));
        EXPECT_EQ(QString::fromUtf8(readFile(store.dir() + u"/out.vcf"_qs)), QString(file).replace(u'|', u"\r\n"_qs)) << rows.toStdString();
    }
}

} // namespace
} // namespace paluksen::test
