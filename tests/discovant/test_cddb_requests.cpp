// The requests the component sends: command URLs with their hello, and the site list. (The
// header lines of a submission are checked as the server gets them, in test_http_lookup.)
#include "discovant/cddb/cddburls.h"
#include "discovant/cddb/serveraddress.h"
#include "discovant/cddb/sitelist.h"

#include <gtest/gtest.h>

using namespace discovant;

TEST(CddbRequests, HelloCarriesUserHostAndClientAsWords)
{
    EXPECT_EQ(helloArguments({ "jan@example.org", "Discovant", "1.0.0" }),
        "&hello=jan+example.org+Discovant+1.0.0&proto=6");
    EXPECT_EQ(helloArguments({ "jan@example.org", "Discovant", "1.0.0", 5 }),
        "&hello=jan+example.org+Discovant+1.0.0&proto=5");
    // Blanks around the client name go, inner ones become "_"; the host ends at a second "@".
    EXPECT_EQ(helloArguments({ "jan@example.org@else", "  My  Player ", " 2 beta " }),
        "&hello=jan+example.org+My__Player+2_beta&proto=6");
    // An address the server cannot use makes no hello at all.
    for (const char* refused : { "jan.example.org", "", "@example.org", "jan@", "jan@@example.org",
             "jan doe@example.org", "jan@example.org ", "jan@exam\tple.org" })
        EXPECT_EQ(helloArguments({ refused, "Discovant", "1.0.0" }), std::nullopt) << refused;
    // Empty client words are sent empty, never as the bytes that follow them.
    EXPECT_EQ(helloArguments({ "jan@example.org", " ", "" }), "&hello=jan+example.org++&proto=6");
    // Characters that would end or extend the URL are encoded; the word structure stays.
    EXPECT_EQ(helloArguments({ "j+n&x=1@ex#ample.org", "Disc/ovant", "1.0" }),
        "&hello=j%2Bn%26x%3D1+ex%23ample.org+Disc%2Fovant+1.0&proto=6");
}

TEST(CddbRequests, ServerAddressForms)
{
    struct Case {
        const char* text;
        const char* cgi;
        const char* submit;
    };
    const Case cases[] = {
        { "gnudb.gnudb.org", "http://gnudb.gnudb.org/~cddb/cddb.cgi",
            "http://gnudb.gnudb.org/~cddb/submit.cgi" },
        { " 127.0.0.1:8080 ", "http://127.0.0.1:8080/~cddb/cddb.cgi",
            "http://127.0.0.1:8080/~cddb/submit.cgi" },
        { "https://gnudb.gnudb.org", "https://gnudb.gnudb.org/~cddb/cddb.cgi",
            "https://gnudb.gnudb.org/~cddb/submit.cgi" },
        { "HTTPS://m.example.org:8443/cgi-bin/cddb.cgi", "https://m.example.org:8443/cgi-bin/cddb.cgi",
            "https://m.example.org:8443/cgi-bin/submit.cgi" },
        { "http://h/cddb/", "http://h/cddb/cddb.cgi", "http://h/cddb/submit.cgi" },
        { "http://h/", "http://h/~cddb/cddb.cgi", "http://h/~cddb/submit.cgi" },
        { "h:81/x.cgi", "http://h:81/x.cgi", "http://h:81/submit.cgi" },
        { "http://[::1]:8880/x.cgi", "http://[::1]:8880/x.cgi", "http://[::1]:8880/submit.cgi" },
    };
    for (const Case& c : cases) {
        const std::optional<ServerAddress> address = parseServerAddress(c.text);
        ASSERT_TRUE(address) << c.text;
        EXPECT_EQ(address->cgiUrl(), c.cgi);
        EXPECT_EQ(address->submitUrl(), c.submit);
    }
    for (const char* refused :
        { "", " ", "http://", "https://:443", "ftp://h", "http://https://h", "h:0", "h:65536", "h:80x",
            "h:", "user@h", "http://user:pw@h/", "h /x", "http://h/x?cmd=y", "http://h/#f", "[::1", "h\\x" })
        EXPECT_EQ(parseServerAddress(refused), std::nullopt) << refused;
}

