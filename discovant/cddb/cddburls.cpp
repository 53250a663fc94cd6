#include "discovant/cddb/cddburls.h"

#include "discovant/cddb/httpclient.h"

#include <algorithm>

namespace discovant {

namespace {

std::string commandBase(std::string_view server)
{
    return "http://" + std::string(server) + "/~cddb/cddb.cgi/?cmd=";
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

std::optional<std::string> helloArguments(const CddbGreeting& greeting)
{
    const std::size_t at = greeting.email.find('@');
    if (at == std::string::npos)
        return std::nullopt;
    const std::string_view email = greeting.email;
    const std::string_view user = email.substr(0, at);
    const std::string_view host = email.substr(at + 1, email.find('@', at + 1) - (at + 1));
    return "&hello=" + urlEscape(user) + "+" + urlEscape(host) + "+" + urlEscape(cddbWord(greeting.appName))
        + "+" + urlEscape(cddbWord(greeting.appVersion)) + "&proto=5";
}

std::string queryUrl(std::string_view server, std::string_view queryArguments, std::string_view hello)
{
    return commandBase(server) + "cddb+query+" + escapeWords(queryArguments) + std::string(hello);
}

std::string readUrl(
    std::string_view server, std::string_view category, std::string_view discId, std::string_view hello)
{
    return commandBase(server) + "cddb+read+" + urlEscape(category) + "+" + urlEscape(discId)
        + std::string(hello);
}

std::string sitesUrl(std::string_view server, std::string_view hello)
{
    return commandBase(server) + "sites+" + std::string(hello);
}

std::string submitUrl(std::string_view server)
{
    return "http://" + std::string(server) + "/~cddb/submit.cgi";
}

} // namespace discovant
