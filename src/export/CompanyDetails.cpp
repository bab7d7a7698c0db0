#include "export/CompanyDetails.h"

namespace paluksen {
namespace {
void appendField(QString& line, const QString& value)
{
    line += u',';
    line += value;
}
} // namespace

void appendCompanyDetails(QString& line, CompanyWith with, const store::Cursor& row,
                          const OutputColumns& columns)
{
    line += row.text(columns.company);
    switch (with) {
    case CompanyWith::DepartmentAndTitle: {
        const QString department = row.text(columns.department);
        const QString title = row.text(columns.title);
        if (!title.isEmpty()) {
            appendField(line, department);
            appendField(line, title);
        } else if (!department.isEmpty()) {
            appendField(line, department);
        }
        break;
    }
    case CompanyWith::Department:
        if (const QString department = row.text(columns.department); !department.isEmpty())
            appendField(line, department);
        break;
    case CompanyWith::Title:
        if (const QString title = row.text(columns.title); !title.isEmpty())
            appendField(line, title);
        break;
    case CompanyWith::Nothing:
        break;
    }
}

} // namespace paluksen
