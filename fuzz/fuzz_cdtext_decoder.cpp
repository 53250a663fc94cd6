// Feeds arbitrary bytes to the READ TOC format 5 (CD-Text) decoder as a drive answer.
#include "discovant/cddb/textcodec.h"
#include "discovant/drive/tocdecoder.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string cdText = "previous";
    const bool ok = discovant::decodeCdTextBuffer(data, size, cdText);
    // Failure leaves nothing behind; success gives "" or at least the five disc fields, in
    // UTF-8, ending with the field separator.
    if (!ok && !cdText.empty())
        std::abort();
    if (!cdText.empty()) {
        const auto fields = std::count(cdText.begin(), cdText.end(), '|');
        if (cdText.back() != '|' || fields < 5 || !discovant::isValidUtf8(cdText))
            std::abort();
    }
    return 0;
}
