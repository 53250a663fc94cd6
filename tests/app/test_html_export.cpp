// The HTML overview: the page as a whole for a small catalogue, headers in each language,
// escaping and the UTF-8 declaration, "Current" and "All", and what happens when the page
// cannot be written.
#include "export/htmloverview.h"
#include "export/ui/htmlexportcommand.h"
#include "shell/session.h"
#include "support/fakehome.h"
#include "support/fakeprompts.h"
#include "support/testcatalogue.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

class HtmlExportTest : public ::testing::Test {
protected:
    FakeHome home;
    TestCatalogue db;
    FakePrompts prompts;
    Session session { home.path() + QStringLiteral("/Melotheek") };

    void SetUp() override
    {
        session.settings.database = db.path();
        session.settings.taal = QStringLiteral("200");
    }

    QString pagePath() const { return home.documents() + QStringLiteral("/Melotheek.html"); }

    void exportHtml(qint64 artist, ExportScope scope)
    {
        exportHtmlOverview(nullptr, session, prompts, artist, scope);
    }

    // The page's lines; a line break other than CR LF fails the test.
    QStringList pageLines() const
    {
        const QString text = QString::fromUtf8(fileBytes(pagePath()));
        EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n")));
        EXPECT_EQ(text.count(QLatin1Char('\n')), text.count(QStringLiteral("\r\n")));
        QStringList lines = text.split(QStringLiteral("\r\n"));
        lines.removeLast();
        return lines;
    }

    // The data rows of the page's table.
    QStringList dataRows() const
    {
        QStringList rows;
        for (const QString& line : pageLines()) {
            if (line.startsWith(QStringLiteral("<TR>  <TD>")))
                rows << line;
        }
        return rows;
    }
};

QString row(const QString& artist, const QString& title, const QString& year, const QString& format)
{
    return QStringLiteral("<TR>  <TD>%1</TD>  <TD>%2</TD>  <TD>%3</TD>  <TD>%4</TD></TR>")
        .arg(artist, title, year, format);
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
        QStringLiteral("<TITLE>Melotheek</TITLE>"),
        QStringLiteral("</HEAD>"),
        QStringLiteral("<BODY TEXT=#000000 BGCOLOR=#6B86BD>"),
        QStringLiteral("<H1><U>Overview Music Collection</U></H1>"),
        QStringLiteral("<BR><BR>"),
        QStringLiteral("<TABLE WIDTH=100% CELLPADDING=2 CELLSPACING=2 BGCOLOR=#DEDFEF BORDER=1>"),
        QStringLiteral("<TR>"),
        QStringLiteral("<TH align='Left'>Artist</TH>"),
        QStringLiteral("<TH align='Left'>Title</TH>"),
        QStringLiteral("<TH align='Left'>Year</TH>"),
        QStringLiteral("<TH align='Left'>Format</TH>"),
        QStringLiteral("</TR>"),
        // Newest year first, the album without a year last with an empty year cell; the artist
        // only on the first row.
        row(QStringLiteral("ABBA"), QStringLiteral("Arrival"), QStringLiteral("1976"), QString()),
        row(QStringLiteral("&nbsp"), QStringLiteral("Waterloo"), QStringLiteral("1974"),
            QStringLiteral("LP")),
        row(QStringLiteral("&nbsp"), QStringLiteral("Gold"), QString(), QStringLiteral("CD")),
        QStringLiteral("</TABLE>"),
        QStringLiteral("<P>"),
        QStringLiteral("<BR>"),
        QStringLiteral("</BODY>"),
        QStringLiteral("</HTML>"),
    };
    EXPECT_EQ(pageLines(), expected);
    ASSERT_EQ(prompts.openedUrls.size(), 1);
    EXPECT_EQ(prompts.openedUrls[0], QUrl::fromLocalFile(pagePath()));
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
    QStringList rows = dataRows();
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(
        rows[0], row(QStringLiteral("ABBA"), QStringLiteral("Arrival"), QStringLiteral("1976"), QString()));
    EXPECT_EQ(
        rows[1], row(QStringLiteral("&nbsp"), QStringLiteral("Waterloo"), QStringLiteral("1974"), QString()));
    EXPECT_EQ(
        rows[2], row(QStringLiteral("abba"), QStringLiteral("Tribute"), QStringLiteral("2001"), QString()));
    EXPECT_EQ(rows[3],
        row(QStringLiteral("The Beatles"), QStringLiteral("Abbey Road"), QStringLiteral("1969"), QString()));

    // An artist without albums: heading and header row, no data rows. The second export
    // replaces the first without asking.
    exportHtml(db.addArtist(QStringLiteral("Nobody")), ExportScope::CurrentArtist);
    EXPECT_TRUE(dataRows().isEmpty());
    EXPECT_TRUE(pageLines().contains(QStringLiteral("<TH align='Left'>Format</TH>")));
    EXPECT_EQ(prompts.openedUrls.size(), 2);
    EXPECT_TRUE(prompts.boxes.isEmpty());
}

