// Feeds arbitrary bytes to the readers of the MusicBrainz answers (releases, artists, release
// groups) and maps every release found to an entry the way a disc lookup does: the matching
// medium, its title, and the entry filled from it.
#include "discovant/cddb/discid.h"
#include "discovant/cddb/entry.h"
#include "discovant/musicbrainz/answers.h"
#include "discovant/musicbrainz/client.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace discovant;
using namespace discovant::musicbrainz;

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view json(reinterpret_cast<const char*>(data), size);
    const LookupValues values = deriveLookupValues("150 10000 20000");
    if (const auto releases = readReleases(json)) {
        for (const Release& release : *releases) {
            require(release.year().empty() || release.year().size() == 4);
            const Medium* medium = matchingMedium(release, "disc", values.trackCount);
            if (!medium)
                continue;
            DiscEntry entry;
            entry.reset(values);
            std::vector<DiscEntry::ReleaseTrack> tracks;
            for (const Track& track : medium->tracks) {
                require(track.seconds >= 0);
                tracks.push_back({ track.title, track.seconds });
            }
            entry.fillFromRelease(
                release.artist, mediumTitle(release, *medium), release.year(), release.genre, tracks);
            for (int16_t track = 0; track <= entry.GetAlbumTracks() + 1; ++track)
                (void)entry.GetTrackName(track), (void)entry.GetTrackTime(track);
            (void)foldForComparison(release.artist);
        }
    }
    if (const auto artists = readArtists(json))
        for (const Artist& artist : *artists)
            (void)foldForComparison(artist.name);
    if (const auto page = readReleaseGroups(json))
        require(page->total >= 0 && page->offset >= 0);
    return 0;
}
