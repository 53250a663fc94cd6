#pragma once

#include "db/catalogue.h"
#include "shell/errorreport.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

class ArtistListModel;
class InfoWindow;
class MaintenanceCommands;
enum class ExportScope : int;
class PictureLabel;
class QAction;
class QComboBox;
class QFrame;
class QMenu;
class QModelIndex;
class QPushButton;
class QTreeView;
class Session;
class TitleListModel;
class UserPrompts;
class Vergroting;

// `Muziek`, the main window: one artist at a time with the artist's albums, the cover and
// playlist indicator of the selected album, and the buttons and menus that lead everywhere.
// Its start() performs the program's start-up; its exit saves position and selection.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Session& session, UserPrompts& prompts, QString helpFolder, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Reads the settings (writing them on a first start), applies the language, fills the
    // artist list and restores the last selection.
    void start();

    // Sets every caption of the window from the current language.
    void ApplyMainLanguage();

    // The help page of the current language, as set at start-up.
    const QString& helpPage() const { return helpPage_; }

    // Fixed size in pixels (7050 x 5595 twips); the window grows beyond it only when its
    // content needs more room (a larger font, longer captions).
    static QSize fixedWindowSize();

    // The window's menu entries by array name and index ("mnuArtiest", 5).
    QAction* menuEntry(const QString& array, int index) const;
    QMenu* topMenu(int index) const;

    // Selected artist / album, or 0 when none.
    qint64 selectedArtistId() const;
    qint64 selectedAlbumId() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWidgets();
    void fitFixedSize();
    void buildMenus();
    QAction* addEntry(QMenu* menu, const QString& array, int index, const QString& fixedCaption = {});

    Catalogue catalogue() const;
    void report(const AppError& error);
    void reportDb(const DbError& error, const QString& source);

    bool fillArtistList();
    void selectArtist(int position);
    void onArtistChosen();
    void fillTitleList();
    void selectAlbumRow(int row);
    // The current row moved by a click or a key: select it and show its details.
    void onCurrentAlbumChanged(const QModelIndex& current);
    // The album list's context menu: play, track list, enlarged cover.
    void buildAlbumMenu();
    void showAlbumMenu(const QPoint& globalPosition);
    void showAlbumDetails();
    void clearAlbumDetails();
    void showPlainLogo();
    void showNoCover();

    // The selected album's list row, or nullptr when none is selected.
    const TitleRow* selectedTitleRow() const;
    // Shows a picture file in `imgCover` at the cover's size; false (reported as `where`)
    // when it cannot be shown.
    bool showCoverFile(const QString& path, const QString& where);
    // Refills the album list and selects the album with `key` (the first one when it is not
    // listed), then shows its details.
    void reloadTitlesAndSelect(const QString& key);
    // Shows the selected album's details; with none selected, the plain logo and the
    // built-in picture for a missing cover.
    void refreshAlbumDetails();
    // Refills the artist list and selects the artist `artistId` named `name`; the first one
    // of that name when no such pair is listed; else the one selected before.
    void reloadArtistsAndSelect(qint64 artistId, const QString& name);

    void addAlbum();
    void editAlbum();
    void runTitleEditor(qint64 artistId, qint64 titleId);
    void addArtist();
    void editArtist();
    void runArtistEditor(qint64 artistId);
    void moveAlbum();
    void deleteAlbum();
    void deleteArtist();
    void showBiography();
    void showPhotos();
    void showTrackList();
    void showEnlargement();
    void closeEnlargement();
    void openHelp();

    // The statistics, about, search and settings windows, and the two exports.
    void showStatistics();
    void showAbout();
    void showSearch();
    // The CD import wizard, and the discography window as discography or track editor.
    void showImportWizard();
    // The import of an album from a folder of music files; the stored album is selected.
    void showFolderImport();
    // Importing a whole music library, and a Discogs collection list.
    void showLibraryWizard();
    void importDiscogs();
    void showDiscography();
    void showTrackEditor();
    void showSettings();
    void exportHtml(ExportScope scope);
    void exportWorkbook(ExportScope scope);
    // Reads the whole catalogue again (after a restore or a new database path).
    void reloadCatalogue();
    void startPlayer();
    void sortByColumn(int column);

    // Asks the exit question; on Yes saves position and selection and returns true.
    bool confirmExit();
    void exitProgram();

    Session& session_;
    UserPrompts& prompts_;
    MaintenanceCommands* maintenance_ = nullptr;
    QString helpFolder_;
    QString helpPage_;

    ArtistListModel* artistModel_;
    TitleListModel* titleModel_;
    QComboBox* cboArtiest_ = nullptr;
    QTreeView* lvTitels_ = nullptr;
    PictureLabel* imgCover_ = nullptr;
    PictureLabel* imgLogo_ = nullptr;
    QFrame* frame1_ = nullptr;
    QPushButton* cmdToevoegen_ = nullptr;
    QPushButton* cmdWijzigen_ = nullptr;
    QPushButton* cmdVerwijderen_ = nullptr;
    QPushButton* cmdTracks_ = nullptr;
    QPushButton* cmdDiscografie_ = nullptr;
    QPushButton* cmdInfo_ = nullptr;
    QPushButton* cmdFoto_ = nullptr;
    QPushButton* cmdHelp_ = nullptr;
    QPushButton* cmdEinde_ = nullptr;

    QPointer<InfoWindow> info_;
    QPointer<Vergroting> vergroting_;

    QMenu* albumMenu_ = nullptr;
    QAction* actSpelen_ = nullptr;
    QAction* actTracks_ = nullptr;
    QAction* actVergroting_ = nullptr;
    QAction* mnuMapImport_ = nullptr;
    QAction* mnuCovers_ = nullptr;
    QAction* mnuBibliotheek_ = nullptr;
    QAction* mnuDiscogs_ = nullptr;

    QList<QMenu*> mnuKop_;
    QHash<QString, QHash<int, QAction*>> menuArrays_;

    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
    bool exiting_ = false;
    // True while the program itself moves the current album (it shows the details after).
    bool selectingAlbum_ = false;
};
