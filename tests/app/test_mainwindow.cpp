// The main window driven headless: start-up, selection, covers, deleting, sorting, language,
// the player, the exit path, and the ways into the editors and the artist's other windows.
#include "db/catalogue.h"
#include "shell/session.h"
#include "shell/ui/mainwindow.h"
#include "support/fakehome.h"
#include "support/fakeprompts.h"
#include "support/modalwindows.h"

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
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QThread>
#include <QTreeView>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <tuple>

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    FakePrompts prompts;
    std::unique_ptr<Session> session;
    std::unique_ptr<MainWindow> window;

    QString home() const { return dir.path() + QLatin1Char('/'); }
    QString dbPath() const { return home() + QStringLiteral("Database/Muziek.db"); }
    QString helpFolder() const { return QStringLiteral(MELOTHEEK_SOURCE_HELP_DIR); }

    // Writes a settings file of an installed program with the given extra lines.
    void writeSettings(const QByteArray& extra = {}, const char* taal = "200")
    {
        QDir().mkpath(home() + QStringLiteral("Database"));
        QDir().mkpath(home() + QStringLiteral("Covers"));
        QFile f(home() + QStringLiteral("Melotheek.ini"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("[Instellingen]\nSetup=1\nTaal=") + taal + '\n');
        f.write(QStringLiteral("Database=%1\nCoverDir=%2Covers/\nMuziekDir=%2Playlist/\n")
                    .arg(dbPath(), home()).toUtf8());
        f.write(extra);
    }

    qint64 addArtist(const QString& name)
    {
        return Catalogue(dbPath()).addRow(QStringLiteral("Artiest"), {{QStringLiteral("Artiest"), name}}).valueOr(0);
    }
    qint64 addAlbum(qint64 artist, const QString& title, int year, bool playlist = false)
    {
        Catalogue c(dbPath());
        const qint64 id = c.addRow(QStringLiteral("Titel"), {{QStringLiteral("ArtiestId"), artist},
                                                             {QStringLiteral("Titel"), title},
                                                             {QStringLiteral("Jaar"), year},
                                                             {QStringLiteral("Drager"), QStringLiteral("CD")},
                                                             {QStringLiteral("Playlist"), playlist}})
                              .valueOr(0);
        c.addRow(QStringLiteral("Tracks"), {{QStringLiteral("Titelid"), id}, {QStringLiteral("Nummer"), 1},
                                            {QStringLiteral("Naam"), QStringLiteral("One")}});
        return id;
    }
    void prepare(const QByteArray& extra = {}, const char* taal = "200")
    {
        writeSettings(extra, taal);
        ASSERT_TRUE(Catalogue::createEmpty(dbPath()).ok());
    }
    qint64 rowsIn(const QString& table) const
    {
        const auto rows = Catalogue(dbPath()).OpenRecordset(QStringLiteral("select count(*) from ") + table);
        EXPECT_TRUE(rows.ok());
        return rows.ok() ? rows.value().rows[0][0].toLongLong() : -1;
    }

    void startWindow()
    {
        session = std::make_unique<Session>(home());
        window = std::make_unique<MainWindow>(*session, prompts, helpFolder());
        window->start();
        window->show();
    }

    template <typename T> T* child(const char* name) const
    {
        T* w = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QComboBox* artists() const { return child<QComboBox>("cboArtiest"); }
    QTreeView* titles() const { return child<QTreeView>("lvTitels"); }
    QString coverTag() const { return child<QLabel>("imgCover")->property("tag").toString(); }
    QString logoTag() const { return child<QLabel>("imgLogo")->property("tag").toString(); }
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
        return IniFile(home() + QStringLiteral("Melotheek.ini")).read(QLatin1String(section), QLatin1String(key), QStringLiteral("<none>"));
    }
};

