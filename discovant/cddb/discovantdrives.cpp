// The drive operations of the component: listing drives, reading a disc's TOC and CD-Text
// through the reader the interface setting selects, and the volume serial.
#include "discovant/cddb/discovant.h"
#include "discovant/cddb/threadsettings.h"
#include "discovant/drive/discsource.h"
#include "discovant/drive/tocreader.h"

#include <exception>
#include <functional>
#include <iterator>
#include <memory>
#include <string_view>

namespace discovant {

namespace {

// A drive here is a device path ("/dev/sr0") or a disc image path ("album.cue"), not a
// drive letter: nothing is cut from it but surrounding blanks, since a path may hold any
// other character.
std::string normalisedDrive(std::string_view drive)
{
    constexpr std::string_view blanks = " \t\r\n";
    const std::size_t first = drive.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return std::string(drive.substr(first, drive.find_last_not_of(blanks) - first + 1));
}

using ReaderFactory = std::unique_ptr<TocReader> (*)();

struct ReaderChoice {
    uCDDBIfc kind;
    ReaderFactory make;
    // Which sources the reader may open: the pass-through reader sends commands to drives
    // (block devices, SCSI generic devices); the libcdio reader opens drives and image
    // files; the kernel-ioctl reader drives only. Nothing else is ever opened.
    bool takes(DiscSourceKind source) const
    {
        switch (kind) {
        case uCDDBIfc::SPTI:
            return source == DiscSourceKind::BlockDevice || source == DiscSourceKind::CharacterDevice;
        case uCDDBIfc::ASPI:
            return source == DiscSourceKind::BlockDevice || source == DiscSourceKind::ImageFile;
        default:
            return source == DiscSourceKind::BlockDevice;
        }
    }
};

// In AUTO the readers are tried from the most capable to the least.
constexpr ReaderChoice kReaders[] = {
    { uCDDBIfc::SPTI, makeSptiReader },
    { uCDDBIfc::ASPI, makeAspiReader },
    { uCDDBIfc::MCI, makeMciReader },
};

// The first reader that `setting` allows (MCI only with `withMci`), that may open `drive`
// and that reads the disc in it; nullptr when none does, or when `stop` says to stop before
// the next reader. `kind` tells which one it was.
std::unique_ptr<TocReader> readDisc(const std::string& drive, uCDDBIfc setting, bool withMci, uCDDBIfc& kind,
    const std::function<bool(int tried)>& stop = {})
{
    const DiscSourceKind source = discSourceKind(drive);
    int tried = 0;
    for (const ReaderChoice& choice : kReaders) {
        if (setting != uCDDBIfc::AUTO && setting != choice.kind)
            continue;
        if ((choice.kind == uCDDBIfc::MCI && !withMci) || !choice.takes(source))
            continue;
        if (stop && stop(tried++))
            return nullptr;
        std::unique_ptr<TocReader> reader = choice.make();
        if (reader && reader->InitMediaToc(drive)) {
            kind = choice.kind;
            return reader;
        }
    }
    return nullptr;
}

} // namespace

std::string Discovant::GetCdRoms() const
{
    try {
        return discovant::GetCdRoms();
    } catch (const std::exception&) {
        return {};
    }
}

std::string Discovant::GetMediaTOC(const std::string& drive)
{
    try {
        const std::string device = normalisedDrive(drive);
        threadSettings().currentDrive = device;
        if (stopForCancel())
            return {};
        uCDDBIfc kind = uCDDBIfc::AUTO;
        const auto reader = readDisc(device, CDDBInterface(), true, kind, [this](int tried) {
            reportProgress(uCDDBStep::READ_DISC, tried, static_cast<int64_t>(std::size(kReaders)));
            return cancelRequested_.load();
        });
        // A read that ends after the host cancelled is not taken either.
        if (stopForCancel() || !reader)
            return {}; // the stored CD-Text stays as it was
        // The kernel-ioctl reader has no CD-Text; its "" replaces the previous disc's.
        entry_.setCdText(kind == uCDDBIfc::MCI ? std::string() : reader->GetTEXT());
        return reader->GetTOC();
    } catch (const std::exception&) {
        return {};
    }
}

std::string Discovant::GetMediaInfo(const std::string& drive)
{
    try {
        const std::string device = normalisedDrive(drive);
        threadSettings().currentDrive = device;
        return volumeSerial(device);
    } catch (const std::exception&) {
        return {};
    }
}

std::function<std::optional<std::string>()> Discovant::cdTextReader() const
{
    // The drive and the interface as they are now, on the thread of the operation: the
    // submission editor may call this from another thread, whose settings are its own.
    return
        [drive = threadSettings().currentDrive, setting = CDDBInterface()]() -> std::optional<std::string> {
            try {
                uCDDBIfc kind = uCDDBIfc::AUTO;
                if (const auto reader = readDisc(drive, setting, false, kind))
                    return reader->GetTEXT();
            } catch (const std::exception&) {
            }
            return std::nullopt;
        };
}

} // namespace discovant
