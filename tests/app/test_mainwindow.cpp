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
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

using qtkit::childOf;
using qtkit::onNextModal;

class MainWindowTest : public ::testing::Test {
protected:
    TestHome home;
    FakePrompts prompts;
    std::unique_ptr<Session> session;
    std::unique_ptr<MainWindow> window;

    QString helpFolder() const { return QStringLiteral(MELOTHEEK_SOURCE_HELP_DIR); }
    qint64 addArtist(const QString& name) { return home.db().addArtist(name); }
    qint64 addAlbum(qint64 artist, const QString& title, int year, bool playlist = false)
    {
        const qint64 id
            = home.db().addAlbum(artist, title, year, { { "Drager", "CD" }, { "Playlist", playlist } });
        home.db().addTrack(id, 1, QStringLiteral("One"));
        return id;
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
    void menu(const char* name, int entry) const { window->menuEntry(QLatin1String(name), entry)->trigger(); }
    QComboBox* artists() const { return childOf<QComboBox>(window.get(), "cboArtiest"); }
    QTreeView* titles() const { return childOf<QTreeView>(window.get(), "lvTitels"); }
    QString tagOf(const char* label) const
    {
        return childOf<QLabel>(window.get(), label)->property("tag").toString();
    }
    void clickAlbum(int row)
    {
        titles()->setCurrentIndex(titles()->model()->index(row, 0));
        emit titles()->clicked(titles()->currentIndex());
    }
    QStringList titleColumn(int column = 0) const
    {
        QStringList out;
        for (int r = 0; r < titles()->model()->rowCount(); ++r)
            out << titles()->model()->index(r, column).data().toString();
        return out;
    }
    void chooseArtist(int row)
    {
        artists()->setCurrentIndex(row);
        emit artists()->activated(row);
    }
    QString iniValue(const char* section, const char* key) const
    {
        return IniFile(home.iniPath())
            .read(QLatin1String(section), QLatin1String(key), QStringLiteral("<none>"));
    }
    QString picture(const QString& name)
    {
        qtkit::writeFile(home.filePath(name), qtkit::pictureBytes({ 30, 30 }, Qt::red));
        return home.filePath(name);
    }
    // ABBA with "Gold" (1992, a cover and a playlist) and "Arrival" (1976, neither).
    std::pair<qint64, qint64> abbaWithGoldCover()
    {
        const qint64 abba = addArtist(QStringLiteral("ABBA"));
        const qint64 gold = addAlbum(abba, QStringLiteral("Gold"), 1992, true);
        addAlbum(abba, QStringLiteral("Arrival"), 1976);
        EXPECT_TRUE(QFile::rename(picture(QStringLiteral("red.jpg")), coverOf(gold)));
        return { abba, gold };
    }
    QString coverOf(qint64 album) const { return home.filePath(QStringLiteral("Covers/%1.jpg").arg(album)); }
};

TEST_F(MainWindowTest, FirstStartCreatesSettingsFoldersAndAnEmptyCatalogueInTheSystemsLanguage)
{
    ASSERT_TRUE(QDir(home.path()).removeRecursively());
    startWindow();
    EXPECT_TRUE(Catalogue(home.db().path()).checkCatalogue().ok());
    for (const char* sub : { "Covers", "Playlist", "Backup", "Foto" })
        EXPECT_TRUE(QDir(home.filePath(QLatin1String(sub))).exists()) << sub;
    EXPECT_TRUE(prompts.reports.isEmpty()) << prompts.reports.join("\n").toStdString();
    // The language is the system's, and F1 opens its page at once.
    const QString taal = taalForLocale(QLocale::system());
    EXPECT_EQ(session->settings.taal, taal);
    button("cmdHelp")->click();
    ASSERT_EQ(prompts.openedUrls.size(), 1);
    EXPECT_EQ(prompts.openedUrls[0].toLocalFile(), helpPageFor(helpFolder(), taal));

    // Nothing to delete or edit in an empty catalogue: no question is asked, no window opens.
    const std::function<void()> actions[]
        = { [this] { button("cmdVerwijderen")->click(); }, [this] { menu("mnuArtiest", 5); },
              [this] { button("cmdToevoegen")->click(); }, [this] { button("cmdWijzigen")->click(); },
              [this] { button("cmdInfo")->click(); }, [this] { button("cmdFoto")->click(); },
              [this] { menu("mnuAlbum", 4); }, [this] { menu("mnuArtiest", 4); } };
    for (const auto& action : actions) {
        QTimer::singleShot(0, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                ADD_FAILURE() << "unexpected window " << modal->objectName().toStdString();
                modal->close();
            }
        });
        action();
        QCoreApplication::processEvents();
    }
    EXPECT_TRUE(prompts.boxes.isEmpty());
}