TEST_F(MainWindowTest, FirstStartCreatesSettingsFoldersAndAnEmptyCatalogue)
{
    startWindow();
    EXPECT_EQ(iniValue("Instellingen", "Setup"), QStringLiteral("1"));
    EXPECT_EQ(iniValue("Instellingen", "Database"), dbPath());
    EXPECT_TRUE(QFile::exists(dbPath()));
    EXPECT_TRUE(Catalogue(dbPath()).checkCatalogue().ok());
    for (const char* sub : {"Covers", "Playlist", "Backup", "Foto"})
        EXPECT_TRUE(QDir(home() + QLatin1String(sub)).exists());
    EXPECT_TRUE(prompts.reports.isEmpty()) << prompts.reports.join("\n").toStdString();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Melotheek"));
    EXPECT_EQ(artists()->count(), 0);
    // Nothing to delete or edit in an empty catalogue: no question is asked, no window opens.
    child<QPushButton>("cmdVerwijderen")->click();
    window->menuEntry("mnuArtiest", 5)->trigger();
    EXPECT_TRUE(prompts.boxes.isEmpty());
    for (const char* name : {"cmdToevoegen", "cmdWijzigen", "cmdInfo", "cmdFoto"})
        expectNoModal([this, name] { child<QPushButton>(name)->click(); });
    for (int entry : {1, 4})
        expectNoModal([this, entry] { window->menuEntry("mnuAlbum", entry)->trigger(); });
    expectNoModal([this] { window->menuEntry("mnuArtiest", 4)->trigger(); });
    EXPECT_EQ(window->size(), MainWindow::fixedWindowSize());
}

TEST_F(MainWindowTest, ListsArtistsAndAlbumsAndShowsCovers)
{
    prepare();
    const qint64 abba = addArtist(QStringLiteral("ABBA"));
    const qint64 guns = addArtist(QStringLiteral("Guns N' Roses"));
    const qint64 gold = addAlbum(abba, QStringLiteral("Gold"), 1992, true);
    addAlbum(abba, QStringLiteral("Arrival"), 1976);
    addAlbum(guns, QStringLiteral("Appetite"), 1987);
    QImage cover(40, 40, QImage::Format_RGB32);
    cover.fill(Qt::red);
    ASSERT_TRUE(cover.save(home() + QStringLiteral("Covers/%1.jpg").arg(gold)));

    startWindow();
    ASSERT_EQ(artists()->count(), 2);
    EXPECT_EQ(artists()->itemText(1), QStringLiteral("Guns N' Roses"));
    EXPECT_EQ(titleColumn(0), (QStringList{"Gold", "Arrival"}));
    EXPECT_EQ(coverTag(), QStringLiteral("J"));
    EXPECT_EQ(child<QLabel>("imgCover")->toolTip(), QStringLiteral("ABBA*Gold"));
    EXPECT_EQ(logoTag(), QStringLiteral("1"));
    EXPECT_EQ(child<QLabel>("imgLogo")->toolTip(), QStringLiteral("Mp3 playlist"));
    EXPECT_FALSE(titles()->isColumnHidden(2));
    EXPECT_TRUE(titles()->isColumnHidden(3));

    // An album without a cover file shows the built-in picture and reports nothing.
    clickAlbum(1);
    EXPECT_EQ(coverTag(), QStringLiteral("N"));
    EXPECT_EQ(logoTag(), QStringLiteral("0"));

    chooseArtist(1);
    EXPECT_EQ(titleColumn(0), QStringList{"Appetite"});
    EXPECT_TRUE(prompts.reports.isEmpty());

    // A cover file that is no picture is reported and the built-in picture is shown.
    QFile junk(home() + QStringLiteral("Covers/%1.jpg").arg(gold));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a jpeg at all");
    junk.close();
    chooseArtist(0);
    EXPECT_EQ(coverTag(), QStringLiteral("N"));
    ASSERT_EQ(prompts.reports.size(), 1);
    EXPECT_TRUE(prompts.reports[0].contains(QStringLiteral("Error number:\t75")));
}

