// The main window driven headless: start-up, selection, covers, deleting, sorting, language,
// the player, the exit path, and the ways into the editors and the artist's other windows.
#include "qtkit/modal.h"
#include "qtkit/qfiles.h"
#include "resources/languagetable.h"
#include "shell/session.h"
#include "shell/startup.h"
#include "shell/ui/mainwindow.h"
#include "support/fakeprompts.h"
#include "support/testhome.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <tuple>

namespace {

using qtkit::childOf;

class MainWindowTest : public ::testing::Test {
protected:
    TestHome home;
    FakePrompts prompts;
    std::unique_ptr<Session> session;
    std::unique_ptr<MainWindow> window;

    QString helpFolder() const { return QStringLiteral(MELOTHEEK_SOURCE_HELP_DIR); }
    QString dbPath() { return home.db().path(); }

    qint64 addArtist(const QString& name) { return home.db().addArtist(name); }
    qint64 addAlbum(qint64 artist, const QString& title, int year, bool playlist = false)
    {
        const qint64 id = home.db().addAlbum(artist, title, year,
            { { QStringLiteral("Drager"), QStringLiteral("CD") }, { QStringLiteral("Playlist"), playlist } });
        home.db().addTrack(id, 1, QStringLiteral("One"));
        return id;
    }
    qint64 rowsIn(const char* table)
    {
        return scalarRaw(home.db().path(), QStringLiteral("select count(*) from ") + QLatin1String(table));
    }

    // Starts the program as it starts for the user: a new session on the home folder.
    void startWindow()
    {
        window.reset();
        session = std::make_unique<Session>(home.path());
        window = std::make_unique<MainWindow>(*session, prompts, helpFolder());
        window->start();
        window->show();
    }

    QPushButton* button(const char* name) const { return childOf<QPushButton>(window.get(), name); }
    QComboBox* artists() const { return childOf<QComboBox>(window.get(), "cboArtiest"); }
    QTreeView* titles() const { return childOf<QTreeView>(window.get(), "lvTitels"); }
    QString coverTag() const { return childOf<QLabel>(window.get(), "imgCover")->property("tag").toString(); }
    QString logoTag() const { return childOf<QLabel>(window.get(), "imgLogo")->property("tag").toString(); }
    void clickAlbum(int row)
    {
        titles()->setCurrentIndex(titles()->model()->index(row, 0));
        emit titles()->clicked(titles()->currentIndex());
    }
    QStringList titleColumn(int column) const
    {
        QStringList out;
        auto* model = titles()->model();
        for (int r = 0; r < model->rowCount(); ++r)
            out << model->index(r, column).data().toString();
        return out;
    }
    void chooseArtist(int row)
    {
        artists()->setCurrentIndex(row);
        emit artists()->activated(row);
    }
    // Runs `action` and fails when it opens a modal window (which is then closed).
    static void expectNoModal(const std::function<void()>& action)
    {
        QTimer::singleShot(0, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                ADD_FAILURE() << "unexpected window " << modal->objectName().toStdString();
                modal->close();
            }
        });
        action();
        QCoreApplication::processEvents();
    }
    QString iniValue(const char* section, const char* key) const
    {
        return IniFile(home.iniPath())
            .read(QLatin1String(section), QLatin1String(key), QStringLiteral("<none>"));
    }
};

