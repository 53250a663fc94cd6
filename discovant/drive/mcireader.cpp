// The kernel cdrom reader: the table of contents through the uniform cdrom driver's ioctls,
// addresses in minute/second/frame form. The kernel offers no CD-Text this way.
#include "discovant/drive/filedescriptor.h"
#include "discovant/drive/tocreader.h"

#include <linux/cdrom.h>
#include <sys/ioctl.h>

#include <optional>

namespace discovant {

namespace {

constexpr int kMaxTracks = 99;

// Absolute frame address (lead-in included) of one TOC entry; nullopt when the ioctl fails.
std::optional<long> entryAddress(int fd, unsigned char track)
{
    cdrom_tocentry entry{};
    entry.cdte_track = track;
    entry.cdte_format = CDROM_MSF;
    if (::ioctl(fd, CDROMREADTOCENTRY, &entry) != 0)
        return std::nullopt;
    const cdrom_msf0& msf = entry.cdte_addr.msf;
    return msf.minute * 60L * 75L + msf.second * 75L + msf.frame;
}

class MciReader final : public TocReader {
public:
    std::string GetTOC() const override { return toc_; }
    std::string GetTEXT() const override { return {}; }

    bool InitMediaToc(const std::string& drive) override
    {
        const FileDescriptor device(drive);
        if (!device.valid())
            return false;
        cdrom_tochdr header{};
        if (::ioctl(device.get(), CDROMREADTOCHDR, &header) != 0)
            return false;
        const int first = header.cdth_trk0;
        const int last = header.cdth_trk1;
        if (first < 1 || last < first || last > kMaxTracks)
            return false;

        std::string toc;
        for (int track = first; track <= last; ++track) {
            const auto address = entryAddress(device.get(), static_cast<unsigned char>(track));
            if (!address)
                return false;
            toc += std::to_string(*address);
            toc += ' ';
        }
        // The drive's own lead-out address, not one computed from the last track's length.
        const auto leadOut = entryAddress(device.get(), CDROM_LEADOUT);
        if (!leadOut)
            return false;
        toc += std::to_string(*leadOut);
        toc_ = toc;
        return true;
    }

private:
    std::string toc_;
};

} // namespace

std::unique_ptr<TocReader> makeMciReader()
{
    return std::make_unique<MciReader>();
}

} // namespace discovant