TEST_F(MainWindowTest, DeletingAnAlbumAsksFirst)
{
    prepare();
    const qint64 abba = addArtist(QStringLiteral("ABBA"));
    addAlbum(abba, QStringLiteral("Gold"), 1992);
    addAlbum(abba, QStringLiteral("Arrival"), 1976);
    startWindow();

    prompts.answers = {MsgBox::no};
    QTest::keyClick(titles(), Qt::Key_Delete);
    ASSERT_EQ(prompts.boxes.size(), 1);
    EXPECT_EQ(prompts.boxes[0].prompt, QStringLiteral("'Gold' Remove"));
    EXPECT_EQ(prompts.boxes[0].title, QStringLiteral("Attention!"));
    EXPECT_EQ(prompts.boxes[0].buttons, MsgBox::yesNoQuestionDefaultNo);
    EXPECT_EQ(titleColumn(0).size(), 2);

    prompts.answers = {MsgBox::yes};
    QTest::keyClick(titles(), Qt::Key_Delete);
    EXPECT_EQ(titleColumn(0), QStringList{"Arrival"});
    EXPECT_EQ(rowsIn(QStringLiteral("Tracks")), 1);

    // Insert adds and Space edits an album: they open the title editor, not a question.
    for (const auto& [key, heading] :
         {std::pair{Qt::Key_Insert, "Album Add"}, std::pair{Qt::Key_Space, "Album Edit"}}) {
        QString shown;
        onNextModal(QStringLiteral("Titel"), [&shown](QWidget* editor) {
            shown = childOf<QLabel>(editor, "lblKop")->text();
            childOf<QPushButton>(editor, "cmdAnnuleer")->click();
        });
        QTest::keyClick(titles(), key);
        EXPECT_EQ(shown, QLatin1String(heading));
    }
    EXPECT_EQ(prompts.boxes.size(), 2);
}

TEST_F(MainWindowTest, DeletingArtistsCascadesAndClearsTheLastOne)
{
    prepare();
    const qint64 guns = addArtist(QStringLiteral("Guns N' Roses"));
    addAlbum(guns, QStringLiteral("Appetite"), 1987);
    startWindow();

    prompts.answers = {MsgBox::yes};
    window->menuEntry("mnuArtiest", 5)->trigger();
    ASSERT_EQ(prompts.boxes.size(), 1);
    EXPECT_EQ(prompts.boxes[0].prompt, QStringLiteral("Remove Guns N' Roses ?"));
    EXPECT_EQ(artists()->count(), 0);
    EXPECT_EQ(titles()->model()->rowCount(), 0);
    EXPECT_EQ(coverTag(), QStringLiteral("N"));
    for (const char* table : {"Artiest", "Titel", "Tracks"})
        EXPECT_EQ(rowsIn(QLatin1String(table)), 0) << table;
}

TEST_F(MainWindowTest, ColumnClicksToggleTheOrder)
{
    prepare();
    const qint64 a = addArtist(QStringLiteral("A"));
    addAlbum(a, QStringLiteral("b"), 1990);
    addAlbum(a, QStringLiteral("C"), 1980);
    addAlbum(a, QStringLiteral("a"), 2000);
    startWindow();
    auto* header = titles()->header();
    emit header->sectionClicked(1);
    EXPECT_EQ(titleColumn(1), (QStringList{"1980", "1990", "2000"}));
    emit header->sectionClicked(1);
    EXPECT_EQ(titleColumn(1), (QStringList{"2000", "1990", "1980"}));
    emit header->sectionClicked(0);
    EXPECT_EQ(titleColumn(0), (QStringList{"a", "b", "C"}));
}

