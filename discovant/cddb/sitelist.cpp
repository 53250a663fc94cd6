#include "discovant/cddb/sitelist.h"

#include "discovant/cddb/numeric.h"
#include "discovant/cddb/queryanswer.h"
#include "discovant/cddb/serveraddress.h"

namespace discovant {

namespace {

constexpr int kSitesFollow = 210;
constexpr std::size_t kMaxSiteFields = 15;

// `line` split at single blanks into at most `maxFields` fields; the last keeps the rest.
std::vector<std::string_view> splitFields(std::string_view line, std::size_t maxFields)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (fields.size() + 1 < maxFields) {
        const std::size_t blank = line.find(' ', start);
        if (blank == std::string_view::npos)
            break;
        fields.push_back(line.substr(start, blank - start));
        start = blank + 1;
    }
    fields.push_back(line.substr(start));
    return fields;
}

} // namespace

std::vector<std::string> httpSiteLines(std::string_view sitesAnswer)
{
    std::vector<std::string> sites;
    if (answerStatus(sitesAnswer) != kSitesFollow)
        return sites;
    for (const std::string& line : matchLines(sitesAnswer)) {
        if (line.find("http") != std::string::npos)
            sites.push_back(line);
    }
    return sites;
}

std::string siteChooserLine(std::string_view siteLine)
{
    const std::vector<std::string_view> fields = splitFields(siteLine, kMaxSiteFields);
    auto fieldAt = [&fields](std::size_t index) {
        return index < fields.size() ? std::string(fields[index]) : std::string();
    };
    std::string shown = fieldAt(0) + '\t' + fieldAt(4) + '\t' + fieldAt(5) + '\t';
    for (std::size_t i = 6; i < fields.size(); ++i)
        shown += ' ' + std::string(fields[i]);
    return shown;
}

std::string siteHostName(std::string_view siteLine)
{
    return std::string(siteLine.substr(0, siteLine.find(' ')));
}

std::optional<std::string> siteServerAddress(std::string_view siteLine)
{
    const std::vector<std::string_view> fields = splitFields(siteLine, 5);
    if (fields.size() < 4)
        return std::nullopt;
    const std::string_view site = fields[0];
    const std::string_view protocol = fields[1];
    const std::string_view port = fields[2];
    const std::string_view path = fields[3];
    if (protocol != "http" && protocol != "https")
        return std::nullopt;
    std::string text = std::string(protocol) + "://" + std::string(site);
    const bool ownPort = (protocol == "http" && port == "80") || (protocol == "https" && port == "443");
    if (!ownPort)
        text += ":" + std::string(port);
    if (path != "-")
        text += path;
    // Whatever the fields hold, the result is an address CDDBServer takes, or none.
    const std::optional<ServerAddress> address = parseServerAddress(text);
    if (!address)
        return std::nullopt;
    return text;
}

} // namespace discovant
