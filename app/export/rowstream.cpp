#include "export/rowstream.h"

#include "db/catalogue.h"
#include "db/sqlitehandles.h"

DbStatus streamRows(const Catalogue& catalogue, const QString& sql, const QVariantList& params,
    const std::function<bool(const SqliteStatement& row)>& visit)
{
    auto connection = SqliteConnection::open(catalogue.path());
    if (!connection)
        return connection.error();
    auto statement = connection.value().prepare(sql);
    if (!statement)
        return statement.error();
    SqliteStatement& rows = statement.value();
    if (auto bound = rows.bind(params); !bound)
        return bound;
    for (;;) {
        auto row = rows.step();
        if (!row)
            return row.error();
        if (!row.value() || !visit(rows))
            return {};
    }
}
