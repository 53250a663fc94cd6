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
    const qint64 abba = db.addArtist("ABBA");
    db.addAlbum(abba, "Waterloo", 1974, { { "Drager", "LP" } });
    db.addAlbum(abba, "Gold", QVariant(), { { "Drager", "CD" } });
    db.addAlbum(abba, "Arrival", 1976, {});
    db.addAlbum(db.addArtist("Other"), "Not this", 2000);

    exportHtml(abba, ExportScope::CurrentArtist);

    QStringList expected { "<HTML>", "<HEAD>",
        "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=utf-8\">",
        "<style type='text/css'>body{font-family: 'Arial';}</style>",
        QStringLiteral("<TITLE>%1</TITLE>").arg(session.message(1)), "</HEAD>",
        "<BODY TEXT=#000000 BGCOLOR=#6B86BD>", QStringLiteral("<H1><U>%1</U></H1>").arg(session.message(55)),
        "<BR><BR>", "<TABLE WIDTH=100% CELLPADDING=2 CELLSPACING=2 BGCOLOR=#DEDFEF BORDER=1>", "<TR>" };
    // Newest year first, the album without a year last with an empty year cell; the artist
    // only on the first row.
    expected << headerLines() << "</TR>" << row("ABBA", "Arrival", "1976", "")
             << row("&nbsp", "Waterloo", "1974", "LP") << row("&nbsp", "Gold", "", "CD") << "</TABLE>"
             << "<P>"
             << "<BR>"
             << "</BODY>"
             << "</HTML>";
    EXPECT_EQ(pageLines(), expected);
    EXPECT_TRUE(prompts.reports.isEmpty());
}

TEST_F(HtmlExportTest, AllArtistsShowEachNameOncePerRunWithHeadersInTheLanguageInUtf8)
{
    const qint64 beatles = db.addArtist("The Beatles");
    const qint64 abba = db.addArtist("ABBA");
    const qint64 lower = db.addArtist("abba"); // another artist: its own run
    db.addArtist("Chopin"); // no albums, no rows
    db.addAlbum(beatles, "Abbey Road", 1969);
    db.addAlbum(abba, "Waterloo", 1974);
    db.addAlbum(lower, "Été", 2001);
    db.addAlbum(abba, "Arrival", 1976);

    exportHtml(beatles, ExportScope::AllArtists);
    EXPECT_EQ(dataRows(),
        QStringList({ row("ABBA", "Arrival", "1976", ""), row("&nbsp", "Waterloo", "1974", ""),
            row("abba", "Été", "2001", ""), row("The Beatles", "Abbey Road", "1969", "") }));
    // The bytes are UTF-8, as the page declares.
    EXPECT_TRUE(qtkit::fileBytes(pagePath).contains("<TD>\xC3\x89t\xC3\xA9</TD>"));

    // An artist without albums: heading and header row, no data rows, in every language. Each
    // export replaces the one before without asking.
    const qint64 nobody = db.addArtist("Nobody");
    for (const LanguageBase language : kLanguageBases) {
        session.settings.taal = taalOf(language);
        exportHtml(nobody, ExportScope::CurrentArtist);
        EXPECT_TRUE(dataRows().isEmpty());
        EXPECT_EQ(linesStartingWith(QStringLiteral("<TH ")), headerLines())
            << session.settings.taal.toStdString();
    }
    EXPECT_TRUE(prompts.boxes.isEmpty());
}

TEST_F(HtmlExportTest, ValuesAreEscaped)
{
    const qint64 bold = db.addArtist("<b>");
    db.addAlbum(bold, "Tom & Jerry's \"Best\" <i>", 1990, { { "Drager", "<script>alert(1)</script>" } });
    db.addAlbum(bold, "Second", 1980);

    exportHtml(bold, ExportScope::CurrentArtist);
    EXPECT_EQ(dataRows(),
        QStringList({ row("&lt;b&gt;", "Tom &amp; Jerry&#39;s &quot;Best&quot; &lt;i&gt;", "1990",
                          "&lt;script&gt;alert(1)&lt;/script&gt;"),
            row("&nbsp", "Second", "1980", "") }));

    // Headers and the page's texts are escaped the same way.
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
