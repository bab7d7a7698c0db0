#pragma once

#include <QString>
#include <QStringList>

namespace paluksen {

// The files the exports write beside the executable, and the lists from which the user chooses
// how the address books carry company, department and title. The layout is named by the first
// character of the chosen entry.
inline const QString kCsvFileName = QStringLiteral("PalukF02.txt");
inline const QString kEdMaxFileName = QStringLiteral("常用アドレス.adr");
inline const QString kTuruKameFileName = QStringLiteral("AdrBook.txt");

inline const QStringList kMemoLayouts = {
    QStringLiteral("1 会社名 [Tab] 部署名 [Tab] 役職"), QStringLiteral("2 会社名 [Tab] 部署名"),
    QStringLiteral("3 会社名 [Tab] 役職"),               QStringLiteral("4 会社名"),
    QStringLiteral("5 会社名,部署名,役職"),              QStringLiteral("6 会社名,部署名"),
    QStringLiteral("7 会社名,役職"),                     QStringLiteral("8 [出力なし]")};
inline const QStringList kRemarksLayouts = {QStringLiteral("1 会社名,部署名,役職"), QStringLiteral("2 会社名,部署名"),
                                            QStringLiteral("3 会社名,役職"), QStringLiteral("4 会社名"),
                                            QStringLiteral("5 [出力なし]")};

} // namespace paluksen
