#pragma once

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QIODevice>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

// The collection list Discogs exports as CSV: a header row naming the columns (`Catalog#`,
// `Artist`, `Title`, `Label`, `Format`, `Rating`, `Released`, `release_id`,
// `CollectionFolder`, `Date Added`, `Collection Media Condition`, `Collection Sleeve
// Condition`, `Collection Notes`, in any order; only `Artist` and `Title` are needed), then one
// release per row. Read with libcsv: quoted commas, quotes and line breaks, CR LF or LF, a
// leading byte-order mark.

// A release as the catalogue stores it.
struct DiscogsAlbum {
    QString artist; // without Discogs' number suffix: "Nirvana (2)" is "Nirvana"
    QString titel;
    QString jaar; // from `Released`; "" when unknown
    QString drager; // the catalogue's carrier code for `Format` (at most three letters)
    QDate gekocht; // from `Date Added`; invalid when absent
    QString bijzonderheden; // `Collection Notes` on one line, cut to the comments' size
};

// One data row: the line it starts on (1 is the header) and the album, or why it is refused.
struct DiscogsRow {
    qint64 line = 0;
    std::optional<DiscogsAlbum> album;
    QString refusal;
};

// Reads the CSV from `input`, handing each data row to `sink` in order; `sink` answers false
// to stop. Returns "" on success, else why the file as a whole cannot be read (no header,
// `Artist` or `Title` missing, a field beyond any sane size).
QString readDiscogsCsv(QIODevice& input, const std::function<bool(const DiscogsRow&)>& sink);

// The header's columns by name (trimmed; a byte-order mark is no part of the first name).
using DiscogsColumns = QHash<QString, qsizetype>;

// Maps one data row's fields; refused when not valid UTF-8, holding control characters, or
// without artist or title.
DiscogsRow mapDiscogsRow(const DiscogsColumns& columns, const QList<QByteArray>& fields, qint64 line);

// The pieces of the mapping.
QString discogsArtist(const QString& name);
QString discogsCarrier(const QString& format);
QString discogsYear(const QString& released);
// `text` on one line, cut to at most `limit` characters, never inside a character or letter
// (a base letter keeps its accents, a surrogate pair stays whole).
QString cutToLetters(const QString& text, qsizetype limit);
