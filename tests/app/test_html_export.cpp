// The HTML overview: the page as a whole for a small catalogue, headers in each language,
// escaping and the UTF-8 declaration, "Current" and "All". Its failures are checked with the
// spreadsheet's in test_export_failures.cpp.
#include "export/htmloverview.h"
#include "export/ui/htmlexportcommand.h"
#include "qtkit/qfiles.h"
#include "support/fakeprompts.h"
#include "support/testhome.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

class HtmlExportTest : public ::testing::Test {
protected:
    TestHome home;
    TestCatalogue& db = home.db();
    Session& session = home.session();
    FakePrompts prompts;
    const QString pagePath = home.documents() + QStringLiteral("/Melotheek.html");

    void exportHtml(qint64 artist, ExportScope scope)
    {
        exportHtmlOverview(nullptr, session, prompts, artist, scope);
    }

    // The page's lines; a line break other than CR LF fails the test.
    QStringList pageLines() const
    {
        const QString text = QString::fromUtf8(qtkit::fileBytes(pagePath));
        EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n")));
        EXPECT_EQ(text.count(QLatin1Char('\n')), text.count(QStringLiteral("\r\n")));
        QStringList lines = text.split(QStringLiteral("\r\n"));
        lines.removeLast();
        return lines;
    }
    // The lines of the page starting with `start`.
    QStringList linesStartingWith(const QString& start) const
    {
        QStringList found;
        for (const QString& line : pageLines())
            if (line.startsWith(start))
                found << line;
        return found;
    }
    // The data rows of the page's table.
    QStringList dataRows() const { return linesStartingWith(QStringLiteral("<TR>  <TD>")); }
    // The column headers, in the session's language.
    QStringList headerLines() const
    {
        QStringList lines;
        for (const int k : { 20, 17, 18, 19 })
            lines << QStringLiteral("<TH align='Left'>%1</TH>").arg(session.message(k));
        return lines;
    }
};

QString row(const char* artist, const char* title, const char* year, const char* format)
{
    return QStringLiteral("<TR>  <TD>%1</TD>  <TD>%2</TD>  <TD>%3</TD>  <TD>%4</TD></TR>")
        .arg(QString::fromUtf8(artist), QString::fromUtf8(title), QString::fromUtf8(year),
            QString::fromUtf8(format));
}

TEST_F(HtmlExportTest, PageOfOneArtistLineByLine)
{
    const qint64 abba = db.addArtist(QStringLiteral("ABBA"));
    db.addAlbum(
        abba, QStringLiteral("Waterloo"), 1974, { { QStringLiteral("Drager"), QStringLiteral("LP") } });
    db.addAlbum(
        abba, QStringLiteral("Gold"), QVariant(), { { QStringLiteral("Drager"), QStringLiteral("CD") } });
    db.addAlbum(abba, QStringLiteral("Arrival"), 1976, {});
    db.addAlbum(db.addArtist(QStringLiteral("Other")), QStringLiteral("Not this"), 2000);

    exportHtml(abba, ExportScope::CurrentArtist);

    const QStringList expected {
        QStringLiteral("<HTML>"),
        QStringLiteral("<HEAD>"),
        QStringLiteral("<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=utf-8\">"),
        QStringLiteral("<style type='text/css'>body{font-family: 'Arial';}</style>"),
        QStringLiteral("<TITLE>%1</TITLE>").arg(session.message(1)),
        QStringLiteral("</HEAD>"),
        QStringLiteral("<BODY TEXT=#000000 BGCOLOR=#6B86BD>"),
        QStringLiteral("<H1><U>%1</U></H1>").arg(session.message(55)),
        QStringLiteral("<BR><BR>"),
        QStringLiteral("<TABLE WIDTH=100% CELLPADDING=2 CELLSPACING=2 BGCOLOR=#DEDFEF BORDER=1>"),
        QStringLiteral("<TR>"),
        headerLines()[0],
        headerLines()[1],
        headerLines()[2],
        headerLines()[3],
        QStringLiteral("</TR>"),
        // Newest year first, the album without a year last with an empty year cell; the artist
        // only on the first row.
        row("ABBA", "Arrival", "1976", ""),
        row("&nbsp", "Waterloo", "1974", "LP"),
        row("&nbsp", "Gold", "", "CD"),
        QStringLiteral("</TABLE>"),
        QStringLiteral("<P>"),
        QStringLiteral("<BR>"),
        QStringLiteral("</BODY>"),
        QStringLiteral("</HTML>"),
    };
    EXPECT_EQ(pageLines(), expected);
    EXPECT_TRUE(prompts.reports.isEmpty());
}

