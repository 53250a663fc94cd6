// What the two exports into the documents folder, the HTML overview and the spreadsheet, do
// when they cannot do their work: one set of cases run on both. Nothing is written without an
// artist; a place that cannot be written, a catalogue that cannot be read and a file no
// program opens are reported and leave every file as it was.
#include "export/ui/expexcel.h"
#include "export/ui/htmlexportcommand.h"
#include "qtkit/modal.h"
#include "qtkit/qfiles.h"
#include "support/fakeprompts.h"
#include "support/testhome.h"

#include <QFileInfo>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct Exporter {
    const char* name;
    QString fileName; // in the documents folder
    QString source; // the handler named in the error report
    // Exports every artist as the user asks for it with `artist` selected in the main window;
    // returns the export window when the exporter has one.
    std::unique_ptr<QWidget> (*run)(Session& session, FakePrompts& prompts, qint64 artist);
};

void PrintTo(const Exporter& exporter, std::ostream* out)
{
    *out << exporter.name;
}

std::unique_ptr<QWidget> spreadsheet(Session& session, FakePrompts& prompts, qint64 artist)
{
    auto window = std::make_unique<ExpExcel>(session, prompts, artist, ExportScope::AllArtists);
    window->show();
    qtkit::clickButton(window.get(), "cmdExport"); // every field is ticked when the window opens
    return window;
}

std::unique_ptr<QWidget> htmlOverview(Session& session, FakePrompts& prompts, qint64 artist)
{
    exportHtmlOverview(nullptr, session, prompts, artist, ExportScope::AllArtists);
    return nullptr;
}

class ExportFailureTest : public ::testing::TestWithParam<Exporter> {
protected:
    TestHome home;
    FakePrompts prompts;
    const QString documents = home.documents();
    const QString target = documents + QLatin1Char('/') + GetParam().fileName;
    // Everything below the fake home: the documents folder and the program's home.
    const QString everything = QFileInfo(documents).absolutePath();
    const qint64 abba = home.db().addArtist(QStringLiteral("ABBA"));

    void SetUp() override { home.db().addAlbum(abba, QStringLiteral("Waterloo"), 1974); }

    std::unique_ptr<QWidget> exportAll(qint64 artist)
    {
        prompts.reports.clear();
        return GetParam().run(home.session(), prompts, artist);
    }
    // One report naming `named` and the handler; the window, if any, stays open for another try.
    void expectReported(const std::unique_ptr<QWidget>& window, const QString& named) const
    {
        ASSERT_EQ(prompts.reports.size(), 1);
        EXPECT_TRUE(prompts.reports[0].contains(named)) << prompts.reports[0].toStdString();
        EXPECT_TRUE(prompts.reports[0].contains(QStringLiteral("Source:\t\t") + GetParam().source));
        if (window) {
            EXPECT_TRUE(window->isVisible());
        }
    }
};

TEST_P(ExportFailureTest, TheDocumentsFolderIsMadeAndTheFileOpened)
{
    ASSERT_FALSE(QFileInfo::exists(documents));
    const auto window = exportAll(abba);
    EXPECT_TRUE(prompts.reports.isEmpty()) << prompts.reports.join('\n').toStdString();
    EXPECT_EQ(prompts.openedUrls, QList<QUrl> { QUrl::fromLocalFile(target) });
    // Nothing but the file is left in the documents folder.
    EXPECT_EQ(qtkit::treeOf(documents), QStringList { GetParam().fileName });
    if (window) {
        EXPECT_FALSE(window->isVisible());
    }
}

TEST_P(ExportFailureTest, NothingIsWrittenWithoutASelectedArtist)
{
    const auto window = exportAll(0);
    EXPECT_FALSE(QFileInfo::exists(target));
    EXPECT_TRUE(prompts.reports.isEmpty());
    EXPECT_TRUE(prompts.openedUrls.isEmpty());
    if (window) {
        EXPECT_TRUE(window->isVisible());
    }
}

TEST_P(ExportFailureTest, UnwritablePlacesAreReportedAndTouchNothing)
{
    // The documents folder's name is taken by a file; the file's name by a folder holding a
    // file of the user's.
    const std::pair<QString, QString> blockers[]
        = { { documents, documents }, { target + QStringLiteral("/mine.txt"), GetParam().fileName } };
    for (const auto& [blocker, named] : blockers) {
        qtkit::writeFile(blocker, "the user's");
        const auto before = qtkit::snapshot(everything);
        const auto window = exportAll(abba);
        expectReported(window, named);
        EXPECT_EQ(qtkit::snapshot(everything), before) << "nothing written, nothing left behind";
        EXPECT_TRUE(prompts.openedUrls.isEmpty());
        ASSERT_TRUE(QFile::remove(blocker));
    }
}

TEST_P(ExportFailureTest, AFailedExportKeepsTheEarlierFile)
{
    exportAll(abba);
    const QByteArray earlier = qtkit::fileBytes(target);
    ASSERT_FALSE(earlier.isEmpty());

    home.session().settings.database = home.filePath(QStringLiteral("Database/Missing.db"));
    const auto window = exportAll(abba);
    expectReported(window, QStringLiteral("Missing.db"));
    EXPECT_EQ(qtkit::fileBytes(target), earlier);
    EXPECT_EQ(qtkit::treeOf(documents), QStringList { GetParam().fileName });
    EXPECT_EQ(prompts.openedUrls.size(), 1); // only the first, successful export
}

TEST_P(ExportFailureTest, AFileNoProgramOpensIsReported)
{
    prompts.openUrlSucceeds = false;
    const auto window = exportAll(abba);
    expectReported(window, GetParam().fileName);
    EXPECT_TRUE(QFileInfo::exists(target));
}

INSTANTIATE_TEST_SUITE_P(Exports, ExportFailureTest,
    ::testing::Values(Exporter { "Html", QStringLiteral("Melotheek.html"),
                          QStringLiteral("Muziek.mnuHtml_Click"), &htmlOverview },
        Exporter { "Excel", QStringLiteral("Melotheek.xlsx"), QStringLiteral("ExpExcel.ExportWorkbook"),
            &spreadsheet }),
    [](const ::testing::TestParamInfo<Exporter>& info) { return std::string(info.param.name); });

} // namespace