TEST_F(MainWindowTest, FirstStartCreatesSettingsFoldersAndAnEmptyCatalogueInTheSystemsLanguage)
{
    ASSERT_TRUE(QDir(home.path()).removeRecursively());
    startWindow();
    EXPECT_EQ(iniValue("Instellingen", "Setup"), QStringLiteral("1"));
    EXPECT_EQ(iniValue("Instellingen", "Database"), dbPath());
    EXPECT_TRUE(Catalogue(dbPath()).checkCatalogue().ok());
    for (const char* sub : { "Covers", "Playlist", "Backup", "Foto" })
        EXPECT_TRUE(QDir(home.filePath(QLatin1String(sub))).exists()) << sub;
    EXPECT_TRUE(prompts.reports.isEmpty()) << prompts.reports.join("\n").toStdString();
    EXPECT_EQ(artists()->count(), 0);
    // The language is the system's, and F1 opens its page at once.
    const QString taal = taalForLocale(QLocale::system());
    EXPECT_EQ(session->settings.taal, taal);
    button("cmdHelp")->click();
    ASSERT_EQ(prompts.openedUrls.size(), 1);
    EXPECT_EQ(prompts.openedUrls[0].toLocalFile(), helpPageFor(helpFolder(), taal));

    // Nothing to delete or edit in an empty catalogue: no question is asked, no window opens.
    button("cmdVerwijderen")->click();
    window->menuEntry("mnuArtiest", 5)->trigger();
    EXPECT_TRUE(prompts.boxes.isEmpty());
    for (const char* name : { "cmdToevoegen", "cmdWijzigen", "cmdInfo", "cmdFoto" })
        expectNoModal([this, name] { button(name)->click(); });
    for (int entry : { 1, 4 })
        expectNoModal([this, entry] { window->menuEntry("mnuAlbum", entry)->trigger(); });
    expectNoModal([this] { window->menuEntry("mnuArtiest", 4)->trigger(); });
}

TEST_F(MainWindowTest, ListsArtistsAndAlbumsAndShowsCovers)
{
    const qint64 abba = addArtist(QStringLiteral("ABBA"));
    const qint64 guns = addArtist(QStringLiteral("Guns N' Roses"));
    const qint64 gold = addAlbum(abba, QStringLiteral("Gold"), 1992, true);
    addAlbum(abba, QStringLiteral("Arrival"), 1976);
    addAlbum(guns, QStringLiteral("Appetite"), 1987);
    const QString goldCover = home.filePath(QStringLiteral("Covers/%1.jpg").arg(gold));
    QImage cover(40, 40, QImage::Format_RGB32);
    cover.fill(Qt::red);
    ASSERT_TRUE(cover.save(goldCover));

    startWindow();
    ASSERT_EQ(artists()->count(), 2);
    EXPECT_EQ(artists()->itemText(1), QStringLiteral("Guns N' Roses"));
    EXPECT_EQ(titleColumn(0), (QStringList { "Gold", "Arrival" }));
    EXPECT_EQ(coverTag(), QStringLiteral("J"));
    EXPECT_EQ(childOf<QLabel>(window.get(), "imgCover")->toolTip(), QStringLiteral("ABBA*Gold"));
    EXPECT_EQ(logoTag(), QStringLiteral("1"));
    EXPECT_FALSE(titles()->isColumnHidden(2));
    EXPECT_TRUE(titles()->isColumnHidden(3));

    // An album without a cover file shows the built-in picture and reports nothing.
    clickAlbum(1);
    EXPECT_EQ(coverTag(), QStringLiteral("N"));
    EXPECT_EQ(logoTag(), QStringLiteral("0"));
    chooseArtist(1);
    EXPECT_EQ(titleColumn(0), QStringList { "Appetite" });
    EXPECT_TRUE(prompts.reports.isEmpty());

    // A cover file that is no picture is reported and the built-in picture is shown.
    qtkit::writeFile(goldCover, "not a jpeg at all");
    chooseArtist(0);
    EXPECT_EQ(coverTag(), QStringLiteral("N"));
    ASSERT_EQ(prompts.reports.size(), 1);
    EXPECT_TRUE(prompts.reports[0].contains(QStringLiteral("Error number:\t75")));
}

