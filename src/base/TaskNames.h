#pragma once

#include <QString>

namespace paluksen {

// The program's four jobs as the user meets them in every front end: the name of the window that
// does the job (the main menu's caption shows one, and it names the CSV file), its caption, which
// also labels the job's button on the main menu and its line in the command line's usage, and
// the file an export writes beside the program.
struct TaskNames {
    QString window;
    QString caption;
    QString fileName; // exports only
};

inline const QString kMainMenuName = QStringLiteral("PalukF00");
inline const TaskNames kImportTask{QStringLiteral("PalukF01"), QStringLiteral("アドレス帳データを取り込み"), {}};
inline const TaskNames kCsvTask{QStringLiteral("PalukF02"), QStringLiteral("CSV 出力"), QStringLiteral("PalukF02.txt")};
inline const TaskNames kEdMaxTask{QStringLiteral("PalukF05"), QStringLiteral("EdMax アドレス帳作成"),
                                  QStringLiteral("常用アドレス.adr")};
inline const TaskNames kTuruKameTask{QStringLiteral("PalukF06"), QStringLiteral("鶴亀アドレス帳作成"),
                                     QStringLiteral("AdrBook.txt")};

} // namespace paluksen
