// The spreadsheet export, read back by an independent reader (openpyxl): the sheet layout of
// the three modes cell by cell and font by font, the field boxes of `ExpExcel` and column
// sizes. Its failures are checked with the HTML overview's in test_export_failures.cpp.
#include "export/ui/expexcel.h"
#include "export/workbookexport.h"
#include "qtkit/modal.h"
#include "qtkit/qfiles.h"
#include "support/fakeprompts.h"
#include "support/testhome.h"
#include "support/workbookreader.h"

#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <initializer_list>

namespace {

using Cells = std::map<std::string, std::string>;
using CellSet = std::set<std::string>;

const CellSet headerRow { "A1", "B1", "C1", "D1", "E1", "F1", "G1" };

class ExcelExportTest : public ::testing::Test {
protected:
    TestHome home;
    TestCatalogue& db = home.db();
    Session& session = home.session();
    FakePrompts prompts;
    qint64 abba = 0;
    qint64 beatles = 0;
    std::array<QString, sheetFieldCount> captions; // of the boxes, as the last window showed them

    void SetUp() override
    {
        // Albums are added out of order: the sheet orders them.
        abba = db.addArtist(QStringLiteral("ABBA"));
        beatles = db.addArtist(QStringLiteral("The Beatles"));
        db.addArtist(QStringLiteral("Chopin")); // no albums
        const qint64 waterloo = db.addAlbum(
            abba, QStringLiteral("Waterloo"), 1974, { { QStringLiteral("Drager"), QStringLiteral("LP") } });
        db.addTrack(waterloo, 1, QStringLiteral("Waterloo"));
        const qint64 arrival = db.addAlbum(abba, QStringLiteral("Arrival"), 1976,
            { { QStringLiteral("Drager"), QStringLiteral("CD") },
                { QStringLiteral("Gekocht"), QStringLiteral("2003-03-05") },
                { QStringLiteral("Bijzonderheden"),
                    QStringLiteral("Gold edition with a booklet of forty pages") } });
        db.addTrack(arrival, 2, QStringLiteral("Dancing Queen"));
        db.addTrack(arrival, 1, QStringLiteral("When I Kissed the Teacher"));
        db.addAlbum(abba, QStringLiteral("Voulez-Vous"), 1979,
            { { QStringLiteral("Drager"), QStringLiteral("CD") } });
        const qint64 abbey = db.addAlbum(beatles, QStringLiteral("Abbey Road"), 1969,
            { { QStringLiteral("Drager"), QStringLiteral("CD") } });
        db.addTrack(abbey, 1, QStringLiteral("Come Together"));
        db.addTrack(abbey, 2, QStringLiteral("Something"));
    }

    QString workbookPath() const { return home.documents() + QStringLiteral("/Melotheek.xlsx"); }

    static QCheckBox* box(const ExpExcel& window, int box)
    {
        return qtkit::childOf<QCheckBox>(
            &window, QStringLiteral("chkPrint_%1").arg(box).toLatin1().constData());
    }
    // Ticks exactly `boxes` in the window and presses Export.
    void tickAndExport(ExpExcel& window, std::initializer_list<int> boxes)
    {
        for (int field = 0; field < sheetFieldCount; ++field) {
            box(window, field)->setChecked(false);
            captions[field] = box(window, field)->text();
        }
        for (int field : boxes)
            box(window, field)->setChecked(true);
        QTest::mouseClick(qtkit::childOf<QPushButton>(&window, "cmdExport"), Qt::LeftButton);
    }
    // The header cell of a field: its box's caption.
    std::string header(int field) const { return textCell(captions[field].toStdString()); }

