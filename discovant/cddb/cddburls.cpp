#include "discovant/cddb/cddburls.h"

#include "discovant/cddb/httpclient.h"

#include <algorithm>

namespace discovant {

namespace {

std::string commandBase(const ServerAddress& server)
{
    return server.cgiUrl() + "/?cmd=";
}

// Escapes each "+"-separated word of a CDDB command argument and keeps the separators.
std::string escapeWords(std::string_view words)
{
    std::string escaped;
    std::size_t start = 0;
    while (true) {
        const std::size_t plus = words.find('+', start);
        escaped += urlEscape(words.substr(start, plus - start));
        if (plus == std::string_view::npos)
            return escaped;
        escaped += '+';
        start = plus + 1;
    }
}

} // namespace

std::string cddbWord(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    std::string word(text.substr(first, text.find_last_not_of(' ') - first + 1));
    std::replace(word.begin(), word.end(), ' ', '_');
    return word;
}

std::optional<AddressParts> addressParts(std::string_view email)
{
    const std::size_t at = email.find('@');
    if (at == std::string_view::npos)
        return std::nullopt;
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    if (std::any_of(email.begin(), email.end(), isBlank))
        return std::nullopt;
    AddressParts parts { email.substr(0, at), email.substr(at + 1, email.find('@', at + 1) - (at + 1)) };
    if (parts.user.empty() || parts.host.empty())
        return std::nullopt;
    return parts;
}

std::optional<std::string> helloArguments(const CddbGreeting& greeting)
{
    const std::optional<AddressParts> parts = addressParts(greeting.email);
    if (!parts)
        return std::nullopt;
    return "&hello=" + urlEscape(parts->user) + "+" + urlEscape(parts->host) + "+"
        + urlEscape(cddbWord(greeting.appName)) + "+" + urlEscape(cddbWord(greeting.appVersion))
        + "&proto=" + std::to_string(greeting.protocolLevel);
}

std::string queryUrl(const ServerAddress& server, std::string_view queryArguments, std::string_view hello)
{
    return commandBase(server) + "cddb+query+" + escapeWords(queryArguments) + std::string(hello);
}

std::string readUrl(
    const ServerAddress& server, std::string_view category, std::string_view discId, std::string_view hello)
{
    return commandBase(server) + "cddb+read+" + urlEscape(category) + "+" + urlEscape(discId)
        + std::string(hello);
}

std::string sitesUrl(const ServerAddress& server, std::string_view hello)
{
    return commandBase(server) + "sites+" + std::string(hello);
}

} // namespace discovant
