#include "discovant/cddb/numeric.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace discovant {

std::optional<double> leadingNumber(std::string_view text)
{
    size_t pos = text.find_first_not_of(" \t");
    if (pos == std::string_view::npos)
        return std::nullopt;
    bool negative = false;
    if (text[pos] == '+' || text[pos] == '-') {
        negative = text[pos] == '-';
        ++pos;
    }
    // from_chars would also take "inf" and "nan"; a number here starts with a digit or a
    // decimal point followed by a digit.
    const std::string_view rest = text.substr(pos);
    const bool startsWithDigit = !rest.empty() && rest[0] >= '0' && rest[0] <= '9';
    const bool startsWithFraction = rest.size() >= 2 && rest[0] == '.' && rest[1] >= '0' && rest[1] <= '9';
    if (!startsWithDigit && !startsWithFraction)
        return std::nullopt;
    double value = 0;
    const auto result
        = std::from_chars(rest.data(), rest.data() + rest.size(), value, std::chars_format::fixed);
    if (result.ec == std::errc::invalid_argument)
        return std::nullopt;
    if (result.ec == std::errc::result_out_of_range)
        value = std::numeric_limits<double>::max();
    return negative ? -value : value;
}

int32_t leadingInt32(std::string_view text)
{
    const std::optional<double> number = leadingNumber(text);
    if (!number)
        return 0;
    // nearbyint rounds ties to even in the default rounding mode.
    const double rounded = std::nearbyint(*number);
    if (rounded >= static_cast<double>(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    if (rounded <= static_cast<double>(std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(rounded);
}

int32_t answerStatus(std::string_view answer)
{
    return leadingInt32(answer.substr(0, 3));
}

} // namespace discovant
