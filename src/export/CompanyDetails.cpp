#include "export/CompanyDetails.h"
#include "store/AddressStore.h"

namespace paluksen {
namespace {
void appendField(QString& line, const QString& value)
{
    line += u',';
    line += value;
}
} // namespace

void appendCompanyDetails(QString& line, CompanyWith with, const store::Cursor& row)
{
    line += row.text(store::sql::kCompany);
    switch (with) {
    case CompanyWith::DepartmentAndTitle: {
        const QString department = row.text(store::sql::kDepartment);
        const QString title = row.text(store::sql::kTitle);
        if (!title.isEmpty()) {
            appendField(line, department);
            appendField(line, title);
        } else if (!department.isEmpty()) {
            appendField(line, department);
        }
        break;
    }
    case CompanyWith::Department:
        if (const QString department = row.text(store::sql::kDepartment); !department.isEmpty())
            appendField(line, department);
        break;
    case CompanyWith::Title:
        if (const QString title = row.text(store::sql::kTitle); !title.isEmpty())
            appendField(line, title);
        break;
    case CompanyWith::Nothing:
        break;
    }
}

} // namespace paluksen
