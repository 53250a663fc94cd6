#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace discovant {

// The server-site list of a CDDB "sites" answer. A site line reads
// "site protocol port address latitude longitude description" (the description may hold
// blanks). Pure functions over the answer text.

// The HTTP sites of a sites answer: with status 210, the lines after the status line up to
// "." or the end that contain "http" (case-sensitive); none for any other status.
std::vector<std::string> httpSiteLines(std::string_view sitesAnswer);

// A site line as shown in the site chooser: site, TAB, latitude, TAB, longitude, TAB, then
// the description words each preceded by a blank (the line is split into at most 15 fields,
// the last keeping the rest). Missing fields show as "".
std::string siteChooserLine(std::string_view siteLine);

// The site's host name: the first blank-separated field of its line.
std::string siteHostName(std::string_view siteLine);

// The site's address as CDDBServer takes it, from its site, protocol, port and address
// fields: "http://mirror.example.org:8080/~cddb/cddb.cgi", the port left out when it is the
// protocol's own (80, 443), the default CGI path for an address "-". nullopt for a line that
// names no HTTP or HTTPS site.
std::optional<std::string> siteServerAddress(std::string_view siteLine);

} // namespace discovant
