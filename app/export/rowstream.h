#pragma once

#include "db/dbresult.h"

#include <QString>
#include <QVariantList>
#include <functional>

class Catalogue;
class SqliteStatement;

// Runs a statement on the catalogue and hands every row to `visit` while it is read, keeping
// none: an export of the whole catalogue then needs the same memory for 300,000 rows as for
// ten. `visit` reads the row's columns from the statement and returns false to stop early (the
// caller keeps its own reason). The connection is closed again before the call returns.
DbStatus streamRows(const Catalogue& catalogue, const QString& sql, const QVariantList& params,
    const std::function<bool(const SqliteStatement& row)>& visit);