TEST_F(MainWindowTest, ListsArtistsAndAlbumsAndShowsCovers)
{
    const auto [abba, gold] = abbaWithGoldCover();
    addAlbum(abba, QStringLiteral("best of"), 1980);
    addAlbum(addArtist(QStringLiteral("Guns N' Roses")), QStringLiteral("Appetite"), 1987);

    startWindow();
    ASSERT_EQ(artists()->count(), 2);
    EXPECT_EQ(artists()->itemText(1), QStringLiteral("Guns N' Roses"));
    EXPECT_EQ(titleColumn(), (QStringList { "Gold", "best of", "Arrival" }));
    EXPECT_EQ(tagOf("imgCover") + tagOf("imgLogo"), QStringLiteral("J1"));

    // An album without a cover file shows the built-in picture and reports nothing.
    clickAlbum(1);
    EXPECT_EQ(tagOf("imgCover") + tagOf("imgLogo"), QStringLiteral("N0"));
    chooseArtist(1);
    EXPECT_EQ(titleColumn(), QStringList { "Appetite" });
    EXPECT_TRUE(prompts.reports.isEmpty());

    // A cover file that is no picture is reported and the built-in picture is shown.
    qtkit::writeFile(coverOf(gold), "not a jpeg at all");
    chooseArtist(0);
    EXPECT_EQ(tagOf("imgCover"), QStringLiteral("N"));
    ASSERT_EQ(prompts.reports.size(), 1);
    EXPECT_TRUE(prompts.reports[0].contains(QStringLiteral("Error number:\t75")));

    // Column clicks toggle the order; names sort regardless of case.
    emit titles()->header()->sectionClicked(1);
    EXPECT_EQ(titleColumn(1), (QStringList { "1976", "1980", "1992" }));
    emit titles()->header()->sectionClicked(1);
    EXPECT_EQ(titleColumn(1), (QStringList { "1992", "1980", "1976" }));
    emit titles()->header()->sectionClicked(0);
    EXPECT_EQ(titleColumn(0), (QStringList { "Arrival", "best of", "Gold" }));
}

