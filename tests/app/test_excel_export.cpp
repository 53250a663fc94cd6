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
#include <vector>

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

    void SetUp() override
    {
        // Albums are added out of order: the sheet orders them.
        abba = db.addArtist("ABBA");
        beatles = db.addArtist("The Beatles");
        db.addArtist("Chopin"); // no albums
        db.addTrack(db.addAlbum(abba, "Waterloo", 1974, { { "Drager", "LP" } }), 1, "Waterloo");
        const qint64 arrival = db.addAlbum(abba, "Arrival", 1976,
            { { "Drager", "CD" }, { "Gekocht", "2003-03-05" },
                { "Bijzonderheden", "Gold edition with a booklet of forty pages" } });
        db.addTrack(arrival, 2, "Dancing Queen");
        db.addTrack(arrival, 1, "When I Kissed the Teacher");
        db.addAlbum(abba, "Voulez-Vous", 1979, { { "Drager", "CD" } });
        const qint64 abbey = db.addAlbum(beatles, "Abbey Road", 1969, { { "Drager", "CD" } });
        db.addTrack(abbey, 1, "Come Together");
        db.addTrack(abbey, 2, "Something");
    }

    QString workbookPath() const { return home.documents() + QStringLiteral("/Melotheek.xlsx"); }

    static QCheckBox* box(const ExpExcel& window, int box)
    {
        return qtkit::childOf<QCheckBox>(
            &window, QStringLiteral("chkPrint_%1").arg(box).toLatin1().constData());
    }
    // Ticks exactly `boxes` (in field order) and presses Export; returns the header row they
    // make, each box's caption over its column.
    static Cells tickAndExport(ExpExcel& window, const std::vector<int>& boxes)
    {
        for (int field = 0; field < sheetFieldCount; ++field)
            box(window, field)->setChecked(false);
        Cells headers;
        for (std::size_t column = 0; column < boxes.size(); ++column) {
            box(window, boxes[column])->setChecked(true);
            headers[std::string(1, char('A' + column)) + '1']
                = textCell(box(window, boxes[column])->text().toStdString());
        }
        QTest::mouseClick(qtkit::childOf<QPushButton>(&window, "cmdExport"), Qt::LeftButton);
        return headers;
    }

    // Exports through the window and reads the workbook back; the header row is checked here
    // and left out of the values.
    WorkbookContents exportWith(const std::vector<int>& boxes, ExportScope scope, qint64 artist)
    {
        ExpExcel window(session, prompts, artist, scope);
        window.show();
        const Cells headers = tickAndExport(window, boxes);
        EXPECT_TRUE(prompts.reports.isEmpty()) << prompts.reports.join(QLatin1Char('\n')).toStdString();
        EXPECT_EQ(window.result(), QDialog::Accepted);
        WorkbookContents contents = readWorkbook(workbookPath());
        EXPECT_TRUE(contents.ok) << contents.error;
        EXPECT_EQ(contents.sheetCount, 1);
        for (const auto& [cell, caption] : headers) {
            EXPECT_EQ(contents.values[cell], caption);
            contents.values.erase(cell);
        }
        return contents;
    }
};

// ---- the sheet layout of the three modes ----

// Cells written "B3=Arrival|C3=#1976": text, or a number after "#".
Cells cells(const char* written)
{
    Cells parsed;
    for (const QString& cell : QString::fromUtf8(written).split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
        const QString value = cell.section(QLatin1Char('='), 1);
        parsed[cell.section(QLatin1Char('='), 0, 0).toStdString()] = value.startsWith(QLatin1Char('#'))
            ? numberCell(value.mid(1).toLongLong())
            : textCell(value.toStdString());
    }
    return parsed;
}

struct LayoutCase {
    const char* name;
    std::vector<int> boxes; // ticked, in the order of their columns
    ExportScope scope;
    bool beatles; // the artist selected in the main window: The Beatles, else ABBA
    const char* cells; // below the header row
    CellSet bold;
};

void PrintTo(const LayoutCase& layout, std::ostream* out)
{
    *out << layout.name;
}

class SheetLayoutTest : public ExcelExportTest, public ::testing::WithParamInterface<LayoutCase> { };

