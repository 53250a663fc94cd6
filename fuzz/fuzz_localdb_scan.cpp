// Scans arbitrary bytes as a local database file, for a fixed disc identifier and for one
// taken from the input itself (whatever its bytes), and checks the shape of what is found.
// Each scan runs twice, with the normal read block and with a tiny one chosen by the input,
// and both must find the same: block boundaries must never change a result.
#include "discovant/cddb/localdb.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

using namespace discovant;

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void scan(const std::string& bytes, std::string_view discId, size_t smallBlock)
{
    std::istringstream in(bytes);
    const auto lines = scanEntryLines(in, discId);
    std::istringstream again(bytes);
    require(scanEntryLines(again, discId, smallBlock) == lines);
    if (!lines)
        return;
    size_t total = 0;
    for (size_t i = 0; i < lines->size(); ++i) {
        const std::string& line = (*lines)[i];
        total += line.size();
        require(line.find('\n') == std::string::npos);
        require(line.empty() || line.back() != ' ');
        // Only the last line may be the entry's PLAYORDER line.
        require(i + 1 == lines->size() || line.find("PLAYORDER=") == std::string::npos);
    }
    require(total <= bytes.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const size_t smallBlock = 1 + (size == 0 ? 0 : data[size - 1] % 13);
    scan(bytes, "7a0b2c09", smallBlock);
    scan(bytes, std::string_view(bytes).substr(0, 8), smallBlock);
    return 0;
}