TEST_F(MainWindowTest, CaptionsFollowTheLanguage)
{
    prepare({}, "300");
    startWindow();
    EXPECT_EQ(child<QPushButton>("cmdVerwijderen")->text(), QStringLiteral("Enrever"));
    EXPECT_EQ(child<QPushButton>("cmdEinde")->text(), QStringLiteral("Quitter"));
    EXPECT_EQ(child<QPushButton>("cmdTracks")->text(), QStringLiteral("Tracks"));
    EXPECT_EQ(window->topMenu(0)->title(), QStringLiteral("Info"));
    EXPECT_EQ(window->menuEntry("mnuOnderhoud", 4)->text(), QStringLiteral("Compresser"));

    session->settings.taal = QStringLiteral("100");
    window->ApplyMainLanguage();
    EXPECT_EQ(child<QPushButton>("cmdEinde")->text(), QStringLiteral("Afsluiten"));
    EXPECT_EQ(window->topMenu(1)->title(), QStringLiteral("Artiest"));
    EXPECT_EQ(titles()->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Drager"));
}

TEST_F(MainWindowTest, ExitAsksAndSavesPositionAndSelection)
{
    prepare();
    const qint64 a = addArtist(QStringLiteral("A"));
    const qint64 b = addArtist(QStringLiteral("B"));
    addAlbum(a, QStringLiteral("x"), 1990);
    addAlbum(b, QStringLiteral("y"), 1990);
    addAlbum(b, QStringLiteral("z"), 1980);
    startWindow();
    chooseArtist(1);
    titles()->setCurrentIndex(titles()->model()->index(1, 0));

    prompts.answers = {MsgBox::no};
    window->close();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(prompts.boxes.last().prompt, QStringLiteral("Quit Melotheek"));
    EXPECT_EQ(iniValue("Beeld", "LaatsteArtiest"), QStringLiteral("<none>"));

    prompts.answers = {MsgBox::yes};
    child<QPushButton>("cmdEinde")->click();
    EXPECT_EQ(iniValue("Beeld", "LaatsteArtiest"), QStringLiteral("1"));
    EXPECT_EQ(iniValue("Beeld", "LaatsteAlbum"), QStringLiteral("2"));
    EXPECT_NE(iniValue("Beeld", "MuziekTop"), QStringLiteral("<none>"));
    EXPECT_FALSE(window->isVisible());

    // The next start comes back to the same artist and album.
    prompts.boxes.clear();
    startWindow();
    EXPECT_EQ(artists()->currentIndex(), 1);
    EXPECT_EQ(titles()->currentIndex().row(), 1);
}

TEST_F(MainWindowTest, SavedSelectionOutOfRangeFallsBack)
{
    prepare("[Beeld]\nLaatsteArtiest=7\nLaatsteAlbum=9\nMuziekTop=abc\n");
    const qint64 a = addArtist(QStringLiteral("A"));
    addArtist(QStringLiteral("B"));
    addAlbum(a, QStringLiteral("x"), 1990);
    startWindow();
    EXPECT_EQ(artists()->currentIndex(), 0);
    EXPECT_EQ(titles()->currentIndex().row(), 0);
}

TEST_F(MainWindowTest, PlaylistIndicatorStartsThePlayer)
{
    const QString recorder = home() + QStringLiteral("player.sh");
    {
        QFile f(recorder);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\nprintf '%s' \"$1\" > \"$(dirname \"$0\")/played.txt\"\n");
    }
    QFile::setPermissions(recorder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    prepare(QStringLiteral("Speler=%1\n").arg(recorder).toUtf8());
    const qint64 a = addArtist(QStringLiteral("A"));
    const qint64 listed = addAlbum(a, QStringLiteral("listed"), 2000, true);
    addAlbum(a, QStringLiteral("plain"), 1990, false);
    startWindow();

    auto* logo = child<QLabel>("imgLogo");
    QTest::mouseDClick(logo, Qt::LeftButton);
    const QString played = home() + QStringLiteral("played.txt");
    for (int i = 0; i < 300 && !QFile::exists(played); ++i)
        QThread::msleep(10);
    QThread::msleep(50);
    QFile f(played);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(f.readAll()), home() + QStringLiteral("Playlist/%1.m3u").arg(listed));

    // Without the playlist flag a double click does nothing.
    clickAlbum(1);
    session->settings.speler.clear();
    QTest::mouseDClick(logo, Qt::LeftButton);
    EXPECT_TRUE(prompts.openedUrls.isEmpty());

    // Without a player the desktop's default program opens the playlist.
    clickAlbum(0);
    QTest::mouseDClick(logo, Qt::LeftButton);
    ASSERT_EQ(prompts.openedUrls.size(), 1);
    EXPECT_EQ(prompts.openedUrls[0].toLocalFile(), home() + QStringLiteral("Playlist/%1.m3u").arg(listed));
}