TEST_F(MainWindowTest, DeletingAnAlbumAsksFirstAndInsertOrSpaceOpenTheEditor)
{
    const qint64 abba = addArtist(QStringLiteral("ABBA"));
    addAlbum(abba, QStringLiteral("Gold"), 1992);
    addAlbum(abba, QStringLiteral("Arrival"), 1976);
    startWindow();

    prompts.answers = { MsgBox::no };
    QTest::keyClick(titles(), Qt::Key_Delete);
    ASSERT_EQ(prompts.boxes.size(), 1);
    EXPECT_TRUE(prompts.boxes[0].prompt.contains(QStringLiteral("Gold")));
    EXPECT_EQ(titleColumn(0).size(), 2);

    prompts.answers = { MsgBox::yes };
    QTest::keyClick(titles(), Qt::Key_Delete);
    EXPECT_EQ(titleColumn(0), QStringList { "Arrival" });
    EXPECT_EQ(rowsIn("Tracks"), 1);

    // Insert adds and Space edits the selected album: the title editor opens, no question.
    for (const auto& [key, shownTitle] :
        { std::pair { Qt::Key_Insert, "" }, std::pair { Qt::Key_Space, "Arrival" } }) {
        QString shown = QStringLiteral("<not opened>");
        qtkit::onNextModal(QStringLiteral("Titel"), [&shown](QWidget* editor) {
            shown = childOf<QLineEdit>(editor, "txtTitel")->text();
            qtkit::clickButton(editor, "cmdAnnuleer");
        });
        QTest::keyClick(titles(), key);
        EXPECT_EQ(shown, QLatin1String(shownTitle));
    }
    EXPECT_EQ(prompts.boxes.size(), 2);
}

TEST_F(MainWindowTest, DeletingArtistsCascadesAndClearsTheLastOne)
{
    addAlbum(addArtist(QStringLiteral("Guns N' Roses")), QStringLiteral("Appetite"), 1987);
    startWindow();

    prompts.answers = { MsgBox::yes };
    window->menuEntry("mnuArtiest", 5)->trigger();
    ASSERT_EQ(prompts.boxes.size(), 1);
    EXPECT_TRUE(prompts.boxes[0].prompt.contains(QStringLiteral("Guns N' Roses")));
    EXPECT_EQ(artists()->count(), 0);
    EXPECT_EQ(titles()->model()->rowCount(), 0);
    EXPECT_EQ(coverTag(), QStringLiteral("N"));
    for (const char* table : { "Artiest", "Titel", "Tracks" })
        EXPECT_EQ(rowsIn(table), 0) << table;
}

TEST_F(MainWindowTest, ColumnClicksToggleTheOrder)
{
    const qint64 a = addArtist(QStringLiteral("A"));
    addAlbum(a, QStringLiteral("b"), 1990);
    addAlbum(a, QStringLiteral("C"), 1980);
    addAlbum(a, QStringLiteral("a"), 2000);
    startWindow();
    auto* header = titles()->header();
    emit header->sectionClicked(1);
    EXPECT_EQ(titleColumn(1), (QStringList { "1980", "1990", "2000" }));
    emit header->sectionClicked(1);
    EXPECT_EQ(titleColumn(1), (QStringList { "2000", "1990", "1980" }));
    emit header->sectionClicked(0);
    EXPECT_EQ(titleColumn(0), (QStringList { "a", "b", "C" }));
}

TEST_F(MainWindowTest, ExitAsksAndSavesPositionAndSelection)
{
    const qint64 a = addArtist(QStringLiteral("A"));
    const qint64 b = addArtist(QStringLiteral("B"));
    addAlbum(a, QStringLiteral("x"), 1990);
    addAlbum(b, QStringLiteral("y"), 1990);
    addAlbum(b, QStringLiteral("z"), 1980);
    startWindow();
    chooseArtist(1);
    titles()->setCurrentIndex(titles()->model()->index(1, 0));

    prompts.answers = { MsgBox::no };
    window->close();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(prompts.boxes.size(), 1);
    EXPECT_EQ(iniValue("Beeld", "LaatsteArtiest"), QStringLiteral("<none>"));

    prompts.answers = { MsgBox::yes };
    button("cmdEinde")->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(iniValue("Beeld", "LaatsteArtiest"), QStringLiteral("1"));
    EXPECT_EQ(iniValue("Beeld", "LaatsteAlbum"), QStringLiteral("2"));
    EXPECT_NE(iniValue("Beeld", "MuziekTop"), QStringLiteral("<none>"));

    // The next start comes back to the same artist and album.
    startWindow();
    EXPECT_EQ(artists()->currentIndex(), 1);
    EXPECT_EQ(titles()->currentIndex().row(), 1);
}

