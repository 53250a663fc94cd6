#pragma once

#include "db/catalogue.h"
#include "db/dbresult.h"

class SqliteConnection;

// Catalogues written by earlier releases are brought up to `Catalogue::schemaVersion` in
// place, one additive step per version (new tables and indexes only; nothing an earlier
// release wrote is changed). Each step runs in its own transaction together with the new
// `PRAGMA user_version`, so an interrupted upgrade leaves a catalogue of the previous version.
// A catalogue that is already current is only read.
DbStatus upgradeCatalogueSchema(const SqliteConnection& connection);

// The same on the catalogue file (its own connection, closed before returning).
DbStatus upgradeCatalogue(const Catalogue& catalogue);
