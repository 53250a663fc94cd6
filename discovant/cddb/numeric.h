#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace discovant {

// Lenient numeric reading shared by the TOC fields, answer status codes and the revision
// comment of an entry: leading blanks are skipped, then an optional sign and a decimal
// number with an optional fraction are read; whatever follows is ignored.

// The leading number of `text`, or nothing when `text` does not start with one.
std::optional<double> leadingNumber(std::string_view text);

// The leading number rounded to the nearest integer (ties to even) and held to the 32-bit
// range; 0 when `text` does not start with a number.
int32_t leadingInt32(std::string_view text);

// Status of a CDDB answer: the numeric value of its first three characters (0 when they
// are not a number). "210 rock ..." gives 210.
int32_t answerStatus(std::string_view answer);

} // namespace discovant