TEST_F(MainWindowTest, SavedSelectionOutOfRangeFallsBack)
{
    home.rewriteSettings("[Beeld]\nLaatsteArtiest=7\nLaatsteAlbum=9\nMuziekTop=abc\n");
    addAlbum(addArtist(QStringLiteral("A")), QStringLiteral("x"), 1990);
    addArtist(QStringLiteral("B"));
    startWindow();
    EXPECT_EQ(artists()->currentIndex(), 0);
    EXPECT_EQ(titles()->currentIndex().row(), 0);
}

TEST_F(MainWindowTest, PlaylistIndicatorStartsThePlayer)
{
    // The player records its argument in a file it renames into place when complete.
    const QString recorder = home.filePath(QStringLiteral("player.sh"));
    qtkit::writeFile(recorder,
        "#!/bin/sh\nprintf '%s' \"$1\" > \"$0.part\" && mv \"$0.part\" \"$(dirname \"$0\")/played.txt\"\n");
    QFile::setPermissions(recorder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    home.rewriteSettings(QStringLiteral("Speler=%1\n").arg(recorder).toUtf8());
    const qint64 a = addArtist(QStringLiteral("A"));
    const qint64 listed = addAlbum(a, QStringLiteral("listed"), 2000, true);
    addAlbum(a, QStringLiteral("plain"), 1990, false);
    const QString playlist = home.filePath(QStringLiteral("Playlist/%1.m3u").arg(listed));
    startWindow();

    auto* logo = childOf<QLabel>(window.get(), "imgLogo");
    QTest::mouseDClick(logo, Qt::LeftButton);
    const QString played = home.filePath(QStringLiteral("played.txt"));
    ASSERT_TRUE(qtkit::waitUntil([&] { return QFile::exists(played); }, "the player to start"));
    EXPECT_EQ(QString::fromUtf8(qtkit::fileBytes(played)), playlist);

    // Without the playlist flag a double click does nothing.
    clickAlbum(1);
    session->settings.speler.clear();
    QTest::mouseDClick(logo, Qt::LeftButton);
    EXPECT_TRUE(prompts.openedUrls.isEmpty());

    // Without a player the desktop's default program opens the playlist.
    clickAlbum(0);
    QTest::mouseDClick(logo, Qt::LeftButton);
    ASSERT_EQ(prompts.openedUrls.size(), 1);
    EXPECT_EQ(prompts.openedUrls[0].toLocalFile(), playlist);
}

TEST_F(MainWindowTest, ACatalogueThatDoesNotOpenIsReportedAndTheListStaysEmpty)
{
    const QByteArray usersFile("this is not a database, but the user's file");
    qtkit::writeFile(dbPath(), usersFile);
    startWindow();
    EXPECT_EQ(artists()->count(), 0);
    ASSERT_EQ(prompts.reports.size(), 1);
    EXPECT_TRUE(prompts.reports[0].contains(QStringLiteral("Source:\t\tMuziek.FillArtistList")));
    EXPECT_EQ(qtkit::fileBytes(dbPath()), usersFile);
}

TEST_F(MainWindowTest, CdImportDiscographyAndTrackEditorOpenForTheSelection)
{
    addAlbum(addArtist(QStringLiteral("ABBA")), QStringLiteral("Arrival"), 1976);
    startWindow();

    QString caption;
    auto closeAndKeepCaption = [&caption](QWidget* shown) {
        caption = shown->windowTitle();
        qtkit::clickButton(shown, "cmdSluiten");
    };
    // The discography names the artist, the track editor the album.
    const std::tuple<std::function<void()>, const char*, const char*> ways[]
        = { { [this] { button("cmdDiscografie")->click(); }, "Discografie", "ABBA" },
              { [this] { button("cmdTracks")->click(); }, "Tracks", "Arrival" },
              { [this] { window->menuEntry("mnuArtiest", 2)->trigger(); }, "Discografie", "ABBA" },
              { [this] { window->menuEntry("mnuAlbum", 3)->trigger(); }, "Tracks", "Arrival" } };
    for (const auto& [open, mode, named] : ways) {
        caption.clear();
        qtkit::onNextModal(QStringLiteral("Discografie"), closeAndKeepCaption);
        open();
        EXPECT_TRUE(caption.contains(QLatin1String(named))) << caption.toStdString();
        EXPECT_EQ(session->listMode, QLatin1String(mode));
    }

    bool wizardOpened = false;
    qtkit::onNextModal(QStringLiteral("WizardCD"), [&wizardOpened](QWidget* wizard) {
        wizardOpened = true;
        qtkit::clickButton(wizard, "cmdAnnuleren");
    });
    window->menuEntry("mnuWizard", 0)->trigger();
    EXPECT_TRUE(wizardOpened);
}

TEST_F(MainWindowTest, SettingsSwitchTheMenusLiveAndCancelSwitchesBack)
{
    startWindow();
    const QString englishQuit = button("cmdEinde")->text();
    QString quitWhileGerman;
    qtkit::onNextModal(QStringLiteral("Instellingen"), [this, &quitWhileGerman](QWidget* settings) {
        childOf<QComboBox>(settings, "cboTaal")->setCurrentIndex(3); // German
        EXPECT_EQ(session->settings.taal, QStringLiteral("400"));
        // The main window follows while the settings window is still open.
        quitWhileGerman = button("cmdEinde")->text();
        qtkit::clickButton(settings, "cmdCancel");
    });
    window->menuEntry("mnuOnderhoud", 5)->trigger();
    EXPECT_EQ(quitWhileGerman, Language(LanguageBase::German).text(16));
    EXPECT_NE(quitWhileGerman, englishQuit);
    EXPECT_EQ(session->settings.taal, QStringLiteral("200"));
    EXPECT_EQ(button("cmdEinde")->text(), englishQuit);
    EXPECT_EQ(iniValue("Instellingen", "Taal"), QStringLiteral("200"));
}

TEST_F(MainWindowTest, HtmlOverviewOfTheCurrentArtistOpensInTheBrowser)
{
    addAlbum(addArtist(QStringLiteral("<b>")), QStringLiteral("Bold & brave"), 2001);
    startWindow();
    window->menuEntry("mnuHtml", 0)->trigger();
    EXPECT_TRUE(prompts.reports.isEmpty()) << prompts.reports.join("\n").toStdString();
    ASSERT_EQ(prompts.openedUrls.size(), 1);
    const QString html = QString::fromUtf8(qtkit::fileBytes(prompts.openedUrls[0].toLocalFile()));
    EXPECT_TRUE(html.contains(QStringLiteral("&lt;b&gt;")));
    EXPECT_TRUE(html.contains(QStringLiteral("Bold &amp; brave")));
}

TEST_F(MainWindowTest, AlbumsAreAddedAndEditedAndReselected)
{
    const qint64 abba = addArtist(QStringLiteral("ABBA"));
    addAlbum(abba, QStringLiteral("Gold"), 1992);
    const qint64 arrival = addAlbum(abba, QStringLiteral("Arrival"), 1976);
    startWindow();

    // Add: the new album is listed and selected, its details shown.
    qtkit::onNextModal(QStringLiteral("Titel"), [](QWidget* editor) {
        EXPECT_EQ(childOf<QLabel>(editor, "lblArtiest")->text(), QStringLiteral("ABBA"));
        childOf<QLineEdit>(editor, "txtTitel")->setText(QStringLiteral("Waterloo"));
        childOf<QLineEdit>(editor, "txtJaar")->setText(QStringLiteral("1974"));
        childOf<QCheckBox>(editor, "chkPlaylist")->setChecked(true);
        qtkit::clickButton(editor, "cmdOk");
    });
    button("cmdToevoegen")->click();
    EXPECT_EQ(titleColumn(0), (QStringList { "Gold", "Arrival", "Waterloo" }));
    EXPECT_EQ(titleIdFromKey(session->currentTitleKey), window->selectedAlbumId());
    EXPECT_EQ(titles()->currentIndex().row(), 2);
    EXPECT_EQ(logoTag(), QStringLiteral("1"));

    // Edit by double click: the editor shows the clicked album; the stored one is reselected.
    const QModelIndex arrivalRow = titles()->model()->index(1, 0);
    titles()->setCurrentIndex(arrivalRow);
    qtkit::onNextModal(QStringLiteral("Titel"), [](QWidget* editor) {
        EXPECT_EQ(childOf<QLineEdit>(editor, "txtTitel")->text(), QStringLiteral("Arrival"));
        EXPECT_EQ(childOf<QLineEdit>(editor, "txtJaar")->text(), QStringLiteral("1976"));
        childOf<QLineEdit>(editor, "txtJaar")->setText(QStringLiteral("2000"));
        qtkit::clickButton(editor, "cmdOk");
    });
    emit titles()->doubleClicked(arrivalRow);
    EXPECT_EQ(titleColumn(0), (QStringList { "Arrival", "Gold", "Waterloo" }));
    EXPECT_EQ(window->selectedAlbumId(), arrival);
    EXPECT_EQ(session->currentTitleKey, titleKey(arrival));

    // A cover chosen while editing is copied at once and shown; cancelling keeps it.
    QImage picture(30, 30, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    const QString chosen = home.filePath(QStringLiteral("chosen.jpg"));
    ASSERT_TRUE(picture.save(chosen));
    prompts.chosenFiles = { chosen };
    EXPECT_EQ(coverTag(), QStringLiteral("N"));
    QString tagWhileOpen;
    qtkit::onNextModal(QStringLiteral("Titel"), [this, &tagWhileOpen](QWidget* editor) {
        qtkit::clickButton(editor, "cmdHoesje");
        tagWhileOpen = coverTag();
        qtkit::clickButton(editor, "cmdAnnuleer");
    });
    window->menuEntry("mnuAlbum", 1)->trigger();
    EXPECT_EQ(tagWhileOpen, QStringLiteral("J"));
    EXPECT_EQ(coverTag(), QStringLiteral("J"));
    EXPECT_TRUE(QFile::exists(home.filePath(QStringLiteral("Covers/%1.jpg").arg(arrival))));
    EXPECT_EQ(titleColumn(1).value(0), QStringLiteral("2000"));

    // A picture chosen for an album that is then not added leaves the selected album's cover.
    clickAlbum(1); // Gold, no cover
    prompts.chosenFiles = { chosen };
    qtkit::onNextModal(QStringLiteral("Titel"), [](QWidget* editor) {
        qtkit::clickButton(editor, "cmdHoesje");
        qtkit::clickButton(editor, "cmdAnnuleer");
    });
    window->menuEntry("mnuAlbum", 0)->trigger();
    EXPECT_EQ(coverTag(), QStringLiteral("N"));
    EXPECT_EQ(titleColumn(0).size(), 3);
    EXPECT_TRUE(prompts.reports.isEmpty()) << prompts.reports.join("\n").toStdString();
}

TEST_F(MainWindowTest, ArtistsAreAddedAndRenamedAndReselected)
{
    const qint64 abba = addArtist(QStringLiteral("ABBA"));
    addArtist(QStringLiteral("Queen"));
    addAlbum(abba, QStringLiteral("Gold"), 1992);
    startWindow();

    // Types `name` into the next artist editor; shown receives the name it came with.
    auto typeName = [](const QString& name, const char* closeWith = "cmdOk", QString* shown = nullptr) {
        qtkit::onNextModal(QStringLiteral("Artiest"), [=](QWidget* editor) {
            auto* field = childOf<QLineEdit>(editor, "txtArtiest");
            if (shown)
                *shown = field->text();
            field->setText(name);
            qtkit::clickButton(editor, closeWith);
        });
    };
    typeName(QStringLiteral("  Zappa  "));
    window->menuEntry("mnuArtiest", 3)->trigger();
    EXPECT_EQ(artists()->count(), 3);
    EXPECT_EQ(artists()->currentText(), QStringLiteral("Zappa"));
    EXPECT_EQ(titles()->model()->rowCount(), 0);

    // A second "ABBA": the new one is selected, not the first of that name.
    typeName(QStringLiteral("ABBA"));
    window->menuEntry("mnuArtiest", 3)->trigger();
    EXPECT_EQ(artists()->currentText(), QStringLiteral("ABBA"));
    EXPECT_NE(window->selectedArtistId(), abba);
    EXPECT_EQ(titles()->model()->rowCount(), 0);

    // Renaming the first ABBA keeps it selected under its new name, with its albums.
    chooseArtist(0);
    ASSERT_EQ(window->selectedArtistId(), abba);
    QString shownName;
    typeName(QStringLiteral(" Björn "), "cmdOk", &shownName);
    window->menuEntry("mnuArtiest", 4)->trigger();
    EXPECT_EQ(shownName, QStringLiteral("ABBA"));
    EXPECT_EQ(artists()->currentText(), QStringLiteral("Björn"));
    EXPECT_EQ(window->selectedArtistId(), abba);
    EXPECT_EQ(titleColumn(0), QStringList { "Gold" });

    // Cancelling changes nothing.
    typeName(QStringLiteral("Other"), "cmdAnnuleer");
    window->menuEntry("mnuArtiest", 4)->trigger();
    EXPECT_EQ(artists()->currentText(), QStringLiteral("Björn"));
    EXPECT_EQ(artists()->count(), 4);
}

TEST_F(MainWindowTest, MovingAnAlbumTakesItOutOfTheList)
{
    const qint64 abba = addArtist(QStringLiteral("ABBA"));
    const qint64 queen = addArtist(QStringLiteral("Queen"));
    const qint64 gold = addAlbum(abba, QStringLiteral("Gold"), 1992, true);
    addAlbum(abba, QStringLiteral("Arrival"), 1976);
    startWindow();
    ASSERT_EQ(window->selectedAlbumId(), gold);

    qtkit::onNextModal(QStringLiteral("VerplaatsTitel"), [](QWidget* mover) {
        auto* choice = childOf<QComboBox>(mover, "cboNewArtiest");
        choice->setCurrentIndex(choice->findText(QStringLiteral("Queen")));
        qtkit::clickButton(mover, "cmdOK");
    });
    prompts.answers = { MsgBox::yes };
    window->menuEntry("mnuAlbum", 4)->trigger();
    EXPECT_EQ(prompts.boxes.size(), 1);
    EXPECT_EQ(titleColumn(0), QStringList { "Arrival" });
    EXPECT_EQ(logoTag(), QStringLiteral("0"));
    chooseArtist(1);
    EXPECT_EQ(window->selectedArtistId(), queen);
    EXPECT_EQ(titleColumn(0), QStringList { "Gold" });
}

TEST_F(MainWindowTest, ArtistAndAlbumWindowsOpenFromTheirButtons)
{
    const qint64 abba = addArtist(QStringLiteral("ABBA"));
    addAlbum(abba, QStringLiteral("Gold"), 1992, true);
    startWindow();

    // Biography: beside the main window, not modal.
    button("cmdInfo")->click();
    EXPECT_EQ(button("cmdInfo")->property("tag").toString(), QString::number(abba));
    auto* info = window->findChild<QWidget*>(QStringLiteral("Info"));
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(info->isVisible());
    EXPECT_FALSE(info->isModal());
    info->close();
    window->menuEntry("mnuArtiest", 0)->trigger();
    EXPECT_TRUE(info->isVisible());
    info->close();

    // Photos, and the track list from the playlist indicator's right button.
    const std::pair<const char*, std::function<void()>> modals[] = {
        { "Foto", [this] { window->menuEntry("mnuArtiest", 1)->trigger(); } },
        { "Tracks", [this] { QTest::mousePress(childOf<QLabel>(window.get(), "imgLogo"), Qt::RightButton); } }
    };
    for (const auto& [name, open] : modals) {
        bool opened = false;
        qtkit::onNextModal(QLatin1String(name), [&opened](QWidget* shown) {
            opened = true;
            shown->close();
        });
        open();
        EXPECT_TRUE(opened) << name;
    }

    // The cover enlargement lives while the right button is held on the cover.
    auto* cover = childOf<QLabel>(window.get(), "imgCover");
    QTest::mousePress(cover, Qt::RightButton);
    QWidget* enlargement = window->findChild<QWidget*>(QStringLiteral("Vergroting"));
    ASSERT_NE(enlargement, nullptr);
    EXPECT_TRUE(enlargement->isVisible());
    QTest::mouseRelease(cover, Qt::RightButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window->findChild<QWidget*>(QStringLiteral("Vergroting")), nullptr);
}

} // namespace
