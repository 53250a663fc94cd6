#pragma once

#include "import/inipropertystore.h"

#include <QByteArray>
#include <QDialog>

class DiscovantWidget;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QToolButton;
class Session;
class UserPrompts;

// `WizardCD`, the modal CD import wizard: reads the disc in a drive (or a disc image), looks
// it up through its Discovant control `Discovant1` and stores the album with its tracks.
//
// One step button, `cmdOK`, whose tag holds the step: "1" collect (read and look up; message
// 50 or 51 keeps the wizard here), "2" import (store, or report that the disc is catalogued
// already), "9" finish (close). The artist, album and tracks are stored in one transaction;
// a failure stores nothing, is reported, and leaves the wizard ready to try again.
//
// Step 2 says which source answered (`lblBron`). After a MusicBrainz answer the release's
// front cover is fetched and shown (`imgCover`) with the ticked "Use this cover"
// (`chkCover`), which has the import store it as the album's cover; no cover, or a failed
// download, is said in `lblCover` and the import goes on without one.
class WizardCD : public QDialog {
    Q_OBJECT
public:
    WizardCD(Session& session, UserPrompts& prompts, QWidget* parent = nullptr);
    ~WizardCD() override;

    DiscovantWidget& discovant() { return *discovant1_; }
    // The album stored by the import step, 0 before.
    qint64 importedTitleId() const { return importedTitleId_; }

signals:
    // An album was stored: the main window refills its artist list.
    void imported();

private:
    void buildWidgets();
    void fillDrives();
    void fillArtists();
    void browseImage();
    void step();
    void collect();
    void showSource();
    void fetchCover();
    void storeFetchedCover();
    void growToContent();
    void importDisc();
    void showClosingDisplay();
    // The id of the artist chosen from the list, 0 when the text is not a list entry.
    qint64 chosenArtistId() const;

    Session& session_;
    UserPrompts& prompts_;
    IniPropertyStore store_;
    qint64 importedTitleId_ = 0;
    QByteArray coverBytes_; // the fetched front cover, empty when there is none

    QComboBox* cboDrive_ = nullptr;
    QToolButton* cmdBladeren_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdAnnuleren_ = nullptr;
    QPushButton* cmdInstellingen_ = nullptr;
    QLabel* lblStatus_ = nullptr;
    QLabel* lblToelichting_ = nullptr;
    QGroupBox* fraImport_ = nullptr;
    QLabel* lblAlbum_ = nullptr;
    QLabel* lblTracks_ = nullptr;
    QComboBox* cboArtiest_ = nullptr;
    QLabel* lblBron_ = nullptr;
    QLabel* imgCover_ = nullptr;
    QLabel* lblCover_ = nullptr;
    QCheckBox* chkCover_ = nullptr;
    QLabel* lblExtra_ = nullptr;
    QLabel* imgBericht_ = nullptr;
    DiscovantWidget* discovant1_ = nullptr;
};
