#pragma once

#include "db/catalogue.h"

#include <QDate>
#include <QDateTime>
#include <QString>

// What the title editor holds for one album, as the user left the fields.
struct TitleInput {
    QString titel; // stored as typed (blanks kept); must not be blank
    QString jaar; // "" or up to four digits
    QString drager; // free text; only its first three characters are stored
    QDate gekocht; // purchase date
    bool playlist = false;
    QString bijzonderheden; // comments
    QString lengte; // total length as free text
};

// Longest texts the title editor's fields take from the keyboard.
namespace TitleLimits {
constexpr int titel = 50;
constexpr int jaar = 4;
constexpr int drager = 3;
constexpr int bijzonderheden = 50;
constexpr int lengte = 10;
} // namespace TitleLimits

// The `Titel` columns written for `input`: empty year, carrier, comments and length become
// Null, the carrier is cut to its first three characters, the purchase date is "yyyy-MM-dd"
// and the change date `datum_lamu` is `now` as "yyyy-MM-dd HH:mm:ss". A year that is not a
// whole number is refused with an error naming it, so no text ever lands in the year column.
DbResult<FieldValues> titleColumns(const TitleInput& input, const QDateTime& now);

// Stores an album and returns its id. `titleId` 0 adds a new album of `artistId` (no disc
// id is written); any other `titleId` updates that album, which must still exist.
DbResult<qint64> storeTitle(const Catalogue& catalogue, const TitleInput& input, qint64 titleId,
    qint64 artistId, const QDateTime& now);

// The disc identifier stored with an album, "" when it has none (or no such album exists).
DbResult<QString> storedDiscId(const Catalogue& catalogue, qint64 titleId);

// A purchase date as the title list shows it ("yyyy-MM-dd", possibly followed by a time);
// an invalid date when the text holds none.
QDate purchaseDateFromText(const QString& text);
