#include "import/fetchedalbum.h"

#include "discovant/cddb/discovant.h"

#include <algorithm>
#include <limits>

namespace {

QString text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

// SecondsToTimeString takes 16-bit seconds; a longer time is shown as the longest it can
// write rather than wrapping round to a negative one.
int16_t asTimeSeconds(int32_t seconds)
{
    return static_cast<int16_t>(std::clamp<int32_t>(seconds, 0, std::numeric_limits<int16_t>::max()));
}

} // namespace

QString cutToNameField(const QString& name)
{
    if (name.size() <= kNameFieldLength)
        return name;
    int length = kNameFieldLength;
    if (name.at(length - 1).isHighSurrogate())
        --length;
    return name.left(length);
}

FetchedAlbum readFetchedAlbum(const discovant::Discovant& core)
{
    FetchedAlbum album;
    album.artist = text(core.GetArtistName());
    album.album = text(core.GetAlbumName());
    album.cdId = text(core.GetMediaID());
    album.year = text(core.GetAlbumYear());
    album.length = text(core.SecondsToTimeString(asTimeSeconds(core.GetAlbumLength())));
    album.trackCount = std::clamp<int32_t>(core.GetAlbumTracks(), 0, std::numeric_limits<int16_t>::max());
    for (int i = 1; i <= album.trackCount; ++i) {
        const auto number = static_cast<int16_t>(i);
        const QString name = text(core.GetTrackName(number));
        if (name.isEmpty())
            continue;
        album.tracks.append(
            { i, cutToNameField(name), text(core.SecondsToTimeString(core.GetTrackTime(number))) });
    }
    return album;
}
