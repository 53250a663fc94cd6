#pragma once

#include "db/albumimport.h"

#include <QList>
#include <QString>

namespace discovant {
class Discovant;
}

// The catalogue's text columns for album and track names hold at most this many characters;
// longer names from a CD entry are cut.
inline constexpr int kNameFieldLength = 50;

// The first kNameFieldLength characters of `name`; a letter outside the basic plane is never
// split in half at the cut.
QString cutToNameField(const QString& name);

// The entry of the component's last lookup, in the catalogue's terms.
struct FetchedAlbum {
    QString artist;
    QString album; // as the entry gives it (shown uncut)
    QString cdId;
    QString year;
    QString length; // whole disc, "m:ss"
    int trackCount = 0; // tracks on the disc, named or not
    // The named tracks with their disc numbers, names cut to the field, lengths "m:ss"; a
    // track without a name is left out and the others keep their numbers.
    QList<FetchedTrack> tracks;
};

FetchedAlbum readFetchedAlbum(const discovant::Discovant& core);