TEST_F(MainWindowTest, KeysMoveTheDetailsAndTheListMenuAndDeleteActOnTheAlbumShown)
{
    abbaWithGoldCover();
    addAlbum(addArtist(QStringLiteral("Guns N' Roses")), QStringLiteral("Appetite"), 1987);
    startWindow();

    // Every way of moving the current row shows that album's cover and indicator, and makes
    // it the album Delete asks about (Ctrl+arrow moves without selecting in a plain list).
    const std::tuple<Qt::Key, Qt::KeyboardModifier, const char*, const char*> moves[]
        = { { Qt::Key_Down, Qt::NoModifier, "N0", "Arrival" }, { Qt::Key_Up, Qt::NoModifier, "J1", "Gold" },
              { Qt::Key_End, Qt::NoModifier, "N0", "Arrival" },
              { Qt::Key_Up, Qt::ControlModifier, "J1", "Gold" } };
    for (const auto& [key, modifier, tags, title] : moves) {
        QTest::keyClick(titles(), key, modifier);
        EXPECT_EQ(tagOf("imgCover") + tagOf("imgLogo"), QLatin1String(tags)) << title;
        prompts.answers = { MsgBox::no };
        QTest::keyClick(titles(), Qt::Key_Delete);
        ASSERT_FALSE(prompts.boxes.isEmpty());
        EXPECT_TRUE(prompts.boxes.last().prompt.contains(QLatin1String(title))) << title;
    }

    // The Menu key and Shift+F10 open the list's menu; play and the track list need the
    // album's playlist.
    auto* listMenu = childOf<QMenu>(window.get(), "mnuAlbumLijst");
    auto entry = [this](const char* name) { return childOf<QAction>(window.get(), name); };
    for (const auto& [move, key, modifier, playlist] :
        { std::tuple { Qt::Key_Down, Qt::Key_F10, Qt::ShiftModifier, false },
            { Qt::Key_Up, Qt::Key_Menu, Qt::NoModifier, true } }) {
        QTest::keyClick(titles(), move);
        QTest::keyClick(titles(), key, modifier);
        ASSERT_TRUE(qtkit::waitUntil([listMenu] { return listMenu->isVisible(); }, "the album list's menu"));
        EXPECT_EQ(entry("actSpelen")->isEnabled(), playlist);
        EXPECT_EQ(entry("actTracks")->isEnabled(), playlist);
        listMenu->close();
    }
    bool listed = false;
    onNextModal(QStringLiteral("Tracks"), [&listed](QWidget* shown) {
        listed = true;
        shown->close();
    });
    entry("actTracks")->trigger();
    EXPECT_TRUE(listed);

    // The enlargement from the menu stays until the next key.
    entry("actVergroting")->trigger();
    ASSERT_NE(window->findChild<QWidget*>(QStringLiteral("Vergroting")), nullptr);
    QTest::keyClick(titles(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window->findChild<QWidget*>(QStringLiteral("Vergroting")), nullptr);

    // Yes deletes the album asked about (Gold, shown last).
    prompts.answers = { MsgBox::yes };
    QTest::keyClick(titles(), Qt::Key_Delete);
    EXPECT_EQ(titleColumn(), QStringList { "Arrival" });

    // Insert adds and Space edits the selected album: the title editor opens, no question.
    for (const auto& [key, shownTitle] : { std::pair { Qt::Key_Insert, "" }, { Qt::Key_Space, "Arrival" } }) {
        QString shown = QStringLiteral("<not opened>");
        onNextModal(QStringLiteral("Titel"), [&shown](QWidget* editor) {
            shown = childOf<QLineEdit>(editor, "txtTitel")->text();
            qtkit::clickButton(editor, "cmdAnnuleer");
        });
        QTest::keyClick(titles(), key);
        EXPECT_EQ(shown, QLatin1String(shownTitle));
    }

    // Deleting the last artist empties both lists and the cover.
    chooseArtist(1);
    prompts.answers = { MsgBox::yes, MsgBox::yes };
    menu("mnuArtiest", 5);
    EXPECT_TRUE(prompts.boxes.last().prompt.contains(QStringLiteral("Guns N' Roses")));
    EXPECT_EQ(artists()->count(), 1);
    chooseArtist(0);
    menu("mnuArtiest", 5);
    EXPECT_EQ(artists()->count(), 0);
    EXPECT_EQ(titles()->model()->rowCount(), 0);
    EXPECT_EQ(tagOf("imgCover"), QStringLiteral("N"));
}

TEST_F(MainWindowTest, TheFixedSizeGrowsOnlyWhenALargerFontNeedsIt)
{
    addAlbum(addArtist(QStringLiteral("A")), QStringLiteral("x"), 1990);
    startWindow();
    EXPECT_EQ(window->size(), MainWindow::fixedWindowSize());
    QFont large = window->font();
    large.setPointSizeF(large.pointSizeF() * 2);
    window->setFont(large);
    QCoreApplication::processEvents();
    // The content needs more room than the design size; the window gives it all it needs.
    const QSize needed = window->minimumSizeHint();
    EXPECT_GT(needed.height(), MainWindow::fixedWindowSize().height());
    EXPECT_EQ(window->size(), MainWindow::fixedWindowSize().expandedTo(needed));
}

TEST_F(MainWindowTest, ExitAsksAndSavesTheSelectionWhichTheNextStartRestores)
{
    addAlbum(addArtist(QStringLiteral("A")), QStringLiteral("x"), 1990);
    const qint64 b = addArtist(QStringLiteral("B"));
    addAlbum(b, QStringLiteral("y"), 1990);
    addAlbum(b, QStringLiteral("z"), 1980);
    startWindow();
    chooseArtist(1);
    titles()->setCurrentIndex(titles()->model()->index(1, 0));

    prompts.answers = { MsgBox::no, MsgBox::yes };
    window->close();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(iniValue("Beeld", "LaatsteArtiest"), QStringLiteral("<none>"));
    button("cmdEinde")->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(iniValue("Beeld", "LaatsteArtiest") + iniValue("Beeld", "LaatsteAlbum"), QStringLiteral("12"));

    startWindow();
    EXPECT_EQ(artists()->currentIndex(), 1);
    EXPECT_EQ(titles()->currentIndex().row(), 1);

    // A saved selection out of range (a hand-edited file) falls back to the first.
    home.rewriteSettings("[Beeld]\nLaatsteArtiest=7\nLaatsteAlbum=9\nMuziekTop=abc\n");
    startWindow();
    EXPECT_EQ(artists()->currentIndex(), 0);
    EXPECT_EQ(titles()->currentIndex().row(), 0);
}

TEST_F(MainWindowTest, PlaylistIndicatorStartsThePlayer)
{
    // The player records its arguments in a file it renames into place when complete.
    const QString recorder = home.filePath(QStringLiteral("my player.sh"));
    qtkit::writeFile(recorder,
        "#!/bin/sh\nprintf '%s|' \"$@\" > \"$0.part\" && mv \"$0.part\" \"$(dirname \"$0\")/played.txt\"\n");
    QFile::setPermissions(recorder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const qint64 a = addArtist(QStringLiteral("A"));
    const qint64 listed = addAlbum(a, QStringLiteral("listed"), 2000, true);
    addAlbum(a, QStringLiteral("plain"), 1990, false);
    const QString playlist = home.filePath(QStringLiteral("Playlist/%1.m3u").arg(listed));
    startWindow();

    // The player is a program (its path as it is, blanks and all) or a command with
    // arguments split as a shell splits them; the playlist comes last.
    auto* logo = childOf<QLabel>(window.get(), "imgLogo");
    const QString played = home.filePath(QStringLiteral("played.txt"));
    for (const auto& [player, arguments] : { std::pair { recorder, QString() },
             { QStringLiteral("'%1' --queue \"a b\"").arg(recorder), QStringLiteral("--queue|a b|") } }) {
        QFile::remove(played);
        session->settings.speler = player;
        QTest::mouseDClick(logo, Qt::LeftButton);
        ASSERT_TRUE(qtkit::waitUntil([&] { return QFile::exists(played); }, "the player to start"));
        EXPECT_EQ(QString::fromUtf8(qtkit::fileBytes(played)), arguments + playlist + QLatin1Char('|'));
    }
    EXPECT_TRUE(prompts.reports.isEmpty()) << prompts.reports.join("\n").toStdString();

    // Without the playlist flag a double click does nothing; without a player the desktop
    // opens the playlist.
    session->settings.speler.clear();
    clickAlbum(1);
    QTest::mouseDClick(logo, Qt::LeftButton);
    EXPECT_TRUE(prompts.openedUrls.isEmpty());
    clickAlbum(0);
    QTest::mouseDClick(logo, Qt::LeftButton);
    ASSERT_EQ(prompts.openedUrls.size(), 1);
    EXPECT_EQ(prompts.openedUrls[0].toLocalFile(), playlist);
}

TEST_F(MainWindowTest, ACatalogueThatDoesNotOpenIsReportedAndTheFileKept)
{
    const QByteArray usersFile("this is not a database, but the user's file");
    qtkit::writeFile(home.db().path(), usersFile);
    startWindow();
    EXPECT_EQ(artists()->count(), 0);
    ASSERT_EQ(prompts.reports.size(), 1);
    EXPECT_TRUE(prompts.reports[0].contains(QStringLiteral("Source:\t\tMuziek.FillArtistList")));
    EXPECT_EQ(qtkit::fileBytes(home.db().path()), usersFile);
}

TEST_F(MainWindowTest, OtherWindowsOpenForTheSelection)
{
    const qint64 abba = addArtist(QStringLiteral("ABBA"));
    addAlbum(abba, QStringLiteral("Arrival"), 1976, true);
    startWindow();

    // The HTML overview of the artist opens in the browser; the biography beside the main
    // window, not modal.
    menu("mnuHtml", 0);
    ASSERT_EQ(prompts.openedUrls.size(), 1);
    EXPECT_TRUE(QString::fromUtf8(qtkit::fileBytes(prompts.openedUrls[0].toLocalFile())).contains("Arrival"));
    EXPECT_TRUE(prompts.reports.isEmpty()) << prompts.reports.join("\n").toStdString();
    button("cmdInfo")->click();
    auto* info = window->findChild<QWidget*>(QStringLiteral("Info"));
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(info->isVisible() && !info->isModal());

    // The discography for the artist, the track editor for the album, the import wizard,
    // the photos, and the track list from the indicator's right button.
    const std::tuple<const char*, std::function<void()>, const char*> modals[] = {
        { "Discografie", [this] { menu("mnuArtiest", 2); }, "Discografie" },
        { "Discografie", [this] { button("cmdTracks")->click(); }, "Tracks" },
        { "WizardCD", [this] { menu("mnuWizard", 0); }, nullptr },
        { "Foto", [this] { menu("mnuArtiest", 1); }, nullptr },
        { "Tracks", [this] { QTest::mousePress(childOf<QLabel>(window.get(), "imgLogo"), Qt::RightButton); },
            nullptr }
    };
    for (const auto& [name, open, mode] : modals) {
        bool opened = false;
        onNextModal(QLatin1String(name), [&opened](QWidget* shown) {
            opened = true;
            shown->close();
        });
        open();
        EXPECT_TRUE(opened) << name;
        EXPECT_TRUE(!mode || session->listMode == QLatin1String(mode)) << name;
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

TEST_F(MainWindowTest, SettingsSwitchTheMenusLiveAndCancelSwitchesBack)
{
    startWindow();
    // Qt's own texts (the Yes button of every question box) follow the switch too.
    const auto qtYes = [] { return QCoreApplication::translate("QPlatformTheme", "&Yes"); };
    QString quitWhileGerman;
    QString yesWhileGerman;
    onNextModal(QStringLiteral("Instellingen"), [&](QWidget* settings) {
        childOf<QComboBox>(settings, "cboTaal")->setCurrentIndex(3); // German
        // The main window follows while the settings window is still open.
        quitWhileGerman = button("cmdEinde")->text();
        yesWhileGerman = qtYes();
        qtkit::clickButton(settings, "cmdCancel");
    });
    menu("mnuOnderhoud", 5);
    EXPECT_EQ(quitWhileGerman, Language(LanguageBase::German).text(16));
    EXPECT_EQ(yesWhileGerman, QStringLiteral("&Ja"));
    EXPECT_EQ(qtYes(), QStringLiteral("&Yes"));
    EXPECT_EQ(button("cmdEinde")->text(), Language(LanguageBase::English).text(16));
}

TEST_F(MainWindowTest, AlbumsAndArtistsAreAddedEditedAndMovedAndTheResultReselected)
{
    const qint64 abba = addArtist(QStringLiteral("ABBA"));
    const qint64 queen = addArtist(QStringLiteral("Queen"));
    addAlbum(abba, QStringLiteral("Gold"), 1992, true);
    const qint64 arrival = addAlbum(abba, QStringLiteral("Arrival"), 1976);
    startWindow();

    // Add: the new album is listed and selected, its details shown.
    onNextModal(QStringLiteral("Titel"), [](QWidget* editor) {
        childOf<QLineEdit>(editor, "txtTitel")->setText(QStringLiteral("Waterloo"));
        childOf<QLineEdit>(editor, "txtJaar")->setText(QStringLiteral("1974"));
        childOf<QCheckBox>(editor, "chkPlaylist")->setChecked(true);
        qtkit::clickButton(editor, "cmdOk");
    });
    button("cmdToevoegen")->click();
    EXPECT_EQ(titleColumn(), (QStringList { "Gold", "Arrival", "Waterloo" }));
    EXPECT_EQ(titleIdFromKey(session->currentTitleKey), window->selectedAlbumId());
    EXPECT_EQ(titles()->currentIndex().row(), 2);
    EXPECT_EQ(tagOf("imgLogo"), QStringLiteral("1"));

    // Edit by double click: the editor shows the clicked album; the stored one is reselected.
    const QModelIndex arrivalRow = titles()->model()->index(1, 0);
    titles()->setCurrentIndex(arrivalRow);
    onNextModal(QStringLiteral("Titel"), [](QWidget* editor) {
        EXPECT_EQ(childOf<QLineEdit>(editor, "txtTitel")->text(), QStringLiteral("Arrival"));
        childOf<QLineEdit>(editor, "txtJaar")->setText(QStringLiteral("2000"));
        qtkit::clickButton(editor, "cmdOk");
    });
    emit titles()->doubleClicked(arrivalRow);
    EXPECT_EQ(titleColumn(), (QStringList { "Arrival", "Gold", "Waterloo" }));
    EXPECT_EQ(window->selectedAlbumId(), arrival);

    // A cover chosen while editing is copied at once and shown; cancelling keeps it.
    const QString chosen = picture(QStringLiteral("chosen.jpg"));
    prompts.chosenFiles = { chosen };
    QString tagWhileOpen;
    onNextModal(QStringLiteral("Titel"), [this, &tagWhileOpen](QWidget* editor) {
        qtkit::clickButton(editor, "cmdHoesje");
        tagWhileOpen = tagOf("imgCover");
        qtkit::clickButton(editor, "cmdAnnuleer");
    });
    menu("mnuAlbum", 1);
    EXPECT_EQ(tagWhileOpen + tagOf("imgCover"), QStringLiteral("JJ"));
    EXPECT_TRUE(QFile::exists(home.filePath(QStringLiteral("Covers/%1.jpg").arg(arrival))));
    EXPECT_TRUE(prompts.reports.isEmpty()) << prompts.reports.join("\n").toStdString();

    const auto typeName = [](const QString& name) {
        onNextModal(QStringLiteral("Artiest"), [=](QWidget* editor) {
            childOf<QLineEdit>(editor, "txtArtiest")->setText(name);
            qtkit::clickButton(editor, "cmdOk");
        });
    };
    // A second "ABBA": the new one is selected, not the first of that name.
    typeName(QStringLiteral("ABBA"));
    menu("mnuArtiest", 3);
    EXPECT_EQ(artists()->count(), 3);
    EXPECT_EQ(artists()->currentText(), QStringLiteral("ABBA"));
    EXPECT_NE(window->selectedArtistId(), abba);
    EXPECT_EQ(titles()->model()->rowCount(), 0);

    // Renaming the first ABBA keeps it selected under its new name, with its albums.
    chooseArtist(0);
    ASSERT_EQ(window->selectedArtistId(), abba);
    typeName(QStringLiteral("Zappa"));
    menu("mnuArtiest", 4);
    EXPECT_EQ(artists()->currentText(), QStringLiteral("Zappa"));
    EXPECT_EQ(window->selectedArtistId(), abba);
    EXPECT_EQ(titleColumn(), (QStringList { "Arrival", "Gold", "Waterloo" }));

    // Moving an album takes it out of the list; the details show the album selected now.
    clickAlbum(0);
    onNextModal(QStringLiteral("VerplaatsTitel"), [](QWidget* mover) {
        auto* choice = childOf<QComboBox>(mover, "cboNewArtiest");
        choice->setCurrentIndex(choice->findText(QStringLiteral("Queen")));
        qtkit::clickButton(mover, "cmdOK");
    });
    prompts.answers = { MsgBox::yes };
    menu("mnuAlbum", 4);
    EXPECT_EQ(titleColumn(), (QStringList { "Gold", "Waterloo" }));
    EXPECT_EQ(tagOf("imgLogo"), QStringLiteral("1"));
    chooseArtist(1); // ABBA, Queen, Zappa
    EXPECT_EQ(window->selectedArtistId(), queen);
    EXPECT_EQ(titleColumn(), QStringList { "Arrival" });
}

} // namespace
