#pragma once

#include "db/catalogue.h"
#include "discovant/cddb/enums.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

class ProgressReport;
namespace discovant::musicbrainz {
class MusicBrainzClient;
}

// "Find missing covers": every album without a cover file (`CoverDir` + id + ".jpg") is
// looked up on MusicBrainz by artist, title and year, and the front cover of the release
// found is stored as its cover. A run that stops half-way leaves the covers it stored, so the
// next run goes on with the albums still without one.

// An album as the search needs it.
struct CoverlessAlbum {
    qint64 id = 0;
    QString artist;
    QString title;
    QString year; // "" when the album has none (or 0)
};

// The albums without a cover file in `coverDir`, by artist name and title.
DbResult<QList<CoverlessAlbum>> albumsWithoutCover(const Catalogue& catalogue, const QString& coverDir);

// What became of one album.
struct CoverOutcome {
    enum class Kind { Found, NotFound, Failed };
    CoverlessAlbum album;
    Kind kind = Kind::NotFound;
    QString reason; // why not found, or why it failed; "" when found
};

struct CoverSearchReport {
    QList<CoverOutcome> outcomes; // in the order searched
    qsizetype total = 0; // albums that were to be searched
    bool cancelled = false; // the user stopped the run; the rest was not searched
    // Why the run stopped by itself ("" when it did not): the service could not be reached or
    // stayed busy, so every further album would fail the same way; the rest was not searched.
    QString stoppedBy;
};

// Searches a cover for each album in turn, telling `progress` the count ("12 of 340") and the
// album, and stores what it finds in `coverDir`. A search the service does not answer at all
// (no connection, time-out, still busy after the retries) ends the run. Stops before the next album once
// `progress` asks it to; the album whose request the cancel cut off counts as not searched. Texts of the
// service's failures are in `language`.
CoverSearchReport findMissingCovers(const QList<CoverlessAlbum>& albums, const QString& coverDir,
    discovant::musicbrainz::MusicBrainzClient& client, discovant::uCDDBLang language,
    ProgressReport& progress);

// The run's report for the user: counts, then the albums not found and those that failed,
// each with its reason.
QString coverReportText(const CoverSearchReport& report);

