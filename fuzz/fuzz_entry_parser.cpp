// Feeds arbitrary bytes to the read-answer parser of the disc entry and reads every field
// back. The first line is also taken as a media TOC, so the disc identification and the
// lookup values see arbitrary TOCs too.
#include "discovant/cddb/discid.h"
#include "discovant/cddb/entry.h"
#include "discovant/cddb/textcodec.h"

#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>

using namespace discovant;

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void requireUtf8(const std::string& text)
{
    require(isValidUtf8(text));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string toc(input.substr(0, std::min(input.find('\n'), size_t(4096))));

    try {
        const std::string id = CalMediaID(toc);
        require(id.empty() || id.size() == 8);
    } catch (const std::overflow_error&) {
    }
    CalAlbumlength(toc);
    CalTracklength(toc);
    const LookupValues values = deriveLookupValues(toc);
    require(!values.valid
        || (values.discId.size() == 8 && values.trackTimes.size() == static_cast<size_t>(values.trackCount)));

    DiscEntry entry;
    entry.reset(values);
    entry.setAlbumCategory("rock");
    entry.parseReadAnswer(input);
    requireUtf8(entry.GetArtistName());
    requireUtf8(entry.GetAlbumName());
    requireUtf8(entry.GetAlbumGenre());
    requireUtf8(entry.GetAlbumNotes());
    requireUtf8(entry.GetAlbumYear());
    entry.GetAlbumRevision();
    const auto names = entry.trackNames();
    const auto notes = entry.trackNotes();
    for (const std::string& name : names)
        requireUtf8(name);
    for (int16_t idx = -1; idx <= static_cast<int16_t>(std::min<size_t>(names.size(), 200)) + 1; ++idx) {
        entry.GetTrackName(idx);
        entry.GetTrackNotes(idx);
        entry.GetTrackTime(idx);
    }
    require(entry.GetTrackName(static_cast<int16_t>(names.size() + 1)).empty() || names.size() >= 32767);
    return 0;
}
