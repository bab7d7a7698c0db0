#include "base/Failure.h"
#include "base/SystemError.h"

#include <QDir>
#include <QFileDevice>
#include <cerrno>
#include <new>

namespace paluksen {

Failure::Failure(int number, QString description, QString detail, QString technical)
    : number_(number), description_(std::move(description)), detail_(std::move(detail)),
      what_((description_ + QStringLiteral(" (") + QString::number(number_) + QStringLiteral(") ") + detail_ +
             (technical.isEmpty() ? QString() : QStringLiteral("\n") + technical))
                .toStdString())
{
}

void throwFileFailure(const QString& description, const QFileDevice& file, int system, const QString& shownName)
{
    const int number = system != 0 ? system : static_cast<int>(file.error());
    const QString words =
        system != 0 ? systemErrorText(system) : QStringLiteral("ファイルを読み書きできませんでした。");
    throw FileFailure(number, description,
                      (shownName.isEmpty() ? QDir::toNativeSeparators(file.fileName()) : shownName) + u'\n' + words,
                      file.errorString());
}

void throwFolderFailure(const QString& description, const QString& path)
{
    throw FileFailure(EISDIR, description,
                      QDir::toNativeSeparators(path) + QStringLiteral("\nファイルではなくフォルダです。"));
}

namespace {
constexpr int kOutOfMemoryNumber = 7;
}

QString failureReportText(const std::exception& failure)
{
    int number = 0;
    QString description = QStringLiteral("予期しないエラーが発生しました。");
    QString detail = QString::fromLocal8Bit(failure.what());
    if (const auto* known = dynamic_cast<const Failure*>(&failure)) {
        number = known->number();
        description = known->description();
        detail = known->detail();
    } else if (dynamic_cast<const std::bad_alloc*>(&failure)) {
        number = kOutOfMemoryNumber;
        description = QStringLiteral("メモリが不足しています。");
        detail.clear();
    }
    QString text = QStringLiteral("エラー番号：%1\n").arg(number) + description;
    if (!detail.isEmpty())
        text += QStringLiteral("\n") + detail;
    return text;
}

} // namespace paluksen
