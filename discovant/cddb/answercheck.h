#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace discovant {

// Whether a server's answer to a CDDB command is one the command can take, and if not, what
// the user is told. Pure: no network, no state.
//
//   query   200, 202, or 210/211 with a list that ends in a "." line
//   read    210 with an entry that ends in a "." line
//   sites   210 with a list that ends in a "." line
//
// A CDDB status 4xx or 5xx is the server's refusal ("500 Unknown developer email"); an answer
// that does not start with a CDDB status line (an HTML page, nothing at all) is no CDDB
// answer; a 210/211 without its "." line was cut off on the way.
enum class CddbCommand { Query, Read, Sites };

struct AnswerFault {
    int32_t number = 0; // kErrorServerRefused, kErrorNotCddb or kErrorIncompleteAnswer
    std::string detail; // the server's status line (UTF-8, one line, bounded), for refusals
};

std::optional<AnswerFault> answerFault(CddbCommand command, std::string_view answer);

// The status of a CDDB status line: three digits followed by a blank, a line end or
// nothing; nullopt for anything else.
std::optional<int> cddbStatus(std::string_view answer);

// The first line of `answer` as a user may read it: UTF-8, control characters as blanks,
// trimmed, at most about 200 bytes (cut at a character boundary).
std::string statusLineText(std::string_view answer);

} // namespace discovant
