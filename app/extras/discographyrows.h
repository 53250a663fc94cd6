#pragma once

#include "db/catalogue.h"

#include <QString>

// Which list the discography window shows: an artist's discography (`Discografie` rows) or
// an album's tracks (`Tracks` rows).
enum class ListKind { Discography, Tracks };

// The list a `ListMode` value selects: "Discografie" the discography, anything else the
// track list.
ListKind listKindOf(const QString& listMode);

// One row as the `Album` window saves it. `jaar` is the year (discography) or the track
// number (tracks); `titel` the album title or track name; `lengte` the track length.
struct ListEntry {
    ListKind kind = ListKind::Discography;
    qint64 rowId = 0; // the row to change; 0 adds a row
    qint64 ownerId = 0; // the artist (discography) or album (tracks) a new row belongs to
    QString jaar;
    QString titel;
    QString lengte;
};

// Adds or changes the row. Texts are stored as typed; year and number as whole numbers. A
// new track gets a length only when one was typed; a changed track always takes the typed
// one, also when it is empty.
DbStatus saveListEntry(const Catalogue& catalogue, const ListEntry& entry);

// Removes one row of the list.
DbStatus removeListRow(const Catalogue& catalogue, ListKind kind, qint64 rowId);

// The fetched tracks waiting in `Freedb` for album `titleId`, with the track list's columns.
DbResult<Recordset> freedbGrid(
    const Catalogue& catalogue, qint64 titleId, const QString& titleCaption, const QString& lengthCaption);