    // Exports through the window and reads the workbook back.
    WorkbookContents exportWith(std::initializer_list<int> boxes, ExportScope scope, qint64 artist)
    {
        ExpExcel window(session, prompts, artist, scope);
        window.show();
        tickAndExport(window, boxes);
        EXPECT_TRUE(prompts.reports.isEmpty()) << prompts.reports.join(QLatin1Char('\n')).toStdString();
        EXPECT_EQ(window.result(), QDialog::Accepted);
        const WorkbookContents contents = readWorkbook(workbookPath());
        EXPECT_TRUE(contents.ok) << contents.error;
        EXPECT_EQ(contents.sheetCount, 1);
        return contents;
    }
};

// ---- the sheet layout of the three modes ----

TEST_F(ExcelExportTest, AllFieldsWithTracksGroupAlbumsAndArtists)
{
    const WorkbookContents sheet = exportWith({ 0, 1, 2, 3, 4, 5, 6 }, ExportScope::AllArtists, abba);
    const Cells expected {
        { "A1", header(0) },
        { "B1", header(1) },
        { "C1", header(2) },
        { "D1", header(3) },
        { "E1", header(4) },
        { "F1", header(5) },
        { "G1", header(6) },
        // Row 2 stays empty; an album without tracks still has its row.
        { "A3", textCell("ABBA") },
        { "B3", textCell("Voulez-Vous") },
        { "C3", numberCell(1979) },
        { "D3", textCell("CD") },
        { "B4", textCell("Arrival") },
        { "C4", numberCell(1976) },
        { "D4", textCell("CD") },
        { "E4", textCell("05-03-2003") },
        { "F4", textCell("Gold edition with a booklet of forty pages") },
        { "G4", textCell("When I Kissed the Teacher") },
        { "G5", textCell("Dancing Queen") },
        { "B6", textCell("Waterloo") },
        { "C6", numberCell(1974) },
        { "D6", textCell("LP") },
        { "G6", textCell("Waterloo") },
        // One empty row before the next artist.
        { "A8", textCell("The Beatles") },
        { "B8", textCell("Abbey Road") },
        { "C8", numberCell(1969) },
        { "D8", textCell("CD") },
        { "G8", textCell("Come Together") },
        { "G9", textCell("Something") },
    };
    EXPECT_EQ(sheet.values, expected);
    EXPECT_EQ(sheet.bold, (CellSet { "A3", "A8" }));
    EXPECT_EQ(sheet.italic, headerRow);
}

TEST_F(ExcelExportTest, AlbumModeWritesOneRowPerAlbum)
{
    // Title and year of one artist: no artist column, albums on rows 3 to 5, newest first;
    // the header is italic over A1:G1 even with two columns.
    WorkbookContents sheet = exportWith({ 1, 2 }, ExportScope::CurrentArtist, abba);
    EXPECT_EQ(sheet.values,
        (Cells { { "A1", header(1) }, { "B1", header(2) }, { "A3", textCell("Voulez-Vous") },
            { "B3", numberCell(1979) }, { "A4", textCell("Arrival") }, { "B4", numberCell(1976) },
            { "A5", textCell("Waterloo") }, { "B5", numberCell(1974) } }));
    EXPECT_TRUE(sheet.bold.empty());
    EXPECT_EQ(sheet.italic, headerRow);

    // Artist and purchase date of all: the date only where one is stored, artists apart.
    sheet = exportWith({ 0, 4 }, ExportScope::AllArtists, abba);
    EXPECT_EQ(sheet.values,
        (Cells { { "A1", header(0) }, { "B1", header(4) }, { "A3", textCell("ABBA") },
            { "B4", textCell("05-03-2003") }, { "A7", textCell("The Beatles") } }));
    EXPECT_EQ(sheet.bold, (CellSet { "A3", "A7" }));
}

TEST_F(ExcelExportTest, TrackModeVariants)
{
    // Only tracks: names from row 3 on, album after album; the album without tracks keeps its
    // (empty) row.
    WorkbookContents sheet = exportWith({ 6 }, ExportScope::AllArtists, abba);
    EXPECT_EQ(sheet.values,
        (Cells { { "A1", header(6) }, { "A4", textCell("When I Kissed the Teacher") },
            { "A5", textCell("Dancing Queen") }, { "A6", textCell("Waterloo") },
            { "A7", textCell("Come Together") }, { "A8", textCell("Something") } }));
    EXPECT_TRUE(sheet.bold.empty());

    sheet = exportWith({ 6 }, ExportScope::CurrentArtist, beatles);
    EXPECT_EQ(sheet.values,
        (Cells {
            { "A1", header(6) }, { "A3", textCell("Come Together") }, { "A4", textCell("Something") } }));

    // Artist, title and tracks: title on the first track's row, the next artist after an
    // empty row.
    sheet = exportWith({ 0, 1, 6 }, ExportScope::AllArtists, abba);
    EXPECT_EQ(sheet.values,
        (Cells { { "A1", header(0) }, { "B1", header(1) }, { "C1", header(6) }, { "A3", textCell("ABBA") },
            { "B3", textCell("Voulez-Vous") }, { "B4", textCell("Arrival") },
            { "C4", textCell("When I Kissed the Teacher") }, { "C5", textCell("Dancing Queen") },
            { "B6", textCell("Waterloo") }, { "C6", textCell("Waterloo") }, { "A8", textCell("The Beatles") },
            { "B8", textCell("Abbey Road") }, { "C8", textCell("Come Together") },
            { "C9", textCell("Something") } }));
    EXPECT_EQ(sheet.bold, (CellSet { "A3", "A8" }));
}

TEST_F(ExcelExportTest, ArtistListModeLeavesARowBetweenArtists)
{
    WorkbookContents sheet = exportWith({ 0 }, ExportScope::AllArtists, abba);
    EXPECT_EQ(sheet.values,
        (Cells { { "A1", header(0) }, { "A3", textCell("ABBA") }, { "A5", textCell("Chopin") },
            { "A7", textCell("The Beatles") } }));
    EXPECT_EQ(sheet.bold, (CellSet { "A3", "A5", "A7" }));
    EXPECT_EQ(sheet.italic, headerRow);

    sheet = exportWith({ 0 }, ExportScope::CurrentArtist, beatles);
    EXPECT_EQ(sheet.values, (Cells { { "A1", header(0) }, { "A3", textCell("The Beatles") } }));
}

TEST_F(ExcelExportTest, AlikeAlbumsAndNamelessArtistsKeepTheirRows)
{
    // Two albums alike in artist, title, year and format (no year) stay two albums with their
    // own tracks; an artist without a name still starts on row 3.
    const qint64 nameless = db.addArtist(QVariant());
    const qint64 first = db.addAlbum(nameless, QStringLiteral("Greatest Hits"), QVariant(),
        { { QStringLiteral("Drager"), QStringLiteral("CD") } });
    const qint64 second = db.addAlbum(nameless, QStringLiteral("Greatest Hits"), QVariant(),
        { { QStringLiteral("Drager"), QStringLiteral("CD") } });
    db.addTrack(first, 1, QStringLiteral("One"));
    db.addTrack(second, 1, QStringLiteral("Uno"));
    db.addTrack(first, 2, QStringLiteral("Two"));

    const WorkbookContents sheet = exportWith({ 0, 1, 6 }, ExportScope::CurrentArtist, nameless);
    EXPECT_EQ(sheet.values,
        (Cells { { "A1", header(0) }, { "B1", header(1) }, { "C1", header(6) },
            { "B3", textCell("Greatest Hits") }, { "C3", textCell("One") }, { "C4", textCell("Two") },
            { "B5", textCell("Greatest Hits") }, { "C5", textCell("Uno") } }));
}

TEST_F(ExcelExportTest, ColumnsAreSizedToTheirContent)
{
    WorkbookContents sheet = exportWith({ 0, 1, 2, 3, 4, 5, 6 }, ExportScope::AllArtists, abba);
    ASSERT_EQ(sheet.widths.size(), 7u);
    // The comment column holds 42 characters, the year column four digits under "Year".
    EXPECT_GT(sheet.widths["F"], 35.0);
    EXPECT_LT(sheet.widths["F"], 60.0);
    EXPECT_GT(sheet.widths["G"], sheet.widths["B"]); // "When I Kissed the Teacher" beside "Voulez-Vous"
    EXPECT_GE(sheet.widths["E"], 10.0); // "05-03-2003" is not cut off
    EXPECT_LT(sheet.widths["C"], sheet.widths["E"]);

    // Only the columns in use are sized.
    sheet = exportWith({ 1, 2 }, ExportScope::CurrentArtist, abba);
    EXPECT_EQ(sheet.widths.size(), 2u);
    EXPECT_TRUE(sheet.widths.count("A") && sheet.widths.count("B"));

    // An entry longer than a column may be gets the widest column (255; the file stores the
    // width with the cell margin added, 255 5/7).
    const qint64 epic = db.addArtist(QString(400, QLatin1Char('x')));
    sheet = exportWith({ 0 }, ExportScope::CurrentArtist, epic);
    EXPECT_NEAR(sheet.widths["A"], 255.0 + 5.0 / 7.0, 0.01);
}

TEST_F(ExcelExportTest, ValuesLongerThanACellHoldsAreCutWithAnEllipsis)
{
    // A cell holds 32,767 characters (UTF-16 units); a longer comment is cut, never split
    // inside a surrogate pair, and the rest of the sheet is still written.
    const qint64 artist = db.addArtist(QStringLiteral("Long"));
    const QString note = QStringLiteral("\U0001F3B5");
    const struct {
        int year;
        QString comment;
        QString cell;
    } cases[] = {
        { 2002, QString(40000, QLatin1Char('x')), QString(32766, QLatin1Char('x')) + QChar(0x2026) },
        { 2001, QString(32767, QLatin1Char('y')), QString(32767, QLatin1Char('y')) },
        { 2000, QString(32765, QLatin1Char('z')) + note + QStringLiteral("tail"),
            QString(32765, QLatin1Char('z')) + QChar(0x2026) },
    };
    for (const auto& c : cases)
        db.addAlbum(artist, QString::number(c.year), c.year, { { QStringLiteral("Bijzonderheden"), c.comment } });
    const WorkbookContents sheet = exportWith({ 5, 2 }, ExportScope::CurrentArtist, artist);
    for (int row = 0; row < 3; ++row) {
        const std::string cell = "B" + std::to_string(row + 3);
        ASSERT_TRUE(sheet.values.count(cell)) << cell;
        const std::string& seen = sheet.values.at(cell);
        EXPECT_TRUE(seen == textCell(cases[row].cell.toStdString()))
            << cell << ": " << seen.size() << " bytes ending in " << seen.substr(seen.size() - 8);
        EXPECT_EQ(sheet.values.at("A" + std::to_string(row + 3)), numberCell(cases[row].year));
    }
}

// ---- the window ----

TEST_F(ExcelExportTest, ExportNumbersTheTickedBoxesWritesAndOpensTheWorkbook)
{
    ExpExcel window(session, prompts, abba, ExportScope::CurrentArtist);
    window.show();
    for (int field = 0; field < sheetFieldCount; ++field)
        EXPECT_TRUE(box(window, field)->isChecked()) << "every box is ticked when the window opens";
    tickAndExport(window, { 1, 3, 6 });
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_FALSE(window.isVisible());
    for (const auto& [field, number] : { std::pair { 1, "1" }, std::pair { 3, "2" }, std::pair { 6, "3" } })
        EXPECT_EQ(box(window, field)->property("Tag").toString(), QLatin1String(number));
    EXPECT_EQ(prompts.openedUrls, QList<QUrl> { QUrl::fromLocalFile(workbookPath()) });
    EXPECT_TRUE(prompts.boxes.isEmpty());
}

TEST_F(ExcelExportTest, NothingIsExportedWithoutAFieldOrWhenCancelled)
{
    {
        ExpExcel window(session, prompts, abba, ExportScope::AllArtists);
        window.show();
        tickAndExport(window, {});
        ASSERT_EQ(prompts.boxes.size(), 1);
        EXPECT_EQ(prompts.boxes[0].prompt, session.message(62));
        EXPECT_TRUE(window.isVisible()); // stays open for another choice
    }
    {
        ExpExcel window(session, prompts, abba, ExportScope::AllArtists);
        window.show();
        QTest::mouseClick(qtkit::childOf<QPushButton>(&window, "cmdAnnuleren"), Qt::LeftButton);
        EXPECT_EQ(window.result(), QDialog::Rejected);
    }
    EXPECT_EQ(prompts.boxes.size(), 1);
    EXPECT_TRUE(prompts.reports.isEmpty());
    EXPECT_TRUE(prompts.openedUrls.isEmpty());
    EXPECT_FALSE(QFile::exists(workbookPath()));
}

} // namespace
