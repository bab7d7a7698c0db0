#pragma once

#include "store/Sqlite.h"

#include <QString>

namespace paluksen {

// What follows the company when a person's company details are written comma-separated.
enum class CompanyWith { DepartmentAndTitle, Department, Title, Nothing };

// Appends the company of the cursor's row, always, even when empty, then the department and
// the title that `with` names, each after a comma and only when not empty. With both, an empty
// department is still written before a title, so the title always stands in the third place.
// Null reads as empty; a value of spaces is not empty.
void appendCompanyDetails(QString& line, CompanyWith with, const store::Cursor& row);

} // namespace paluksen
