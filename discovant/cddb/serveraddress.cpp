#include "discovant/cddb/serveraddress.h"

#include <algorithm>
#include <charconv>

namespace discovant {

namespace {

constexpr std::string_view kDefaultCgiPath = "/~cddb/cddb.cgi";
constexpr std::string_view kCgiProgram = "cddb.cgi";
constexpr std::string_view kSubmitProgram = "submit.cgi";

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size()
        && std::equal(prefix.begin(), prefix.end(), text.begin(),
            [](char a, char b) { return (a | 0x20) == (b | 0x20); });
}

bool isAlphaNumeric(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isHostName(std::string_view host)
{
    if (host.size() >= 2 && host.front() == '[' && host.back() == ']') {
        const std::string_view inner = host.substr(1, host.size() - 2);
        return !inner.empty() && std::all_of(inner.begin(), inner.end(), [](char c) {
            return isAlphaNumeric(c) || c == ':' || c == '.' || c == '%';
        });
    }
    return !host.empty() && std::all_of(host.begin(), host.end(), [](char c) {
        return isAlphaNumeric(c) || c == '-' || c == '.' || c == '_';
    });
}

// Printable, no blank, nothing that starts a query or a fragment.
bool isPath(std::string_view path)
{
    return std::all_of(path.begin(), path.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte > 0x20 && byte != 0x7F && c != '?' && c != '#' && c != '\\';
    });
}

} // namespace

std::string ServerAddress::origin() const
{
    std::string text = scheme + "://" + host;
    if (port != 0)
        text += ':' + std::to_string(port);
    return text;
}

std::string ServerAddress::cgiUrl() const
{
    return origin() + cgiPath;
}

std::string ServerAddress::submitUrl() const
{
    return origin() + cgiPath.substr(0, cgiPath.rfind('/') + 1) + std::string(kSubmitProgram);
}

std::optional<ServerAddress> parseServerAddress(std::string_view text)
{
    text = trimmed(text);
    ServerAddress address;
    address.scheme = "http";
    if (const std::size_t separator = text.find("://"); separator != std::string_view::npos) {
        if (startsWithIgnoringCase(text, "https://"))
            address.scheme = "https";
        else if (!startsWithIgnoringCase(text, "http://"))
            return std::nullopt;
        text.remove_prefix(separator + 3);
    }

    const std::size_t slash = text.find('/');
    const std::string_view authority = text.substr(0, slash);
    const std::string_view path = slash == std::string_view::npos ? std::string_view() : text.substr(slash);

    // A colon after the host (outside an IPv6 address's brackets) starts the port.
    std::string_view host = authority;
    const std::size_t closing = authority.rfind(']');
    const std::size_t colon = authority.rfind(':');
    if (colon != std::string_view::npos && (closing == std::string_view::npos || colon > closing)) {
        host = authority.substr(0, colon);
        const std::string_view digits = authority.substr(colon + 1);
        int port = 0;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), port);
        if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() || port < 1
            || port > 65535)
            return std::nullopt;
        address.port = port;
    }
    if (!isHostName(host) || !isPath(path))
        return std::nullopt;
    address.host = std::string(host);

    if (path.empty() || path == "/")
        address.cgiPath = kDefaultCgiPath;
    else if (path.back() == '/')
        address.cgiPath = std::string(path) + std::string(kCgiProgram);
    else
        address.cgiPath = path;
    return address;
}

} // namespace discovant
