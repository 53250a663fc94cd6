#pragma once

#include "db/dbresult.h"

#include <QString>

class SqliteConnection;

// The catalogue's schema: five tables, three saved queries as views, indexes, and the schema
// version in `PRAGMA user_version` (0 in a catalogue made by hand or by another tool).

// The version the base schema below is; db/schemaupgrade.h adds the later versions.
inline constexpr int baseSchemaVersion = 1;

// Writes the base schema (version `baseSchemaVersion`) into an empty database, in one
// transaction.
DbStatus writeCatalogueSchema(const SqliteConnection& connection);

// Checks that the database holds every table with its columns and every view, and that its
// schema version is not newer than this program's. Reads only.
DbStatus checkCatalogueSchema(const SqliteConnection& connection);
