// The SCSI pass-through reader: READ TOC command blocks sent with the SG_IO ioctl.
#include "discovant/drive/filedescriptor.h"
#include "discovant/drive/readtoccommand.h"
#include "discovant/drive/tocreader.h"

#include <scsi/sg.h>
#include <sys/ioctl.h>

#include <array>

namespace discovant {

namespace {

constexpr unsigned kCommandTimeoutMs = 5000;

// Sends `cdb` on an open device and reads the answer into `answer`. The command counts only
// when the ioctl succeeded and neither the drive (SCSI status, sense data), the host adapter
// nor the driver reported anything abnormal.
std::optional<std::size_t> sendSgIo(int fd, const ReadTocCdb& cdb, std::span<unsigned char> answer)
{
    ReadTocCdb command = cdb; // SG_IO takes a non-const command pointer
    std::array<unsigned char, 32> sense{};
    sg_io_hdr_t request{};
    request.interface_id = 'S';
    request.dxfer_direction = SG_DXFER_FROM_DEV;
    request.cmd_len = static_cast<unsigned char>(command.size());
    request.cmdp = command.data();
    request.mx_sb_len = static_cast<unsigned char>(sense.size());
    request.sbp = sense.data();
    request.dxfer_len = static_cast<unsigned>(answer.size());
    request.dxferp = answer.data();
    request.timeout = kCommandTimeoutMs;

    if (::ioctl(fd, SG_IO, &request) != 0)
        return std::nullopt;
    if ((request.info & SG_INFO_OK_MASK) != SG_INFO_OK || request.status != 0)
        return std::nullopt;
    const int resid = request.resid;
    if (resid < 0 || static_cast<std::size_t>(resid) > answer.size())
        return answer.size();
    return answer.size() - static_cast<std::size_t>(resid);
}

class SptiReader final : public TocReader {
public:
    std::string GetTOC() const override { return toc_; }
    std::string GetTEXT() const override { return cdText_; }

    bool InitMediaToc(const std::string& drive) override
    {
        const FileDescriptor device(drive);
        if (!device.valid())
            return false;
        const auto read = readTocAndCdText(
            [&device](const ReadTocCdb& cdb, std::span<unsigned char> answer) {
                return sendSgIo(device.get(), cdb, answer);
            });
        if (!read)
            return false;
        toc_ = read->toc;
        cdText_ = read->cdText;
        return true;
    }

private:
    std::string toc_;
    std::string cdText_;
};

} // namespace

std::unique_ptr<TocReader> makeSptiReader()
{
    return std::make_unique<SptiReader>();
}

} // namespace discovant
