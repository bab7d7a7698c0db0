#pragma once

#include "export/FieldValue.h"
#include "store/Sqlite.h"

#include <QString>
#include <optional>

namespace paluksen {

// How an address book carries a person's company, department and title in one field: the company
// always, even when empty, then the department and the title where chosen.
//   Tab:   each chosen one after a TAB, even when empty, so the mail client finds it by its place.
//   Comma: each chosen one after a comma, only when not empty; with both chosen, an empty
//          department is still written before a title, so the title always stands third.
// Null reads as empty; a value of spaces is not empty. Each value is written as the book carries it.
struct CompanyDetails {
    enum class Separator { Tab, Comma } separator;
    bool department;
    bool title;
};

void appendCompanyDetails(QString& line, const CompanyDetails& details, const store::Cursor& row, FieldValue value);

// One entry of an address book window's layout list: the text the user picks, and what it
// writes of the company details (no field at all where there are none).
struct LayoutEntry {
    QString listText;
    std::optional<CompanyDetails> details;
};

} // namespace paluksen
