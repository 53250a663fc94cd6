#pragma once

#include "db/catalogue.h"

#include <QList>
#include <QString>
#include <functional>

// Importing a Discogs collection list (import/discogscsv.h) into the catalogue.

struct DiscogsRefusal {
    qint64 line = 0;
    QString reason;
};

// What the import did.
struct DiscogsReport {
    qint64 added = 0;
    qint64 skipped = 0; // an album of that artist and title was catalogued already
    qint64 refused = 0;
    QList<DiscogsRefusal> refusals; // the first `maxListedRefusals` of them, by line
    QString failure; // why the import stopped early ("" when it read the whole file)
    bool cancelled = false;
};

inline constexpr qsizetype maxListedRefusals = 1000;

// Asked between rows with the bytes read so far and the file's size; answers false to cancel.
using DiscogsProgress = std::function<bool(qint64 done, qint64 total)>;

// Reads the CSV file `csvPath` and adds each row as an album of its artist (reused by name,
// else new): title, year, carrier, purchase date and comments. Rows whose album is catalogued
// already, also earlier in the same file, are skipped. Rows are stored in transactions of a
// few hundred: after a failure or Cancel every row reported as added is stored, and no album
// is half-stored.
DiscogsReport importDiscogsCollection(
    const Catalogue& catalogue, const QString& csvPath, const DiscogsProgress& progress = {});
