#pragma once

#include "discovant/cddb/serveraddress.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace discovant {

// Who is asking: the CDDB "hello" of every command.
struct CddbGreeting {
    std::string email; // user@host
    std::string appName; // client name; blanks become "_"
    std::string appVersion; // client version; blanks become "_"
    int32_t protocolLevel = 6; // CDDB protocol level of the answers asked for
};

// `text` as one word of a CDDB command: trimmed of blanks, inner blanks written as "_"
// (a blank would end the word).
std::string cddbWord(std::string_view text);

// The two parts of an e-mail address the hello carries: the text before the first "@" and
// the text after it up to a second "@", if any.
struct AddressParts {
    std::string_view user;
    std::string_view host;
};

// The parts of `email`, or nullopt when the address cannot make a hello: no "@", an empty
// user or host part, or a blank anywhere (a blank would end a word of the command).
std::optional<AddressParts> addressParts(std::string_view email);

// "&hello=user+host+app+version&proto=6" (the greeting's level), or nullopt when addressParts refuses the
// address. Each of the four words is percent-encoded, so odd characters cannot break the URL or add
// arguments; ordinary words pass unchanged and an empty word is sent empty.
std::optional<std::string> helloArguments(const CddbGreeting& greeting);

// URLs of the CDDB commands on the server's CGI program; `hello` comes from helloArguments.
// Arguments are percent-encoded word by word ("+" separates the words of a command).
std::string queryUrl(const ServerAddress& server, std::string_view queryArguments, std::string_view hello);
std::string readUrl(
    const ServerAddress& server, std::string_view category, std::string_view discId, std::string_view hello);
std::string sitesUrl(const ServerAddress& server, std::string_view hello);

} // namespace discovant