TEST_F(MainWindowTest, ACatalogueThatDoesNotOpenIsReportedAndTheListStaysEmpty)
{
    writeSettings();
    QFile f(dbPath());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("this is not a database, but the user's file");
    f.close();
    startWindow();
    EXPECT_EQ(artists()->count(), 0);
    ASSERT_EQ(prompts.reports.size(), 1);
    EXPECT_TRUE(prompts.reports[0].contains(QStringLiteral("Source:\t\tMuziek.FillArtistList")));
    QFile again(dbPath());
    ASSERT_TRUE(again.open(QIODevice::ReadOnly));
    EXPECT_EQ(again.readAll(), QByteArray("this is not a database, but the user's file"));
}

TEST_F(MainWindowTest, EveryButtonAndMenuEntryIsEnabled)
{
    startWindow();
    for (const char* name : {"cmdToevoegen", "cmdWijzigen", "cmdVerwijderen", "cmdTracks", "cmdDiscografie",
                             "cmdInfo", "cmdFoto"})
        EXPECT_TRUE(child<QPushButton>(name)->isEnabled()) << name;
    const std::pair<const char*, int> menus[] = {{"mnuInfo", 3},  {"mnuAlbum", 5}, {"mnuArtiest", 6},
                                                 {"mnuWizard", 2}, {"mnuExcel", 2}, {"mnuHtml", 2},
                                                 {"mnuBackup", 4}, {"mnuTerug", 4}};
    for (const auto& [array, entries] : menus)
        for (int entry = 0; entry < entries; ++entry)
            EXPECT_TRUE(window->menuEntry(array, entry)->isEnabled()) << array << entry;
    EXPECT_EQ(window->menuEntry("mnuOnderhoud", 2), nullptr);
    for (int entry : {4, 5})
        EXPECT_TRUE(window->menuEntry("mnuOnderhoud", entry)->isEnabled()) << entry;

    child<QPushButton>("cmdHelp")->click();
    ASSERT_EQ(prompts.openedUrls.size(), 1);
    EXPECT_TRUE(prompts.openedUrls[0].toLocalFile().endsWith(QStringLiteral("English.html")));
}

TEST_F(MainWindowTest, CdImportDiscographyAndTrackEditorOpenForTheSelection)
{
    prepare();
    const qint64 abba = addArtist(QStringLiteral("ABBA"));
    addAlbum(abba, QStringLiteral("Arrival"), 1976);
    startWindow();

    QString caption;
    auto closeAndKeepCaption = [&caption](QWidget* shown) {
        caption = shown->windowTitle();
        childOf<QPushButton>(shown, "cmdSluiten")->click();
    };
    const std::tuple<std::function<void()>, const char*, const char*> ways[] = {
        {[this] { child<QPushButton>("cmdDiscografie")->click(); }, "Discografie", "ABBA - Discography (0)"},
        {[this] { child<QPushButton>("cmdTracks")->click(); }, "Tracks", "Tracks:  Arrival"},
        {[this] { window->menuEntry("mnuArtiest", 2)->trigger(); }, "Discografie", "ABBA - Discography (0)"},
        {[this] { window->menuEntry("mnuAlbum", 3)->trigger(); }, "Tracks", "Tracks:  Arrival"}};
    for (const auto& [open, mode, expectedCaption] : ways) {
        onNextModal(QStringLiteral("Discografie"), closeAndKeepCaption);
        open();
        EXPECT_EQ(caption, QLatin1String(expectedCaption));
        EXPECT_EQ(session->listMode, QLatin1String(mode));
    }

    onNextModal(QStringLiteral("WizardCD"), [&caption](QWidget* wizard) {
        caption = wizard->windowTitle();
        childOf<QPushButton>(wizard, "cmdAnnuleren")->click();
    });
    window->menuEntry("mnuWizard", 0)->trigger();
    EXPECT_EQ(caption, QStringLiteral("Import CD"));
}

