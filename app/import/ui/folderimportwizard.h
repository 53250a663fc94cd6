#pragma once

#include "import/folderalbums.h"

#include <QDialog>
#include <QImage>
#include <QList>

class FolderTrackModel;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class Session;
class UserPrompts;

// `WizardMap`, the modal window that imports an album from a folder of music files: the user
// picks the folder (`cmdMap`), the files' tags are read on a worker thread behind the progress
// window, and the album they make is shown for correction (artist, title, year, carrier and
// the track grid `grdTracks`, with the cover found). A folder holding several albums offers
// them in `cboAlbum`; files that belong to none are named in `lblOverslagen`. `cmdImporteren`
// stores the album as corrected, asking first when the catalogue has it already.
class FolderImportWizard : public QDialog {
    Q_OBJECT
public:
    FolderImportWizard(Session& session, UserPrompts& prompts, QWidget* parent = nullptr);
    ~FolderImportWizard() override;

    // The caption of the menu entry that opens the window, in the current language.
    static QString menuCaption();

    // The last album stored, 0 before.
    qint64 importedTitleId() const { return importedTitleId_; }

signals:
    // An album was stored under the artist `artistId` (new or found by name).
    void imported(qint64 artistId, qint64 titleId);

private:
    // A found album with the cover it brings along.
    struct Candidate {
        FolderAlbum album;
        QImage cover;
        QString coverOrigin;
    };

    void buildWidgets();
    void offerCataloguedArtists();
    void chooseFolder();
    void readFolder(const QString& folder);
    void showLeftOut(const QString& folder, const AlbumGrouping& grouping, const QStringList& unreadable);
    void fillAlbumChoice();
    void showCandidate(int index);
    // Writes the fields back into the candidate shown, so a change of album keeps them.
    void keepCorrections();
    void store();

    Session& session_;
    UserPrompts& prompts_;
    QList<Candidate> candidates_;
    int shown_ = -1;
    qint64 importedTitleId_ = 0;

    QLabel* lblStatus_ = nullptr;
    QLabel* lblToelichting_ = nullptr;
    QLineEdit* txtMap_ = nullptr;
    QPushButton* cmdMap_ = nullptr;
    QLabel* lblOverslagen_ = nullptr;
    QGroupBox* fraAlbum_ = nullptr;
    QComboBox* cboAlbum_ = nullptr;
    QLineEdit* txtArtiest_ = nullptr;
    QLineEdit* txtTitel_ = nullptr;
    QLineEdit* txtJaar_ = nullptr;
    QLineEdit* txtDrager_ = nullptr;
    QTableView* grdTracks_ = nullptr;
    FolderTrackModel* tracks_ = nullptr;
    QLabel* imgCover_ = nullptr;
    QPushButton* cmdImporteren_ = nullptr;
    QPushButton* cmdAnnuleren_ = nullptr;
};
