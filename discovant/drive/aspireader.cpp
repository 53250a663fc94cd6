// The libcdio reader: drives and disc images (.cue/.bin, cdrdao .toc, Nero .nrg), TOC and
// CD-Text through libcdio's disc model.
#include "discovant/cddb/textcodec.h"
#include "discovant/drive/cdiosource.h"
#include "discovant/drive/tocreader.h"

#include <cdio/cdtext.h>

#include <array>
#include <optional>
#include <string_view>

namespace discovant {

namespace {

constexpr int kMaxTracks = 99;
constexpr long kLeadInFrames = 150;

// The media TOC string of the disc: every track's start and the lead-out as absolute frame
// addresses. nullopt when libcdio reports no tracks, more than 99, or an unreadable address.
std::optional<std::string> readToc(CdIo_t* cdio)
{
    const track_t first = cdio_get_first_track_num(cdio);
    const track_t count = cdio_get_num_tracks(cdio);
    if (first == CDIO_INVALID_TRACK || count == CDIO_INVALID_TRACK || first < 1 || count < 1
        || first + count - 1 > kMaxTracks)
        return std::nullopt;

    std::string toc;
    for (int track = first; track < first + count; ++track) {
        const lsn_t start = cdio_get_track_lsn(cdio, static_cast<track_t>(track));
        if (start == CDIO_INVALID_LSN)
            return std::nullopt;
        toc += std::to_string(start + kLeadInFrames);
        toc += ' ';
    }
    const lsn_t leadOut = cdio_get_track_lsn(cdio, CDIO_CDROM_LEADOUT_TRACK);
    if (leadOut == CDIO_INVALID_LSN)
        return std::nullopt;
    toc += std::to_string(leadOut + kLeadInFrames);
    return toc;
}

// libcdio hands out CD-Text as UTF-8 converted on the assumption that the disc or cue sheet
// held ISO-8859-1. Discs really carry the Windows code page and cue sheets today are mostly
// UTF-8, so the original bytes are recovered (possible whenever every character is below
// U+0100) and converted as every other text of the component is.
std::string recodeCdioText(std::string_view text)
{
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            bytes += static_cast<char>(lead);
            continue;
        }
        const bool twoByteLatin1 = (lead == 0xC2 || lead == 0xC3) && i + 1 < text.size()
                                   && (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80;
        if (!twoByteLatin1)
            return toUtf8(text); // another character set was decoded, or no conversion happened
        const auto tail = static_cast<unsigned char>(text[++i]);
        bytes += static_cast<char>(((lead & 0x1F) << 6) | (tail & 0x3F));
    }
    return toUtf8(bytes);
}

std::string field(const cdtext_t* cdtext, cdtext_field_t kind, int track)
{
    const char* text = cdtext_get_const(cdtext, kind, static_cast<track_t>(track));
    return text ? recodeCdioText(text) : std::string{};
}

// The pack types a READ TOC answer would carry: title, performer, songwriter, composer,
// arranger and message.
bool trackHasText(const cdtext_t* cdtext, int track)
{
    constexpr std::array kinds{CDTEXT_FIELD_TITLE,    CDTEXT_FIELD_PERFORMER, CDTEXT_FIELD_SONGWRITER,
                               CDTEXT_FIELD_COMPOSER, CDTEXT_FIELD_ARRANGER,  CDTEXT_FIELD_MESSAGE};
    for (const auto kind : kinds) {
        if (cdtext_get_const(cdtext, kind, static_cast<track_t>(track)) != nullptr)
            return true;
    }
    return false;
}

// The CD-Text string in the same shape the SCSI readers build from the raw packs:
// performer|title|||message|track 1 title|...|track N title|, N the highest track with any
// text. "" when the disc or image has no CD-Text.
std::string readCdText(CdIo_t* cdio)
{
    const cdtext_t* cdtext = cdio_get_cdtext(cdio); // owned by `cdio`
    if (cdtext == nullptr)
        return {};
    int highestTrack = -1;
    for (int track = 0; track <= kMaxTracks; ++track) {
        if (trackHasText(cdtext, track))
            highestTrack = track;
    }
    if (highestTrack < 0)
        return {};

    std::string message;
    for (int track = 0; track <= highestTrack; ++track)
        message += field(cdtext, CDTEXT_FIELD_MESSAGE, track);

    std::string result = field(cdtext, CDTEXT_FIELD_PERFORMER, 0) + '|'
                         + field(cdtext, CDTEXT_FIELD_TITLE, 0) + "|||" + message + '|';
    for (int track = 1; track <= highestTrack; ++track)
        result += field(cdtext, CDTEXT_FIELD_TITLE, track) + '|';
    return result;
}

class AspiReader final : public TocReader {
public:
    std::string GetTOC() const override { return toc_; }
    std::string GetTEXT() const override { return cdText_; }

    bool InitMediaToc(const std::string& drive) override
    {
        const CdioSource source = openCdioSource(drive);
        if (!source)
            return false;
        const auto toc = readToc(source.get());
        if (!toc)
            return false;
        toc_ = *toc;
        cdText_ = readCdText(source.get());
        return true;
    }

private:
    std::string toc_;
    std::string cdText_;
};

} // namespace

std::unique_ptr<TocReader> makeAspiReader()
{
    return std::make_unique<AspiReader>();
}

} // namespace discovant
