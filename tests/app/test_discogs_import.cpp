// The Discogs collection list: the field mapping, and a whole file with every awkward part
// of CSV, rows already catalogued, and rows that are refused with their line numbers.
#include "import/discogscsv.h"
#include "import/discogsimport.h"
#include "qtkit/qfiles.h"
#include "support/testcatalogue.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(DiscogsCsv, MapsArtistsCarriersYearsAndNotes)
{
    const std::pair<const char*, const char*> artists[] = { { "Nirvana (2)", "Nirvana" },
        { "Various", "Various" }, { "Prince (3), Madonna (12)", "Prince, Madonna" } };
    for (const auto& [discogs, catalogue] : artists)
        EXPECT_EQ(discogsArtist(QString::fromUtf8(discogs)), QString::fromUtf8(catalogue)) << discogs;
    const std::pair<const char*, const char*> formats[]
        = { { "CD, Album", "CD" }, { "2xLP, Album, RE", "LP" }, { "Vinyl, 7\", Single", "LP" },
              { "Cass, Album", "MC" }, { "DVD, PAL", "DVD" }, { "File, FLAC, Album", "FLA" },
              { "Box Set, 3×CD", "CD" }, { "SACD, Hybrid", "SAC" }, { "Laserdisc", "LAS" }, { "", "" } };
    for (const auto& [discogs, carrier] : formats)
        EXPECT_EQ(discogsCarrier(QString::fromUtf8(discogs)), QLatin1String(carrier)) << discogs;
    const std::pair<const char*, const char*> years[]
        = { { "1991-09-24", "1991" }, { "1991", "1991" }, { "0", "" }, { "", "" }, { "19", "" } };
    for (const auto& [released, year] : years)
        EXPECT_EQ(discogsYear(QLatin1String(released)), QLatin1String(year)) << released;
    // Cut at 5: never between a letter and its accent, never inside a surrogate pair.
    const std::pair<QString, QString> cuts[] = { { "abcdefg", "abcde" }, { "abcde\u0301f", "abcd" },
        { "abcd\U0001F3B5x", "abcd" }, { "two\r\nlines", "two l" } };
    for (const auto& [text, cut] : cuts)
        EXPECT_EQ(cutToLetters(text, 5), cut) << qPrintable(text);
}

TEST(DiscogsCsv, ImportsAWholeFileAndReportsWhatItSkipsAndRefuses)
{
    TestCatalogue db;
    const qint64 nirvana = db.addArtist(QStringLiteral("NIRVANA"));
    db.addAlbum(nirvana, QStringLiteral("Bleach"), 1989);
    const QString notes = QString(60, QLatin1Char('n'));
    const QByteArray csv
        = "\xef\xbb\xbf"
          "Title,Catalog#,Artist,Format,Released,Date Added,Collection Notes,release_id\r\n" // 1
          "Nevermind,DGC-24425,Nirvana (2),\"CD, Album\",1991-09-24,2019-03-15 10:23:45,\"A note, with a "
          "comma\r\nand a line\",1\r\n" // 2-3
          "Bleach,SP34,Nirvana (2),LP,1989,,,2\r\n" // 4: catalogued already
          "\r\n"
          "\"Now, That's Music\",X,Various,\"2xCD, Comp\",0,2020-01-01 00:00:00,"
        + notes.toUtf8()
        + ",3\r\n" // 6
          "Broken \xff\xfe,Y,Someone,CD,2000,,,4\r\n" // 7: no text
          ",Z,Nobody,CD,2000,,,5\n" // 8: no title
          "Nevermind,DGC-24425,Nirvana,CD,1991,,,6\n"; // 9: twice in the file
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("collection.csv"));
    qtkit::writeFile(file, csv);

    const DiscogsReport report = importDiscogsCollection(db.catalogue(), file);
    EXPECT_EQ(report.failure, QString());
    EXPECT_EQ(report.added, 2);
    EXPECT_EQ(report.skipped, 2);
    ASSERT_EQ(report.refusals.size(), 2);
    EXPECT_EQ(report.refusals[0].line, 7);
    EXPECT_EQ(report.refusals[1].line, 8);
    EXPECT_EQ(db.firstRow(
                  QStringLiteral("SELECT Titel, Jaar, Drager, Gekocht, Bijzonderheden, ArtiestId FROM Titel "
                                 "WHERE Titel = 'Nevermind'")),
        QVariantList({ "Nevermind", 1991, "CD", "2019-03-15", "A note, with a comma and a line", nirvana }));
    EXPECT_EQ(db.firstRow(QStringLiteral(
                  "SELECT Artiest.Artiest, Titel.Jaar, Drager, Bijzonderheden FROM Titel "
                  "JOIN Artiest ON Artiest.Id = ArtiestId WHERE Titel = 'Now, That''s Music'")),
        QVariantList({ "Various", QVariant(), "CD", notes.left(50) }));

    // Carriage returns alone end lines too, and a line of a control character is a row.
    qtkit::writeFile(file, "Title,Artist\rMore,Someone\r\x0b\r,Nobody\r");
    const DiscogsReport oldMac = importDiscogsCollection(db.catalogue(), file);
    ASSERT_EQ(oldMac.refusals.size(), 2);
    EXPECT_EQ(std::make_pair(oldMac.refusals[0].line, oldMac.refusals[1].line),
        std::make_pair(qint64(3), qint64(4)));

    // Files that are no collection list at all.
    for (const QByteArray& bad :
        { QByteArray(), QByteArray("Title,Format\r\nX,CD\r\n"), QByteArray("\"unclosed").repeated(200000) }) {
        qtkit::writeFile(file, bad);
        const DiscogsReport none = importDiscogsCollection(db.catalogue(), file);
        EXPECT_FALSE(none.failure.isEmpty()) << bad.size();
        EXPECT_EQ(none.added, 0);
    }
}

} // namespace
