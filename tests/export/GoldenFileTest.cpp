#include "ExportRun.h"
#include "ExportStore.h"
#include "export/CsvWriter.h"
#include "export/EdMaxWriter.h"
#include "export/TuruKameWriter.h"

#include <QDateTime>
#include <QStringList>
#include <gtest/gtest.h>

namespace paluksen {
namespace {

// One store exercising every case for all three exports, and each file compared byte for byte
// with what golden/make_golden.py spells out by hand.
class GoldenFiles : public ::testing::Test {
protected:
    void SetUp() override { test::fillExportStore(store_.connection()); }

    void expectGolden(const QByteArray& written, const QString& goldenName)
    {
        const QByteArray expected = test::golden(goldenName);
        ASSERT_FALSE(expected.isEmpty()) << "missing golden file " << goldenName.toStdString();
        EXPECT_TRUE(written == expected)
            << "expected:\n" << test::hex(expected).toStdString() << "\nwritten:\n" << test::hex(written).toStdString();
    }

    test::TestStore store_;
    QStringList statuses_;
    const ShowStatus record_ = [this](const QString& text) { statuses_ << text; };
};

TEST_F(GoldenFiles, Csv)
{
    const QByteArray written = test::runExport(store_, [&](LineWriter& out) {
        store::Cursor rows = openCsvRows(store_.connection());
        writeCsv(rows, out);
    });
    expectGolden(written, QStringLiteral("csv.txt"));
}

TEST_F(GoldenFiles, EdMaxEachMemoLayout)
{
    const struct {
        QChar layout;
        const char* golden;
    } cases[] = {
        {u'1', "edmax_1.adr"}, {u'2', "edmax_2.adr"}, {u'3', "edmax_3.adr"}, {u'4', "edmax_4.adr"},
        {u'5', "edmax_5.adr"}, {u'6', "edmax_6.adr"}, {u'7', "edmax_7.adr"}, {u'8', "edmax_8.adr"},
        // Not a layout of the list: the memo stays empty and every record keeps three lines.
        {u'9', "edmax_8.adr"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QString(c.layout).toStdString());
        statuses_.clear();
        const QByteArray written = test::runExport(
            store_, [&](LineWriter& out) { writeEdMax(store_.connection(), out, c.layout, record_); });
        expectGolden(written, QString::fromLatin1(c.golden));
        EXPECT_EQ(statuses_, (QStringList{QStringLiteral("グループ出力中"), QStringLiteral("アドレス出力中")}));
    }
}

TEST_F(GoldenFiles, TuruKameEachRemarksLayout)
{
    LocalToday today([] { return QDateTime(QDate(2019, 1, 7), QTime(9, 0)).toMSecsSinceEpoch(); });
    const struct {
        QChar layout;
        const char* golden;
    } cases[] = {
        {u'1', "turukame_1.txt"}, {u'2', "turukame_2.txt"}, {u'3', "turukame_3.txt"},
        {u'4', "turukame_4.txt"}, {u'5', "turukame_5.txt"},
        // Any other first character means no remarks, as "5" does.
        {u'0', "turukame_5.txt"}, {u'１', "turukame_5.txt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QString(c.layout).toStdString());
        statuses_.clear();
        const QByteArray written = test::runExport(
            store_, [&](LineWriter& out) { writeTuruKame(store_.connection(), out, c.layout, today, record_); });
        expectGolden(written, QString::fromLatin1(c.golden));
        EXPECT_EQ(statuses_, QStringList{QStringLiteral("出力中")});
    }
}

} // namespace
} // namespace paluksen
