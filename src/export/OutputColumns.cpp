#include "export/OutputColumns.h"

namespace paluksen {

OutputColumns::OutputColumns(const store::Cursor& rows)
    : group(rows.columnIndex(u"グループ")), name(rows.columnIndex(u"名前")),
      address(rows.columnIndex(u"アドレス")), company(rows.columnIndex(u"会社名")),
      department(rows.columnIndex(u"部署名")), title(rows.columnIndex(u"役職"))
{
}

} // namespace paluksen
