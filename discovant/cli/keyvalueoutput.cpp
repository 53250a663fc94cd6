#include "keyvalueoutput.h"

namespace discovant::cli {

void writeValue(std::ostream& out, std::string_view key, std::string_view value)
{
    out << key << '=';
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '\r' || c == '\n') {
            out << "\\n";
            if (c == '\r' && i + 1 < value.size() && value[i + 1] == '\n')
                ++i;
        } else {
            out << c;
        }
    }
    out << '\n';
}

} // namespace discovant::cli