TEST_F(MainWindowTest, SettingsSwitchTheMenusLiveAndCancelSwitchesBack)
{
    prepare();
    startWindow();
    onNextModal(QStringLiteral("Instellingen"), [](QWidget* settings) {
        childOf<QComboBox>(settings, "cboTaal")->setCurrentIndex(3); // German
        // The main window follows while the settings window is still open.
        EXPECT_EQ(settings->parentWidget()->findChild<QPushButton*>(QStringLiteral("cmdEinde"))->text(),
                  QStringLiteral("Beenden"));
        childOf<QPushButton>(settings, "cmdCancel")->click();
    });
    window->menuEntry("mnuOnderhoud", 5)->trigger();
    EXPECT_EQ(child<QPushButton>("cmdEinde")->text(), QStringLiteral("Quit"));
    EXPECT_EQ(iniValue("Instellingen", "Taal"), QStringLiteral("200"));
}

TEST_F(MainWindowTest, HtmlOverviewOfTheCurrentArtistOpensInTheBrowser)
{
    FakeHome fakeHome;
    prepare();
    addAlbum(addArtist(QStringLiteral("<b>")), QStringLiteral("Bold & brave"), 2001);
    startWindow();
    window->menuEntry("mnuHtml", 0)->trigger();
    ASSERT_EQ(prompts.openedUrls.size(), 1);
    QFile page(prompts.openedUrls[0].toLocalFile());
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    EXPECT_TRUE(html.contains(QStringLiteral("&lt;b&gt;")));
    EXPECT_TRUE(html.contains(QStringLiteral("Bold &amp; brave")));
    EXPECT_TRUE(prompts.reports.isEmpty());
}

