#include "export/CompanyDetails.h"
#include "store/AddressStore.h"

namespace paluksen {

void appendCompanyDetails(QString& line, const CompanyDetails& details, const store::Cursor& row, FieldValue value)
{
    line += value(row.text(store::sql::kCompany));
    const QString department = details.department ? value(row.text(store::sql::kDepartment)) : QString();
    const QString title = details.title ? value(row.text(store::sql::kTitle)) : QString();
    if (details.separator == CompanyDetails::Separator::Tab) {
        if (details.department)
            line += u'\t' + department;
        if (details.title)
            line += u'\t' + title;
        return;
    }
    if (!department.isEmpty() || (details.department && !title.isEmpty()))
        line += u',' + department;
    if (!title.isEmpty())
        line += u',' + title;
}

} // namespace paluksen
