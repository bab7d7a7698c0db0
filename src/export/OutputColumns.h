#pragma once

#include "store/Sqlite.h"

namespace paluksen {

// Where the columns of the output view sit in one cursor. Looked up once when the cursor is
// opened: asking by name for every row would cost a scan of the column names per value.
struct OutputColumns {
    explicit OutputColumns(const store::Cursor& rows);

    int group;
    int name;
    int address;
    int company;
    int department;
    int title;
};

} // namespace paluksen
