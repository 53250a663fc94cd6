#pragma once

#include "discovant/cddb/discid.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace discovant {

// The album entry the component holds after a lookup: the disc's identity and lengths from
// the TOC, and the texts of the xmcd entry read from a server or the local database.
//
// Texts are kept as the bytes that arrived and handed out as UTF-8 (see toUtf8): each
// field is judged on its own once its continuation lines are joined, so a character split
// across two continuation lines survives. Track lists are 1-based for the accessors.
class DiscEntry {
public:
    // Start of every lookup: artist, album, category, genre, notes and year become "",
    // revision 0, the track names and notes are emptied. When `values.valid`, the TOC,
    // track count, track times, disc length and disc identifier are taken from `values`;
    // otherwise the lengths are 0 and the track times empty, while the disc identifier and
    // the TOC of the previous lookup stay readable. The CD-Text is not touched.
    void reset(const LookupValues& values);

    // Parses a read answer (status line, entry lines, terminating "." line). Only status 210
    // fills the entry; the answer may be cut anywhere, lines may end in CR LF or LF, and any
    // bytes are safe. Returns false when the status is not 210: the caller's match code then
    // becomes "no match" (this covers the 401 "No such CD entry" answer).
    bool parseReadAnswer(std::string_view answer);

    // A release found in a service other than CDDB (UTF-8 texts): artist, album, year,
    // genre and the track names replace the entry's texts; a track length above 0 replaces
    // the TOC's time of that track.
    struct ReleaseTrack {
        std::string name;
        int32_t seconds = 0;
    };
    void fillFromRelease(std::string artist, std::string album, std::string year, std::string genre,
        const std::vector<ReleaseTrack>& tracks);

    // Set by the lookup from the query answer (category of the chosen match) and, when
    // several matches are offered, the chosen match's disc identifier.
    void setAlbumCategory(std::string category) { category_ = std::move(category); }
    void setMediaID(std::string discId) { discId_ = std::move(discId); }
    // The reader's CD-Text of the last successful TOC read.
    void setCdText(std::string cdText) { cdText_ = std::move(cdText); }

    // The trimmed TOC of the last lookup with a valid TOC ("" before).
    const std::string& toc() const { return toc_; }

    std::string GetMediaID() const;
    std::string GetArtistName() const;
    std::string GetAlbumName() const;
    std::string GetAlbumCategory() const;
    // The genre when it is not empty, otherwise the category.
    std::string GetAlbumGenre() const;
    // EXTD with every backslash-n written as CR LF.
    std::string GetAlbumNotes() const;
    std::string GetAlbumYear() const;
    std::string GetAlbumRevision() const { return std::to_string(revision_); }
    int16_t GetAlbumLength() const { return discLength_; }
    int16_t GetAlbumTracks() const { return trackCount_; }
    // Name of track `idx` (1-based), "" when idx < 1 or beyond the track-name list.
    std::string GetTrackName(int16_t idx) const;
    // Notes of track `idx` (EXTT, backslash-n as CR LF), "" when out of range.
    std::string GetTrackNotes(int16_t idx) const;
    // Seconds of track `idx`, 0 when out of range; held to the 16-bit range.
    int16_t GetTrackTime(int16_t idx) const;
    std::string GetCdText() const;

    int16_t revision() const { return revision_; }

    // Whole lists in UTF-8 (the names as numbered by first appearance of their key, which
    // may hold fewer or more items than the track count).
    std::vector<std::string> trackNames() const;
    std::vector<std::string> trackNotes() const;
    const std::vector<int32_t>& trackTimes() const { return trackTimes_; }

private:
    void parseLine(std::string_view line);

    std::string toc_;
    std::string discId_;
    std::string category_;
    std::string cdText_;
    int16_t discLength_ = 0;
    int16_t trackCount_ = 0;
    std::vector<int32_t> trackTimes_;

    // Raw bytes as read; converted on the way out.
    std::string title_; // running DTITLE, continuation lines joined
    // Artist and album given apart (a release from MusicBrainz), instead of the DTITLE.
    bool namesApart_ = false;
    std::string artist_;
    std::string album_;
    std::string genre_;
    std::string year_;
    std::string notes_;
    int16_t revision_ = 0;
    std::vector<std::string> trackNames_;
    std::vector<std::string> trackNotes_;
    std::string lastTitleKey_;
    std::string lastNotesKey_;
};

} // namespace discovant
