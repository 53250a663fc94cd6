#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace discovant {

// Where a CDDB server's programs live, read from the CDDBServer property, which takes
//   host[:port]                       plain HTTP, the CGI program at /~cddb/cddb.cgi
//   http://host[:port][/path]         the same, or the CGI program at `path`
//   https://host[:port][/path]        the same over TLS (certificates are verified)
// The host is a name, an IPv4 address or an IPv6 address in brackets ("[::1]:8080"). A path
// ending in "/" names the folder of the CGI program ("cddb.cgi" is added); "/" alone is the
// default path. The submission program "submit.cgi" lives in the CGI program's folder.
struct ServerAddress {
    std::string scheme; // "http" or "https"
    std::string host;
    int port = 0; // 0: the scheme's own (80, 443)
    std::string cgiPath; // "/~cddb/cddb.cgi" unless given

    // "scheme://host[:port]", the port only when one was given.
    std::string origin() const;
    // The CGI program: origin() + cgiPath.
    std::string cgiUrl() const;
    // The submission program beside it.
    std::string submitUrl() const;
};

// The address `text` names (blanks around it ignored), or nullopt when it names none: no
// host, a scheme other than http and https, a port outside 1..65535, user credentials,
// blanks, a query or fragment part, or characters no host name has.
std::optional<ServerAddress> parseServerAddress(std::string_view text);

} // namespace discovant