TEST_F(HtmlExportTest, AllArtistsShowEachNameOncePerRun)
{
    const qint64 beatles = db.addArtist(QStringLiteral("The Beatles"));
    const qint64 abba = db.addArtist(QStringLiteral("ABBA"));
    const qint64 lower = db.addArtist(QStringLiteral("abba")); // another artist: its own run
    db.addArtist(QStringLiteral("Chopin")); // no albums, no rows
    db.addAlbum(beatles, QStringLiteral("Abbey Road"), 1969);
    db.addAlbum(abba, QStringLiteral("Waterloo"), 1974);
    db.addAlbum(lower, QStringLiteral("Tribute"), 2001);
    db.addAlbum(abba, QStringLiteral("Arrival"), 1976);

    exportHtml(beatles, ExportScope::AllArtists);
    EXPECT_EQ(dataRows(),
        QStringList({ row("ABBA", "Arrival", "1976", ""), row("&nbsp", "Waterloo", "1974", ""),
            row("abba", "Tribute", "2001", ""), row("The Beatles", "Abbey Road", "1969", "") }));

    // An artist without albums: heading and header row, no data rows. The second export
    // replaces the first without asking.
    exportHtml(db.addArtist(QStringLiteral("Nobody")), ExportScope::CurrentArtist);
    EXPECT_TRUE(dataRows().isEmpty());
    EXPECT_EQ(linesStartingWith(QStringLiteral("<TH ")), headerLines());
    EXPECT_TRUE(prompts.boxes.isEmpty());
}

TEST_F(HtmlExportTest, HeadersFollowTheLanguageInUtf8)
{
    const qint64 artist = db.addArtist(QStringLiteral("Ane Brun"));
    db.addAlbum(artist, QStringLiteral("Été"), 2003);
    for (const LanguageBase language : kLanguageBases) {
        session.settings.taal = taalOf(language);
        exportHtml(artist, ExportScope::CurrentArtist);
        EXPECT_EQ(linesStartingWith(QStringLiteral("<TH ")), headerLines())
            << session.settings.taal.toStdString();
    }
    // The bytes are UTF-8, as the page declares.
    EXPECT_TRUE(qtkit::fileBytes(pagePath).contains("<TD>\xC3\x89t\xC3\xA9</TD>"));
}

TEST_F(HtmlExportTest, ValuesAreEscaped)
{
    const qint64 bold = db.addArtist(QStringLiteral("<b>"));
    db.addAlbum(bold, QStringLiteral("Tom & Jerry's \"Best\" <i>"), 1990,
        { { QStringLiteral("Drager"), QStringLiteral("<script>alert(1)</script>") } });
    db.addAlbum(bold, QStringLiteral("Second"), 1980);

    exportHtml(bold, ExportScope::CurrentArtist);
    EXPECT_EQ(dataRows(),
        QStringList({ row("&lt;b&gt;", "Tom &amp; Jerry&#39;s &quot;Best&quot; &lt;i&gt;", "1990",
                          "&lt;script&gt;alert(1)&lt;/script&gt;"),
            row("&nbsp", "Second", "1980", "") }));
    const QByteArray page = qtkit::fileBytes(pagePath);
    EXPECT_FALSE(page.contains("<b>"));
    EXPECT_FALSE(page.contains("<script>"));

    // Headers and the page's texts are escaped the same way.
    EXPECT_EQ(htmlEscaped(QStringLiteral("R&B <\"'>")), QStringLiteral("R&amp;B &lt;&quot;&#39;&gt;"));
    const HtmlOverviewTexts texts { QStringLiteral("A&B"), QStringLiteral("<h>"), QStringLiteral("\"a\""),
        QStringLiteral("t"), QStringLiteral("y"), QStringLiteral("f") };
    ASSERT_FALSE(writeHtmlOverview(
        db.catalogue(), ExportScope::CurrentArtist, bold, texts, pagePath, QStringLiteral("test"))
                     .has_value());
    const QStringList lines = pageLines();
    EXPECT_TRUE(lines.contains(QStringLiteral("<TITLE>A&amp;B</TITLE>")));
    EXPECT_TRUE(lines.contains(QStringLiteral("<H1><U>&lt;h&gt;</U></H1>")));
    EXPECT_TRUE(lines.contains(QStringLiteral("<TH align='Left'>&quot;a&quot;</TH>")));
}

} // namespace
