// Feeds arbitrary bytes to the READ TOC format 0 decoder as a drive answer.
#include "discovant/drive/tocdecoder.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string toc = discovant::decodeTocBuffer(data, size);
    // A decoded TOC is digits separated by single spaces, with no blank at either end.
    for (std::size_t i = 0; i < toc.size(); ++i) {
        const bool digit = toc[i] >= '0' && toc[i] <= '9';
        const bool innerSpace = toc[i] == ' ' && i > 0 && i + 1 < toc.size() && toc[i - 1] != ' ';
        if (!digit && !innerSpace)
            std::abort();
    }
    return 0;
}
