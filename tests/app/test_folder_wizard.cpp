// Importing an album from a folder of music files through its window, from the main window's
// menu to the catalogue, the playlist and the cover.
#include "editing/playlistfile.h"
#include "extras/picturefiles.h"
#include "import/ui/folderimportwizard.h"
#include "qtkit/modal.h"
#include "qtkit/qfiles.h"
#include "shell/ui/mainwindow.h"
#include "support/fakeprompts.h"
#include "support/musicfiles.h"
#include "support/testhome.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <gtest/gtest.h>

namespace {

using qtkit::childOf;
using qtkit::clickButton;

class FolderWizardTest : public ::testing::Test {
protected:
    TestHome home;
    FakePrompts prompts;
    const QString folder = home.filePath(QStringLiteral("Music/"));

    // `album` by `artist` in `folder`, one FLAC file per title.
    void writeAlbum(const QString& artist, const QString& album, const QStringList& titles,
        const QByteArray& picture = {})
    {
        QDir().mkpath(folder + album);
        for (int i = 0; i < titles.size(); ++i)
            ASSERT_TRUE(writeMusicFile(folder + album + QStringLiteral("/%1.flac").arg(i + 1),
                AudioKind::Flac, 2,
                { titles[i], artist, {}, album, 1976, i + 1, 0, {}, {}, i == 0 ? picture : QByteArray() }));
    }
    // Opens the window on `folder` and shows it the way `work` leaves it.
    void withWizard(const std::function<void(FolderImportWizard&)>& work)
    {
        FolderImportWizard wizard(home.session(), prompts);
        prompts.chosenFolders = { folder };
        clickButton(&wizard, "cmdMap");
        work(wizard);
    }
    QList<QVariantList> rows(const char* sql) const
    {
        return home.catalogue().OpenRecordset(QLatin1String(sql)).valueOr({}).rows;
    }
};

TEST_F(FolderWizardTest, StoresTheChosenAlbumAsCorrectedAndTheMainWindowShowsIt)
{
    writeAlbum(QStringLiteral("Abba"), QStringLiteral("Arrival"), { "Dancing Queen", "Typo" },
        qtkit::pictureBytes({ 32, 32 }, Qt::blue));
    writeAlbum(QStringLiteral("Abba"), QStringLiteral("Voulez-Vous"), { "Chiquitita" });
    qtkit::writeFile(folder + QStringLiteral("loose.flac"), minimalAudio(AudioKind::Flac, 1));
    qtkit::writeFile(folder + QStringLiteral("Arrival/notes.mp3"), "no music");

    MainWindow window(home.session(), prompts, QStringLiteral(MELOTHEEK_SOURCE_HELP_DIR));
    window.start();
    window.show();
    qtkit::onNextModal(QStringLiteral("WizardMap"), [&](QWidget* wizard) {
        prompts.chosenFolders = { folder };
        clickButton(wizard, "cmdMap");
        const QString leftOut = childOf<QLabel>(wizard, "lblOverslagen")->text();
        EXPECT_TRUE(leftOut.contains(QStringLiteral("loose.flac"))) << leftOut.toStdString();
        EXPECT_TRUE(leftOut.contains(QDir::toNativeSeparators(QStringLiteral("Arrival/notes.mp3"))));
        auto* albums = childOf<QComboBox>(wizard, "cboAlbum");
        ASSERT_EQ(albums->count(), 2);
        albums->setCurrentIndex(albums->findText(QStringLiteral("Abba - Arrival (2)")));
        EXPECT_FALSE(childOf<QLabel>(wizard, "imgCover")->pixmap().isNull());
        childOf<QLineEdit>(wizard, "txtJaar")->setText(QStringLiteral("1977"));
        QAbstractItemModel* tracks = childOf<QTableView>(wizard, "grdTracks")->model();
        EXPECT_TRUE(tracks->setData(tracks->index(1, 1), QStringLiteral("Knowing Me, Knowing You")));
        EXPECT_FALSE(tracks->setData(tracks->index(1, 2), QStringLiteral("3:75")));
        clickButton(wizard, "cmdImporteren");
        EXPECT_EQ(albums->count(), 1); // the other album stays to be imported
        clickButton(wizard, "cmdAnnuleren");
    });
    window.findChild<QAction*>(QStringLiteral("mnuMapImport"))->trigger();

    EXPECT_TRUE(prompts.reports.isEmpty()) << prompts.reports.join('\n').toStdString();
    const auto album
        = rows("SELECT Artiest.Artiest, Titel.Titel, Titel.Jaar, Titel.Drager, Titel.Playlist, Titel.Id "
               "FROM Titel JOIN Artiest ON Artiest.Id = Titel.ArtiestId");
    ASSERT_EQ(album.size(), 1);
    EXPECT_EQ(album[0].mid(0, 5), (QVariantList { "Abba", "Arrival", 1977, "FLA", 1 }));
    const qint64 id = album[0].value(5).toLongLong();
    EXPECT_EQ(rows("SELECT Nummer, Naam FROM Tracks ORDER BY Nummer"),
        (QList<QVariantList> { { 1, "Dancing Queen" }, { 2, "Knowing Me, Knowing You" } }));
    EXPECT_EQ(window.selectedAlbumId(), id);
    const Settings& settings = home.session().settings;
    EXPECT_TRUE(qtkit::fileBytes(playlistPath(settings.muziekDir, id)).contains("2.flac"));
    EXPECT_FALSE(QImage(coverPath(settings.coverDir, id)).isNull());
}

TEST_F(FolderWizardTest, AnAlbumAlreadyCataloguedIsStoredAgainOnlyWhenTheUserSaysSo)
{
    writeAlbum(QStringLiteral("Abba"), QStringLiteral("Arrival"), { "Dancing Queen" });
    home.db().addAlbum(home.db().addArtist(QStringLiteral("ABBA")), QStringLiteral("arrival"), 1976);
    for (const auto& [answer, albums] : { std::pair { MsgBox::no, 1 }, { MsgBox::yes, 2 } }) {
        prompts.answers = { answer };
        prompts.boxes.clear();
        withWizard([&](FolderImportWizard& wizard) {
            clickButton(&wizard, "cmdImporteren");
            EXPECT_EQ(prompts.boxes.size(), 1);
            EXPECT_EQ(wizard.importedTitleId() != 0, answer == MsgBox::yes);
        });
        EXPECT_EQ(rows("SELECT Id FROM Titel").size(), albums);
        EXPECT_EQ(rows("SELECT Id FROM Artiest").size(), 1); // the artist is found by name
    }
}

TEST_F(FolderWizardTest, AFailedStoreIsReportedAndLeavesTheAlbumToTryAgain)
{
    writeAlbum(QStringLiteral("Abba"), QStringLiteral("Arrival"), { "Dancing Queen" });
    home.session().settings.muziekDir = home.filePath(QStringLiteral("no such folder/"));
    withWizard([&](FolderImportWizard& wizard) {
        clickButton(&wizard, "cmdImporteren");
        EXPECT_EQ(prompts.reports.size(), 1);
        EXPECT_EQ(wizard.importedTitleId(), 0);
        EXPECT_FALSE(childOf<QPushButton>(&wizard, "cmdImporteren")->isHidden());
    });
    EXPECT_TRUE(rows("SELECT Id FROM Titel").isEmpty());
}

TEST_F(FolderWizardTest, AFolderThatMakesNoAlbumSaysWhy)
{
    const struct {
        const char* file;
        QByteArray bytes;
        bool namedAsLeftOut;
    } cases[] = {
        { "readme.txt", "not music", false },
        { "untagged.flac", minimalAudio(AudioKind::Flac, 1), true },
    };
    for (const auto& c : cases) {
        QDir(folder).removeRecursively();
        qtkit::writeFile(folder + QLatin1String(c.file), c.bytes);
        withWizard([&](FolderImportWizard& wizard) {
            EXPECT_TRUE(childOf<QGroupBox>(&wizard, "fraAlbum")->isHidden()) << c.file;
            EXPECT_TRUE(childOf<QLabel>(&wizard, "lblToelichting")
                            ->text()
                            .contains(QDir::toNativeSeparators(folder)));
            EXPECT_EQ(childOf<QLabel>(&wizard, "lblOverslagen")->text().contains(QLatin1String(c.file)),
                c.namedAsLeftOut);
        });
    }
}

} // namespace
