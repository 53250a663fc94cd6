#pragma once

#include <memory>
#include <string>

namespace discovant {

// The one interface of the three TOC readers. A reader object reads one disc per
// InitMediaToc call and keeps what it read until the next call.
//
// A "drive" is an optical device path ("/dev/sr0"); the libcdio reader also takes a disc
// image path (.cue, .toc, .nrg). Readers never print or throw: failure is `false`.
class TocReader {
public:
    virtual ~TocReader() = default;

    // Media TOC string of the last successful InitMediaToc: decimal absolute frame
    // addresses of tracks 1..N and the lead-out, single spaces, no outer blanks. "" before.
    virtual std::string GetTOC() const = 0;

    // CD-Text string of the last successful InitMediaToc ("performer|title|||message|t1|..|"),
    // "" when none was read. Always "" for the kernel-ioctl reader.
    virtual std::string GetTEXT() const = 0;

    // Reads the disc in `drive`; true on success.
    virtual bool InitMediaToc(const std::string& drive) = 0;
};

// SG_IO pass-through reader (READ TOC command blocks, formats 0 and 5).
std::unique_ptr<TocReader> makeSptiReader();
// libcdio reader: drives and disc images, TOC and CD-Text.
std::unique_ptr<TocReader> makeAspiReader();
// Kernel cdrom ioctl reader (CDROMREADTOCHDR / CDROMREADTOCENTRY in MSF); no CD-Text.
std::unique_ptr<TocReader> makeMciReader();

// The optical drives of the machine, each followed by "|" ("/dev/sr0|/dev/sr1|"); "" for none.
std::string GetCdRoms();

// Serial number of the ISO 9660 volume on the disc, computed from its primary volume
// descriptor the way Windows computes it, as 8 uppercase hexadecimal digits; "" when the
// disc has no ISO 9660 file system or cannot be read.
std::string volumeSerial(const std::string& driveOrImage);

} // namespace discovant
