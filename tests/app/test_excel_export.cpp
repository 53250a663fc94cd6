// The spreadsheet export, read back by an independent reader (openpyxl): the sheet layout of
// the three modes cell by cell and font by font, the field boxes of `ExpExcel`, column sizes,
// and what happens when the workbook cannot be written.
#include "export/ui/expexcel.h"
#include "export/workbookexport.h"
#include "shell/session.h"
#include "support/fakehome.h"
#include "support/fakeprompts.h"
#include "support/testcatalogue.h"
#include "support/workbookreader.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <initializer_list>

namespace {

using Cells = std::map<std::string, std::string>;
using CellSet = std::set<std::string>;

const CellSet headerRow { "A1", "B1", "C1", "D1", "E1", "F1", "G1" };

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

class ExcelExportTest : public ::testing::Test {
protected:
    FakeHome home;
    TestCatalogue db;
    FakePrompts prompts;
    Session session { home.path() + QStringLiteral("/Melotheek") };
    qint64 abba = 0;
    qint64 beatles = 0;

    void SetUp() override
    {
        session.settings.database = db.path();
        session.settings.taal = QStringLiteral("200");
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

    template <typename T> static T* child(QWidget& window, const QString& name)
    {
        T* found = window.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    // Ticks exactly `boxes` in the window and presses Export.
    static void tickAndExport(ExpExcel& window, std::initializer_list<int> boxes)
    {
        for (int box = 0; box < sheetFieldCount; ++box)
            child<QCheckBox>(window, QStringLiteral("chkPrint_%1").arg(box))->setChecked(false);
        for (int box : boxes)
            child<QCheckBox>(window, QStringLiteral("chkPrint_%1").arg(box))->setChecked(true);
        QTest::mouseClick(child<QPushButton>(window, QStringLiteral("cmdExport")), Qt::LeftButton);
    }

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
        { "A1", textCell("Artist") },
        { "B1", textCell("Title") },
        { "C1", textCell("Year") },
        { "D1", textCell("Format") },
        { "E1", textCell("Purchased") },
        { "F1", textCell("Comments") },
        { "G1", textCell("Tracks") },
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
        (Cells { { "A1", textCell("Title") }, { "B1", textCell("Year") }, { "A3", textCell("Voulez-Vous") },
            { "B3", numberCell(1979) }, { "A4", textCell("Arrival") }, { "B4", numberCell(1976) },
            { "A5", textCell("Waterloo") }, { "B5", numberCell(1974) } }));
    EXPECT_TRUE(sheet.bold.empty());
    EXPECT_EQ(sheet.italic, headerRow);

    // Artist and purchase date of all: the date only where one is stored, artists apart.
    sheet = exportWith({ 0, 4 }, ExportScope::AllArtists, abba);
    EXPECT_EQ(sheet.values,
        (Cells { { "A1", textCell("Artist") }, { "B1", textCell("Purchased") }, { "A3", textCell("ABBA") },
            { "B4", textCell("05-03-2003") }, { "A7", textCell("The Beatles") } }));
    EXPECT_EQ(sheet.bold, (CellSet { "A3", "A7" }));
}

TEST_F(ExcelExportTest, TrackModeVariants)
{
    // Only tracks: names from row 3 on, album after album; the album without tracks keeps its
    // (empty) row.
    WorkbookContents sheet = exportWith({ 6 }, ExportScope::AllArtists, abba);
    EXPECT_EQ(sheet.values,
        (Cells { { "A1", textCell("Tracks") }, { "A4", textCell("When I Kissed the Teacher") },
            { "A5", textCell("Dancing Queen") }, { "A6", textCell("Waterloo") },
            { "A7", textCell("Come Together") }, { "A8", textCell("Something") } }));
    EXPECT_TRUE(sheet.bold.empty());

    sheet = exportWith({ 6 }, ExportScope::CurrentArtist, beatles);
    EXPECT_EQ(sheet.values,
        (Cells { { "A1", textCell("Tracks") }, { "A3", textCell("Come Together") },
            { "A4", textCell("Something") } }));

    // Artist, title and tracks: title on the first track's row, the next artist after an
    // empty row.
    sheet = exportWith({ 0, 1, 6 }, ExportScope::AllArtists, abba);
    EXPECT_EQ(sheet.values,
        (Cells { { "A1", textCell("Artist") }, { "B1", textCell("Title") }, { "C1", textCell("Tracks") },
            { "A3", textCell("ABBA") }, { "B3", textCell("Voulez-Vous") }, { "B4", textCell("Arrival") },
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
        (Cells { { "A1", textCell("Artist") }, { "A3", textCell("ABBA") }, { "A5", textCell("Chopin") },
            { "A7", textCell("The Beatles") } }));
    EXPECT_EQ(sheet.bold, (CellSet { "A3", "A5", "A7" }));
    EXPECT_EQ(sheet.italic, headerRow);

    sheet = exportWith({ 0 }, ExportScope::CurrentArtist, beatles);
    EXPECT_EQ(sheet.values, (Cells { { "A1", textCell("Artist") }, { "A3", textCell("The Beatles") } }));
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
        (Cells { { "A1", textCell("Artist") }, { "B1", textCell("Title") }, { "C1", textCell("Tracks") },
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

// ---- the window ----

TEST_F(ExcelExportTest, WindowOpensWithEveryBoxTickedAndItsCaptions)
{
    ExpExcel all(session, prompts, abba, ExportScope::AllArtists);
    EXPECT_EQ(all.objectName(), QStringLiteral("ExpExcel"));
    EXPECT_EQ(all.windowTitle(), QStringLiteral("Export (All)"));
    EXPECT_EQ(all.property("Tag").toString(), QStringLiteral("1"));
    const char* captions[] = { "Artist", "Title", "Year", "Format", "Purchased", "Comments", "Tracks" };
    for (int box = 0; box < sheetFieldCount; ++box) {
        auto* check = child<QCheckBox>(all, QStringLiteral("chkPrint_%1").arg(box));
        EXPECT_TRUE(check->isChecked()) << box;
        EXPECT_EQ(check->text(), QLatin1String(captions[box]));
    }
    EXPECT_EQ(child<QLabel>(all, QStringLiteral("lblSelecteer"))->text(), QStringLiteral("Select"));
    EXPECT_EQ(child<QPushButton>(all, QStringLiteral("cmdExport"))->text(), QStringLiteral("Export"));
    EXPECT_EQ(child<QPushButton>(all, QStringLiteral("cmdAnnuleren"))->text(), QStringLiteral("Cancel"));

    session.settings.taal = QStringLiteral("400");
    ExpExcel current(session, prompts, abba, ExportScope::CurrentArtist);
    EXPECT_EQ(current.property("Tag").toString(), QStringLiteral("0"));
    EXPECT_EQ(child<QCheckBox>(current, QStringLiteral("chkPrint_2"))->text(), QStringLiteral("Jahr"));
    EXPECT_EQ(child<QCheckBox>(current, QStringLiteral("chkPrint_6"))->text(), QStringLiteral("Tracks"));
}

TEST_F(ExcelExportTest, ExportNumbersTheTickedBoxesWritesAndOpensTheWorkbook)
{
    ExpExcel window(session, prompts, abba, ExportScope::CurrentArtist);
    window.show();
    tickAndExport(window, { 1, 3, 6 });
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_FALSE(window.isVisible());
    for (const auto& [box, number] : { std::pair { 1, "1" }, std::pair { 3, "2" }, std::pair { 6, "3" } })
        EXPECT_EQ(
            child<QCheckBox>(window, QStringLiteral("chkPrint_%1").arg(box))->property("Tag").toString(),
            QLatin1String(number));
    ASSERT_EQ(prompts.openedUrls.size(), 1);
    EXPECT_EQ(prompts.openedUrls.first(), QUrl::fromLocalFile(workbookPath()));
    EXPECT_TRUE(prompts.boxes.isEmpty());
    // Nothing but the workbook is left in the documents folder.
    EXPECT_EQ(treeOf(home.documents()), QStringList { QStringLiteral("Melotheek.xlsx") });
}

TEST_F(ExcelExportTest, NothingIsExportedWithoutFieldOrArtist)
{
    {
        ExpExcel window(session, prompts, abba, ExportScope::AllArtists);
        window.show();
        tickAndExport(window, {});
        ASSERT_EQ(prompts.boxes.size(), 1);
        EXPECT_EQ(prompts.boxes[0].prompt, QStringLiteral("Select at least 1 field."));
        EXPECT_EQ(prompts.boxes[0].title, QStringLiteral("Attention!"));
        EXPECT_EQ(prompts.boxes[0].buttons, MsgBox::okOnly);
        EXPECT_TRUE(window.isVisible()); // stays open for another choice
    }
    {
        // No artist selected in the main window: Export does nothing, for "All" too.
        ExpExcel window(session, prompts, 0, ExportScope::AllArtists);
        window.show();
        tickAndExport(window, { 0, 1 });
        EXPECT_TRUE(window.isVisible());
    }
    {
        ExpExcel window(session, prompts, abba, ExportScope::AllArtists);
        window.show();
        QTest::mouseClick(child<QPushButton>(window, QStringLiteral("cmdAnnuleren")), Qt::LeftButton);
        EXPECT_EQ(window.result(), QDialog::Rejected);
    }
    EXPECT_EQ(prompts.boxes.size(), 1);
    EXPECT_TRUE(prompts.reports.isEmpty());
    EXPECT_TRUE(prompts.openedUrls.isEmpty());
    EXPECT_FALSE(QFile::exists(workbookPath()));
}

// ---- failures ----

TEST_F(ExcelExportTest, UnwritableTargetsAreReportedAndTouchNothing)
{
    // The documents folder's name is taken by a file.
    writeBytes(home.documents(), "not a folder");
    ExpExcel window(session, prompts, abba, ExportScope::AllArtists);
    window.show();
    tickAndExport(window, { 0, 1 });
    ASSERT_EQ(prompts.reports.size(), 1);
    EXPECT_TRUE(prompts.reports[0].contains(QDir::toNativeSeparators(home.documents())))
        << prompts.reports[0].toStdString();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(fileBytes(home.documents()), QByteArray("not a folder"));
    ASSERT_TRUE(QFile::remove(home.documents()));

    // The workbook's name is taken by a folder with a file of the user in it.
    ASSERT_TRUE(QDir().mkpath(workbookPath()));
    writeBytes(workbookPath() + QStringLiteral("/mine.txt"), "keep");
    const QStringList before = treeOf(home.documents());
    tickAndExport(window, { 0, 1 });
    ASSERT_EQ(prompts.reports.size(), 2);
    EXPECT_TRUE(prompts.reports[1].contains(QStringLiteral("Melotheek.xlsx")))
        << prompts.reports[1].toStdString();
    EXPECT_EQ(treeOf(home.documents()), before); // no temporary file left behind
    EXPECT_EQ(fileBytes(workbookPath() + QStringLiteral("/mine.txt")), QByteArray("keep"));
    EXPECT_TRUE(prompts.openedUrls.isEmpty());
    EXPECT_TRUE(window.isVisible());
}

TEST_F(ExcelExportTest, AFailedExportKeepsTheEarlierWorkbook)
{
    exportWith({ 0, 1 }, ExportScope::AllArtists, abba);
    const QByteArray earlier = fileBytes(workbookPath());
    ASSERT_FALSE(earlier.isEmpty());

    session.settings.database = db.folder() + QStringLiteral("/Database/Missing.db");
    ExpExcel window(session, prompts, abba, ExportScope::AllArtists);
    window.show();
    tickAndExport(window, { 0, 1, 6 });
    ASSERT_EQ(prompts.reports.size(), 1);
    EXPECT_TRUE(prompts.reports[0].contains(QStringLiteral("Missing.db")))
        << prompts.reports[0].toStdString();
    EXPECT_EQ(fileBytes(workbookPath()), earlier);
    EXPECT_EQ(treeOf(home.documents()), QStringList { QStringLiteral("Melotheek.xlsx") });
    EXPECT_EQ(prompts.openedUrls.size(), 1); // only the first, successful export
}

TEST_F(ExcelExportTest, AWorkbookNoProgramOpensIsReported)
{
    prompts.openUrlSucceeds = false;
    ExpExcel window(session, prompts, abba, ExportScope::AllArtists);
    window.show();
    tickAndExport(window, { 0 });
    ASSERT_EQ(prompts.reports.size(), 1);
    EXPECT_TRUE(prompts.reports[0].contains(QStringLiteral("no program opens it")))
        << prompts.reports[0].toStdString();
    EXPECT_TRUE(QFile::exists(workbookPath()));
    EXPECT_TRUE(window.isVisible());
}

} // namespace
