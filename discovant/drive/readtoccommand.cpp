#include "discovant/drive/readtoccommand.h"

#include "discovant/drive/tocdecoder.h"

#include <algorithm>
#include <vector>

namespace discovant {

namespace {

constexpr unsigned char kReadTocOperation = 0x43;
constexpr unsigned char kAddressesAsMsf = 0x02;

// Sends one READ TOC of `format` into a zeroed buffer of `size` bytes; the bytes the drive
// delivered, or nullopt.
std::optional<std::vector<unsigned char>> sendCommand(const SendReadToc& send,
                                                      unsigned char format,
                                                      std::size_t size)
{
    std::vector<unsigned char> answer(size, 0);
    const auto received = send(readTocCdb(format, static_cast<std::uint16_t>(size)), answer);
    if (!received)
        return std::nullopt;
    answer.resize(std::min(*received, size));
    return answer;
}

} // namespace

ReadTocCdb readTocCdb(unsigned char format, std::uint16_t allocationLength)
{
    return {kReadTocOperation,
            kAddressesAsMsf,
            format,
            0,
            0,
            0,
            0,
            static_cast<unsigned char>(allocationLength >> 8),
            static_cast<unsigned char>(allocationLength & 0xFF),
            0};
}

std::optional<TocAndCdText> readTocAndCdText(const SendReadToc& send)
{
    const auto tocAnswer = sendCommand(send, kReadTocFormatToc, kTocBufferSize);
    if (!tocAnswer)
        return std::nullopt;

    TocAndCdText result;
    result.toc = decodeTocBuffer(tocAnswer->data(), tocAnswer->size());
    // Many drives and discs have no CD-Text; a refused command is not a failure of the read.
    if (const auto textAnswer = sendCommand(send, kReadTocFormatCdText, kCdTextBufferSize)) {
        if (!decodeCdTextBuffer(textAnswer->data(), textAnswer->size(), result.cdText))
            return std::nullopt;
    }
    return result;
}

} // namespace discovant