TEST_F(MainWindowTest, AlbumsAreAddedAndEditedAndReselected)
{
    prepare();
    const qint64 abba = addArtist(QStringLiteral("ABBA"));
    addAlbum(abba, QStringLiteral("Gold"), 1992);
    const qint64 arrival = addAlbum(abba, QStringLiteral("Arrival"), 1976);
    startWindow();

    // Add: the new album is listed and selected, its details shown.
    onNextModal(QStringLiteral("Titel"), [](QWidget* editor) {
        EXPECT_EQ(childOf<QLabel>(editor, "lblArtiest")->text(), QStringLiteral("ABBA"));
        childOf<QLineEdit>(editor, "txtTitel")->setText(QStringLiteral("Waterloo"));
        childOf<QLineEdit>(editor, "txtJaar")->setText(QStringLiteral("1974"));
        childOf<QCheckBox>(editor, "chkPlaylist")->setChecked(true);
        childOf<QPushButton>(editor, "cmdOk")->click();
    });
    child<QPushButton>("cmdToevoegen")->click();
    EXPECT_EQ(titleColumn(0), (QStringList{"Gold", "Arrival", "Waterloo"}));
    EXPECT_EQ(titleIdFromKey(session->currentTitleKey), window->selectedAlbumId());
    EXPECT_EQ(titles()->currentIndex().row(), 2);
    EXPECT_EQ(logoTag(), QStringLiteral("1"));

    // Edit by double click: the editor shows the clicked album; the stored one is reselected.
    const QModelIndex arrivalRow = titles()->model()->index(1, 0);
    titles()->setCurrentIndex(arrivalRow);
    onNextModal(QStringLiteral("Titel"), [](QWidget* editor) {
        EXPECT_EQ(childOf<QLineEdit>(editor, "txtTitel")->text(), QStringLiteral("Arrival"));
        EXPECT_EQ(childOf<QLineEdit>(editor, "txtJaar")->text(), QStringLiteral("1976"));
        childOf<QLineEdit>(editor, "txtJaar")->setText(QStringLiteral("2000"));
        childOf<QPushButton>(editor, "cmdOk")->click();
    });
    emit titles()->doubleClicked(arrivalRow);
    EXPECT_EQ(titleColumn(0), (QStringList{"Arrival", "Gold", "Waterloo"}));
    EXPECT_EQ(window->selectedAlbumId(), arrival);
    EXPECT_EQ(session->currentTitleKey, titleKey(arrival));

    // A cover chosen while editing is copied at once and shown; cancelling keeps it.
    QImage picture(30, 30, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    const QString chosen = home() + QStringLiteral("chosen.jpg");
    ASSERT_TRUE(picture.save(chosen));
    prompts.chosenFiles = {chosen};
    EXPECT_EQ(coverTag(), QStringLiteral("N"));
    QString tagWhileOpen;
    onNextModal(QStringLiteral("Titel"), [this, &tagWhileOpen](QWidget* editor) {
        childOf<QPushButton>(editor, "cmdHoesje")->click();
        tagWhileOpen = coverTag();
        childOf<QPushButton>(editor, "cmdAnnuleer")->click();
    });
    window->menuEntry("mnuAlbum", 1)->trigger();
    EXPECT_EQ(tagWhileOpen, QStringLiteral("J"));
    EXPECT_EQ(coverTag(), QStringLiteral("J"));
    EXPECT_TRUE(QFile::exists(home() + QStringLiteral("Covers/%1.jpg").arg(arrival)));
    EXPECT_EQ(titleColumn(1).value(0), QStringLiteral("2000"));

    // A picture chosen for an album that is then not added leaves the selected album's cover.
    clickAlbum(1); // Gold, no cover
    prompts.chosenFiles = {chosen};
    onNextModal(QStringLiteral("Titel"), [](QWidget* editor) {
        childOf<QPushButton>(editor, "cmdHoesje")->click();
        childOf<QPushButton>(editor, "cmdAnnuleer")->click();
    });
    window->menuEntry("mnuAlbum", 0)->trigger();
    EXPECT_EQ(coverTag(), QStringLiteral("N"));
    EXPECT_EQ(titleColumn(0).size(), 3);
    EXPECT_TRUE(prompts.reports.isEmpty()) << prompts.reports.join("\n").toStdString();
}

TEST_F(MainWindowTest, ArtistsAreAddedAndRenamedAndReselected)
{
    prepare();
    const qint64 abba = addArtist(QStringLiteral("ABBA"));
    addArtist(QStringLiteral("Queen"));
    addAlbum(abba, QStringLiteral("Gold"), 1992);
    startWindow();

    auto typeName = [](const QString& name) {
        onNextModal(QStringLiteral("Artiest"), [name](QWidget* editor) {
            childOf<QLineEdit>(editor, "txtArtiest")->setText(name);
            childOf<QPushButton>(editor, "cmdOk")->click();
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
    onNextModal(QStringLiteral("Artiest"), [&shownName](QWidget* editor) {
        shownName = childOf<QLineEdit>(editor, "txtArtiest")->text();
        childOf<QLineEdit>(editor, "txtArtiest")->setText(QStringLiteral(" Björn "));
        childOf<QPushButton>(editor, "cmdOk")->click();
    });
    window->menuEntry("mnuArtiest", 4)->trigger();
    EXPECT_EQ(shownName, QStringLiteral("ABBA"));
    EXPECT_EQ(artists()->currentText(), QStringLiteral("Björn"));
    EXPECT_EQ(window->selectedArtistId(), abba);
    EXPECT_EQ(titleColumn(0), QStringList{"Gold"});

    // Cancelling changes nothing.
    onNextModal(QStringLiteral("Artiest"), [](QWidget* editor) {
        childOf<QLineEdit>(editor, "txtArtiest")->setText(QStringLiteral("Other"));
        childOf<QPushButton>(editor, "cmdAnnuleer")->click();
    });
    window->menuEntry("mnuArtiest", 4)->trigger();
    EXPECT_EQ(artists()->currentText(), QStringLiteral("Björn"));
    EXPECT_EQ(artists()->count(), 4);
}

TEST_F(MainWindowTest, MovingAnAlbumTakesItOutOfTheList)
{
    prepare();
    const qint64 abba = addArtist(QStringLiteral("ABBA"));
    const qint64 queen = addArtist(QStringLiteral("Queen"));
    const qint64 gold = addAlbum(abba, QStringLiteral("Gold"), 1992, true);
    addAlbum(abba, QStringLiteral("Arrival"), 1976);
    startWindow();
    ASSERT_EQ(window->selectedAlbumId(), gold);

    // The own artist first ("Same artist."), then Queen.
    onNextModal(QStringLiteral("VerplaatsTitel"), [](QWidget* mover) {
        auto* choice = childOf<QComboBox>(mover, "cboNewArtiest");
        auto* ok = childOf<QPushButton>(mover, "cmdOK");
        choice->setCurrentIndex(choice->findText(QStringLiteral("ABBA")));
        ok->click();
        choice->setCurrentIndex(choice->findText(QStringLiteral("Queen")));
        ok->click();
    });
    prompts.answers = {MsgBox::ok, MsgBox::yes};
    window->menuEntry("mnuAlbum", 4)->trigger();
    ASSERT_EQ(prompts.boxes.size(), 2);
    EXPECT_EQ(prompts.boxes[0].prompt, QStringLiteral("Same artist."));
    EXPECT_EQ(prompts.boxes[1].prompt, QStringLiteral("'Gold' >> 'Queen' ?"));
    EXPECT_EQ(titleColumn(0), QStringList{"Arrival"});
    EXPECT_EQ(logoTag(), QStringLiteral("0"));
    chooseArtist(1);
    EXPECT_EQ(window->selectedArtistId(), queen);
    EXPECT_EQ(titleColumn(0), QStringList{"Gold"});
}

TEST_F(MainWindowTest, ArtistAndAlbumWindowsOpenFromTheirButtons)
{
    prepare();
    const qint64 abba = addArtist(QStringLiteral("ABBA"));
    addAlbum(abba, QStringLiteral("Gold"), 1992, true);
    startWindow();

    // Biography: beside the main window, not modal.
    child<QPushButton>("cmdInfo")->click();
    EXPECT_EQ(child<QPushButton>("cmdInfo")->property("tag").toString(), QString::number(abba));
    auto* info = window->findChild<QWidget*>(QStringLiteral("Info"));
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(info->isVisible());
    EXPECT_FALSE(info->isModal());
    info->close();
    window->menuEntry("mnuArtiest", 0)->trigger();
    EXPECT_TRUE(info->isVisible());
    info->close();

    // Photos, and the track list from the playlist indicator's right button.
    for (const char* name : {"Foto", "Tracks"}) {
        bool opened = false;
        onNextModal(QLatin1String(name), [&opened](QWidget* shown) {
            opened = true;
            shown->close();
        });
        if (QLatin1String(name) == QLatin1String("Foto"))
            window->menuEntry("mnuArtiest", 1)->trigger();
        else
            QTest::mousePress(child<QLabel>("imgLogo"), Qt::RightButton);
        EXPECT_TRUE(opened) << name;
    }

    // The cover enlargement lives while the right button is held on the cover.
    auto* cover = child<QLabel>("imgCover");
    QTest::mousePress(cover, Qt::RightButton);
    QWidget* enlargement = window->findChild<QWidget*>(QStringLiteral("Vergroting"));
    ASSERT_NE(enlargement, nullptr);
    EXPECT_TRUE(enlargement->isVisible());
    QTest::mouseRelease(cover, Qt::RightButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window->findChild<QWidget*>(QStringLiteral("Vergroting")), nullptr);
}

} // namespace
