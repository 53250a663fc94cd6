#pragma once

#include "db/catalogue.h"
#include "db/sqlitehandles.h"

// Reads every row of a prepared, bound statement into a Recordset: the column names, then
// each row's values (Null as an invalid QVariant).
DbResult<Recordset> readRecordset(SqliteStatement& statement);