TEST(CddbRequests, CommandUrlsOnTheCgiProgram)
{
    const std::string hello = "&hello=a+b+c+d&proto=6";
    const auto at = [](const char* server) { return parseServerAddress(server).value(); };
    EXPECT_EQ(queryUrl(at("gnudb.gnudb.org"), "09010802+2+150+10000+266", hello),
        "http://gnudb.gnudb.org/~cddb/cddb.cgi/?cmd=cddb+query+09010802+2+150+10000+266" + hello);
    EXPECT_EQ(readUrl(at("https://127.0.0.1:8443/c.cgi"), "rock", "09010802", hello),
        "https://127.0.0.1:8443/c.cgi/?cmd=cddb+read+rock+09010802" + hello);
    EXPECT_EQ(sitesUrl(at("host"), hello), "http://host/~cddb/cddb.cgi/?cmd=sites+" + hello);
    // A server's category or a TOC field cannot smuggle arguments into the request.
    EXPECT_EQ(readUrl(at("h"), "rock&cmd=x", "0901 0802", ""),
        "http://h/~cddb/cddb.cgi/?cmd=cddb+read+rock%26cmd%3Dx+0901%200802");
    EXPECT_EQ(
        queryUrl(at("h"), "01+1+150&x+2", ""), "http://h/~cddb/cddb.cgi/?cmd=cddb+query+01+1+150%26x+2");
}

TEST(CddbRequests, SiteListKeepsHttpSitesOfA210Answer)
{
    const std::string answer = "210 OK, site information follows (until terminating `.')\n"
                               "a.example.org http 80 /~cddb/cddb.cgi N000.00 W000.00 A\n"
                               "b.example.org cddbp 8880 - N000.00 W000.00 B\n"
                               "c.example.org HTTP 80 /~cddb/cddb.cgi N000.00 W000.00 C\n"
                               ".\n"
                               "d.example.org http 80 /x N0 W0 after the end\n";
    EXPECT_EQ(httpSiteLines(answer),
        std::vector<std::string> { "a.example.org http 80 /~cddb/cddb.cgi N000.00 W000.00 A" });
    EXPECT_TRUE(httpSiteLines("401 No site information available.\r\n").empty());
    EXPECT_TRUE(httpSiteLines("").empty());

    EXPECT_EQ(siteChooserLine("s http 80 /p N1 E2 Nice mirror in town"), "s\tN1\tE2\t Nice mirror in town");
    EXPECT_EQ(siteChooserLine("s http"), "s\t\t\t");
    EXPECT_EQ(
        siteChooserLine("s http 80 /p N1 E2 1 2 3 4 5 6 7 8 9 10 11"), "s\tN1\tE2\t 1 2 3 4 5 6 7 8 9 10 11");
    EXPECT_EQ(siteHostName("s.example.org http 80"), "s.example.org");

    // The address a chosen site gives, for CDDBServer.
    const std::pair<const char*, std::optional<std::string>> addresses[] = {
        { "s.example.org http 80 /~cddb/cddb.cgi N0 W0 Main", "http://s.example.org/~cddb/cddb.cgi" },
        { "m.example.org http 8080 /cgi/cddb.cgi N0 W0 Mirror", "http://m.example.org:8080/cgi/cddb.cgi" },
        { "t.example.org https 443 /~cddb/cddb.cgi N0 W0 TLS", "https://t.example.org/~cddb/cddb.cgi" },
        { "t.example.org https 80 - N0 W0 TLS", "https://t.example.org:80" },
        { "c.example.org cddbp 8880 - N0 W0 Raw", std::nullopt },
        { "b.example.org http eighty /x N0 W0", std::nullopt },
        { "b.example.org http 80", std::nullopt },
        { "b@example.org http 80 /x N0 W0", std::nullopt },
    };
    for (const auto& [line, address] : addresses)
        EXPECT_EQ(siteServerAddress(line), address) << line;
    EXPECT_EQ(siteHostName(""), "");
}