TEST_F(HtmlExportTest, HeadersFollowTheLanguageInUtf8)
{
    const qint64 artist = db.addArtist(QStringLiteral("Ane Brun"));
    db.addAlbum(artist, QStringLiteral("Été"), 2003);
    const std::pair<const char*, QStringList> languages[] = {
        { "300",
            { QStringLiteral("Artiste"), QStringLiteral("Titre"), QStringLiteral("Année"),
                QStringLiteral("Format") } },
        { "400",
            { QStringLiteral("Artist"), QStringLiteral("Titel"), QStringLiteral("Jahr"),
                QStringLiteral("Medium") } },
        { "100",
            { QStringLiteral("Artiest"), QStringLiteral("Titel"), QStringLiteral("Jaar"),
                QStringLiteral("Drager") } },
    };
    for (const auto& [taal, headers] : languages) {
        session.settings.taal = QLatin1String(taal);
        exportHtml(artist, ExportScope::CurrentArtist);
        QStringList found;
        for (const QString& line : pageLines()) {
            if (line.startsWith(QStringLiteral("<TH align='Left'>")))
                found << line.mid(17).chopped(5);
        }
        EXPECT_EQ(found, headers) << taal;
    }
    // The bytes are UTF-8, as the page declares.
    EXPECT_TRUE(fileBytes(pagePath()).contains("<TD>\xC3\x89t\xC3\xA9</TD>"));
}

TEST_F(HtmlExportTest, ValuesAreEscaped)
{
    const qint64 bold = db.addArtist(QStringLiteral("<b>"));
    db.addAlbum(bold, QStringLiteral("Tom & Jerry's \"Best\" <i>"), 1990,
        { { QStringLiteral("Drager"), QStringLiteral("<script>alert(1)</script>") } });
    db.addAlbum(bold, QStringLiteral("Second"), 1980);

    exportHtml(bold, ExportScope::CurrentArtist);
    const QStringList rows = dataRows();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0],
        row(QStringLiteral("&lt;b&gt;"), QStringLiteral("Tom &amp; Jerry&#39;s &quot;Best&quot; &lt;i&gt;"),
            QStringLiteral("1990"), QStringLiteral("&lt;script&gt;alert(1)&lt;/script&gt;")));
    EXPECT_EQ(
        rows[1], row(QStringLiteral("&nbsp"), QStringLiteral("Second"), QStringLiteral("1980"), QString()));
    const QByteArray page = fileBytes(pagePath());
    EXPECT_FALSE(page.contains("<b>"));
    EXPECT_FALSE(page.contains("<script>"));

    // Headers and the page's texts are escaped the same way.
    EXPECT_EQ(htmlEscaped(QStringLiteral("R&B <\"'>")), QStringLiteral("R&amp;B &lt;&quot;&#39;&gt;"));
    const HtmlOverviewTexts texts { QStringLiteral("A&B"), QStringLiteral("<h>"), QStringLiteral("\"a\""),
        QStringLiteral("t"), QStringLiteral("y"), QStringLiteral("f") };
    ASSERT_FALSE(writeHtmlOverview(
        db.catalogue(), ExportScope::CurrentArtist, bold, texts, pagePath(), QStringLiteral("test"))
                     .has_value());
    const QStringList lines = pageLines();
    EXPECT_TRUE(lines.contains(QStringLiteral("<TITLE>A&amp;B</TITLE>")));
    EXPECT_TRUE(lines.contains(QStringLiteral("<H1><U>&lt;h&gt;</U></H1>")));
    EXPECT_TRUE(lines.contains(QStringLiteral("<TH align='Left'>&quot;a&quot;</TH>")));
}

