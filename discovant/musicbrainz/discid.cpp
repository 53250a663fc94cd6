#include "discovant/musicbrainz/discid.h"

#include "discovant/cddb/discid.h"

#include <array>
#include <charconv>
#include <discid/discid.h>
#include <memory>
#include <string_view>

namespace discovant::musicbrainz {

namespace {

struct DiscIdDeleter {
    void operator()(DiscId* disc) const { discid_free(disc); }
};

constexpr int kMaxTracks = 99;

} // namespace

std::optional<MusicBrainzDisc> musicBrainzDisc(const std::string& mediaToc)
{
    const LookupValues values = deriveLookupValues(mediaToc);
    if (!values.valid)
        return std::nullopt;
    // libdiscid wants the lead-out first, then the offsets of tracks 1..N.
    std::array<int, kMaxTracks + 1> offsets {};
    std::vector<int> addresses;
    std::string_view rest = values.toc;
    while (!rest.empty()) {
        const std::size_t space = rest.find(' ');
        const std::string_view field = rest.substr(0, space);
        int address = 0;
        const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), address);
        if (error != std::errc() || end != field.data() + field.size())
            return std::nullopt;
        addresses.push_back(address);
        rest = space == std::string_view::npos ? std::string_view() : rest.substr(space + 1);
    }
    const int tracks = static_cast<int>(addresses.size()) - 1;
    if (tracks < 1 || tracks > kMaxTracks)
        return std::nullopt;
    offsets[0] = addresses.back();
    for (int track = 1; track <= tracks; ++track)
        offsets[static_cast<std::size_t>(track)] = addresses[static_cast<std::size_t>(track) - 1];

    const std::unique_ptr<DiscId, DiscIdDeleter> disc(discid_new());
    if (!disc || !discid_put(disc.get(), 1, tracks, offsets.data()))
        return std::nullopt;
    MusicBrainzDisc result;
    result.id = discid_get_id(disc.get());
    result.tocArgument = std::to_string(1) + "+" + std::to_string(tracks);
    for (int track = 0; track <= tracks; ++track)
        result.tocArgument += "+" + std::to_string(offsets[static_cast<std::size_t>(track)]);
    return result;
}

} // namespace discovant::musicbrainz
