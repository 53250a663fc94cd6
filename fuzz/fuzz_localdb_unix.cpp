// Reads arbitrary bytes as a Unix-layout entry file (one entry, "category/discid"), with a
// size bound taken from the input, checks the shape of the lines, and hands them to the entry
// parser the way the local lookup does.
#include "discovant/cddb/entry.h"
#include "discovant/cddb/localdb.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

using namespace discovant;

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    // Usually no bound at all; now and then one the input may exceed.
    const size_t bound = size > 0 && data[0] % 4 == 0 ? size / 2 : kMaxEntryFileBytes;
    std::istringstream in(bytes);
    const auto lines = entryFileLines(in, bound);
    require(lines.has_value() == (size <= bound));
    if (!lines)
        return 0;
    size_t total = 0;
    std::string answer = "210 rock 7a0b2c09 CD database entry follows (until terminating `.')\r\n";
    for (size_t i = 0; i < lines->size(); ++i) {
        const std::string& line = (*lines)[i];
        total += line.size();
        require(line.find('\n') == std::string::npos);
        // One CR before each LF goes with the line end; any other is text.
        require(line.empty() || line.back() != ' ');
        // Only the last line may be the entry's PLAYORDER line.
        require(i + 1 == lines->size() || line.find("PLAYORDER=") == std::string::npos);
        answer += line + "\r\n";
    }
    require(total <= size);
    DiscEntry entry;
    require(entry.parseReadAnswer(answer + "."));
    (void)entry.GetArtistName();
    (void)entry.trackNames();
    return 0;
}