// Row 2 stays empty; albums come newest first; an album without tracks still has its row
// (also when only tracks are shown); one empty row goes before the next artist, whose name is
// bold. The header is italic over A1:G1 however few columns there are.
TEST_P(SheetLayoutTest, CellsAndFonts)
{
    const LayoutCase& layout = GetParam();
    const WorkbookContents sheet = exportWith(layout.boxes, layout.scope, layout.beatles ? beatles : abba);
    EXPECT_EQ(sheet.values, cells(layout.cells));
    EXPECT_EQ(sheet.bold, layout.bold);
    EXPECT_EQ(sheet.italic, headerRow);
}

INSTANTIATE_TEST_SUITE_P(Modes, SheetLayoutTest,
    ::testing::Values(
        LayoutCase { "AllFieldsWithTracks", { 0, 1, 2, 3, 4, 5, 6 }, ExportScope::AllArtists, false,
            "A3=ABBA|B3=Voulez-Vous|C3=#1979|D3=CD|B4=Arrival|C4=#1976|D4=CD|E4=05-03-2003|"
            "F4=Gold edition with a booklet of forty pages|G4=When I Kissed the Teacher|G5=Dancing Queen|"
            "B6=Waterloo|C6=#1974|D6=LP|G6=Waterloo|"
            "A8=The Beatles|B8=Abbey Road|C8=#1969|D8=CD|G8=Come Together|G9=Something",
            { "A3", "A8" } },
        LayoutCase { "AlbumsOfOneArtist", { 1, 2 }, ExportScope::CurrentArtist, false,
            "A3=Voulez-Vous|B3=#1979|A4=Arrival|B4=#1976|A5=Waterloo|B5=#1974", {} },
        LayoutCase { "PurchaseDatesWhereStored", { 0, 4 }, ExportScope::AllArtists, false,
            "A3=ABBA|B4=05-03-2003|A7=The Beatles", { "A3", "A7" } },
        LayoutCase { "OnlyTracks", { 6 }, ExportScope::AllArtists, false,
            "A4=When I Kissed the Teacher|A5=Dancing Queen|A6=Waterloo|A7=Come Together|A8=Something", {} },
        LayoutCase { "TracksOfOneArtist", { 6 }, ExportScope::CurrentArtist, true,
            "A3=Come Together|A4=Something", {} },
        LayoutCase { "TitlesOnTheirFirstTrack", { 0, 1, 6 }, ExportScope::AllArtists, false,
            "A3=ABBA|B3=Voulez-Vous|B4=Arrival|C4=When I Kissed the Teacher|C5=Dancing Queen|"
            "B6=Waterloo|C6=Waterloo|A8=The Beatles|B8=Abbey Road|C8=Come Together|C9=Something",
            { "A3", "A8" } },
        LayoutCase { "ArtistList", { 0 }, ExportScope::AllArtists, false, "A3=ABBA|A5=Chopin|A7=The Beatles",
            { "A3", "A5", "A7" } },
        LayoutCase { "OneArtist", { 0 }, ExportScope::CurrentArtist, true, "A3=The Beatles", { "A3" } }),
    [](const ::testing::TestParamInfo<LayoutCase>& info) { return std::string(info.param.name); });

TEST_F(ExcelExportTest, AlikeAlbumsAndNamelessArtistsKeepTheirRows)
{
    // Two albums alike in artist, title, year and format (no year) stay two albums with their
    // own tracks; an artist without a name still starts on row 3.
    const qint64 nameless = db.addArtist(QVariant());
    const qint64 first = db.addAlbum(nameless, "Greatest Hits", QVariant(), { { "Drager", "CD" } });
    const qint64 second = db.addAlbum(nameless, "Greatest Hits", QVariant(), { { "Drager", "CD" } });
    db.addTrack(first, 1, "One");
    db.addTrack(second, 1, "Uno");
    db.addTrack(first, 2, "Two");

    const WorkbookContents sheet = exportWith({ 0, 1, 6 }, ExportScope::CurrentArtist, nameless);
    EXPECT_EQ(sheet.values, cells("B3=Greatest Hits|C3=One|C4=Two|B5=Greatest Hits|C5=Uno"));
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
        db.addAlbum(
            artist, QString::number(c.year), c.year, { { QStringLiteral("Bijzonderheden"), c.comment } });
    const WorkbookContents sheet = exportWith({ 2, 5 }, ExportScope::CurrentArtist, artist);
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
