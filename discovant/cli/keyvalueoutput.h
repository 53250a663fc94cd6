#pragma once

#include <ostream>
#include <string_view>

namespace discovant::cli {

// Writes one "KEY=value" line. Line breaks inside the value (CR LF, and a lone LF or CR)
// are written as the two characters "\n", so every value stays on its line.
void writeValue(std::ostream& out, std::string_view key, std::string_view value);

} // namespace discovant::cli