TEST_F(HtmlExportTest, NothingHappensWithoutASelectedArtist)
{
    db.addAlbum(db.addArtist(QStringLiteral("ABBA")), QStringLiteral("Waterloo"), 1974);
    exportHtml(0, ExportScope::AllArtists);
    exportHtml(0, ExportScope::CurrentArtist);
    EXPECT_FALSE(QFile::exists(pagePath()));
    EXPECT_TRUE(prompts.openedUrls.isEmpty());
    EXPECT_TRUE(prompts.reports.isEmpty());
}

TEST_F(HtmlExportTest, UnwritablePlacesAreReportedAndTouchNothing)
{
    const qint64 abba = db.addArtist(QStringLiteral("ABBA"));
    db.addAlbum(abba, QStringLiteral("Waterloo"), 1974);

    // The documents folder's name is taken by a file.
    {
        QFile blocker(home.documents());
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        blocker.write("not a folder");
    }
    exportHtml(abba, ExportScope::AllArtists);
    ASSERT_EQ(prompts.reports.size(), 1);
    EXPECT_TRUE(prompts.reports[0].contains(QDir::toNativeSeparators(home.documents())));
    EXPECT_TRUE(prompts.reports[0].contains(QStringLiteral("Source:\t\tMuziek.mnuHtml_Click")));
    EXPECT_EQ(fileBytes(home.documents()), QByteArray("not a folder"));
    ASSERT_TRUE(QFile::remove(home.documents()));

    // The page's name is taken by a folder holding a file of the user.
    ASSERT_TRUE(QDir().mkpath(pagePath()));
    {
        QFile mine(pagePath() + QStringLiteral("/mine.txt"));
        ASSERT_TRUE(mine.open(QIODevice::WriteOnly));
        mine.write("keep");
    }
    const QStringList before = treeOf(home.documents());
    exportHtml(abba, ExportScope::AllArtists);
    ASSERT_EQ(prompts.reports.size(), 2);
    EXPECT_TRUE(prompts.reports[1].contains(QStringLiteral("Melotheek.html")));
    EXPECT_EQ(treeOf(home.documents()), before);
    EXPECT_TRUE(prompts.openedUrls.isEmpty());
}

TEST_F(HtmlExportTest, ADocumentsFolderIsCreatedAndAFailedExportKeepsTheEarlierPage)
{
    const qint64 abba = db.addArtist(QStringLiteral("ABBA"));
    db.addAlbum(abba, QStringLiteral("Waterloo"), 1974);
    ASSERT_FALSE(QFileInfo::exists(home.documents()));
    exportHtml(abba, ExportScope::AllArtists);
    const QByteArray earlier = fileBytes(pagePath());
    ASSERT_TRUE(earlier.contains("Waterloo"));

    session.settings.database = db.folder() + QStringLiteral("/Database/Missing.db");
    exportHtml(abba, ExportScope::AllArtists);
    ASSERT_EQ(prompts.reports.size(), 1);
    EXPECT_TRUE(prompts.reports[0].contains(QStringLiteral("Missing.db")));
    EXPECT_EQ(fileBytes(pagePath()), earlier);
    EXPECT_EQ(treeOf(home.documents()), QStringList { QStringLiteral("Melotheek.html") });
    EXPECT_EQ(prompts.openedUrls.size(), 1);
}

} // namespace
