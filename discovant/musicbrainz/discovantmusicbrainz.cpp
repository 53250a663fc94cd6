// The component's MusicBrainz side: the disc ID, the lookup of a disc on the web service
// (each release holding the disc is one match), the release identifiers of the entry and the
// front cover of the chosen release.
#include "discovant/cddb/discovant.h"
#include "discovant/cddb/protocoltexts.h"
#include "discovant/musicbrainz/client.h"
#include "discovant/musicbrainz/discid.h"

#include <algorithm>
#include <curl/curl.h>
#include <exception>

namespace discovant {

namespace {

// One chooser line: artist, title, year, country, format, label and barcode, those the
// service knows.
std::string chooserLine(const musicbrainz::Release& release, const musicbrainz::Medium& medium)
{
    std::string line;
    for (const std::string& field : { release.artist, musicbrainz::mediumTitle(release, medium),
             release.year(), release.country, medium.format, release.label, release.barcode }) {
        if (field.empty())
            continue;
        if (!line.empty())
            line += " / ";
        line += field;
    }
    return line;
}

struct Candidate {
    const musicbrainz::Release* release;
    const musicbrainz::Medium* medium;
};

} // namespace

std::string Discovant::CalMusicBrainzID(const std::string& mediaToc) const
{
    const std::optional<musicbrainz::MusicBrainzDisc> disc = musicbrainz::musicBrainzDisc(mediaToc);
    return disc ? disc->id : std::string();
}

uCDDBMatchCode Discovant::lookupOnMusicBrainz(const LookupValues& values)
{
    const std::optional<musicbrainz::MusicBrainzDisc> disc = musicbrainz::musicBrainzDisc(values.toc);
    if (!disc)
        return uCDDBMatchCode::MATCH_NONE;
    watchTransfers(uCDDBStep::QUERY);
    musicbrainz::MusicBrainzClient client(http_, musicBrainzOptions());
    client.setCancelFlag(&cancelRequested_);
    const musicbrainz::Answer<std::vector<musicbrainz::Release>> answer = client.lookupDisc(*disc);
    if (!answer) {
        raiseFailure(answer.failure);
        return uCDDBMatchCode::MATCH_NONE;
    }
    std::vector<Candidate> candidates;
    bool exact = false;
    for (const musicbrainz::Release& release : *answer.value) {
        const musicbrainz::Medium* medium = musicbrainz::matchingMedium(release, disc->id, values.trackCount);
        if (!medium)
            continue;
        exact = exact
            || std::find(medium->discIds.begin(), medium->discIds.end(), disc->id) != medium->discIds.end();
        candidates.push_back({ &release, medium });
    }
    if (candidates.empty()) {
        // Releases without a disc like this one are not this disc; the user learns why.
        if (!answer.value->empty())
            raiseFailure({ kErrorNoMatchingMedium, {} });
        return uCDDBMatchCode::MATCH_NONE;
    }
    std::size_t chosen = 0;
    if (candidates.size() > 1) {
        std::vector<std::string> lines;
        lines.reserve(candidates.size());
        for (const Candidate& candidate : candidates)
            lines.push_back(chooserLine(*candidate.release, *candidate.medium));
        const MatchChooser choose = matchChooser(false);
        const int position = choose ? choose(lines) : 1;
        if (position < 1 || static_cast<std::size_t>(position) > candidates.size())
            return uCDDBMatchCode::MATCH_NONE;
        chosen = static_cast<std::size_t>(position) - 1;
    }
    const musicbrainz::Release& release = *candidates[chosen].release;
    const musicbrainz::Medium& medium = *candidates[chosen].medium;
    std::vector<DiscEntry::ReleaseTrack> tracks;
    tracks.reserve(medium.tracks.size());
    for (const musicbrainz::Track& track : medium.tracks)
        tracks.push_back({ track.title, track.seconds });
    entry_.fillFromRelease(
        release.artist, musicbrainz::mediumTitle(release, medium), release.year(), release.genre, tracks);
    releaseId_ = release.id;
    releaseGroupId_ = release.releaseGroupId;
    answeredSource_ = uCDDBSource::MUSICBRAINZ;
    return exact && candidates.size() == 1 ? uCDDBMatchCode::MATCH_EXACT : uCDDBMatchCode::MATCH_MULTIPLE;
}

void Discovant::raiseFailure(const musicbrainz::Failure& failure) const
{
    if (failure.number == kErrorCancelled
        || (failure.number == CURLE_ABORTED_BY_CALLBACK && cancelRequested_.load())) {
        stopForCancel();
        return;
    }
    raiseProtocolError(failure.number, musicbrainz::failureText(failure, CDDBLanguage()));
}

uCDDBSource Discovant::GetAnsweredSource() const
{
    return answeredSource_;
}

std::string Discovant::GetReleaseID() const
{
    return releaseId_;
}

std::string Discovant::GetReleaseGroupID() const
{
    return releaseGroupId_;
}

std::string Discovant::GetCoverUrl() const
{
    if (releaseId_.empty())
        return {};
    return musicbrainz::MusicBrainzClient(const_cast<HttpClient&>(http_), musicBrainzOptions())
        .coverUrl(releaseId_);
}

std::optional<musicbrainz::Cover> Discovant::FetchFrontCover()
{
    if (releaseId_.empty() || stopForCancel())
        return std::nullopt;
    try {
        watchTransfers(uCDDBStep::READ_ENTRY);
        musicbrainz::MusicBrainzClient client(http_, musicBrainzOptions());
        client.setCancelFlag(&cancelRequested_);
        musicbrainz::Answer<musicbrainz::Cover> cover = client.frontCover(releaseId_);
        if (!cover) {
            raiseFailure(cover.failure);
            return std::nullopt;
        }
        return std::move(cover.value);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

} // namespace discovant
