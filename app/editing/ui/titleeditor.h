#pragma once

#include "db/catalogue.h"

#include <QDialog>
#include <QHash>
#include <QString>

class PictureLabel;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class Session;
class UserPrompts;

// `Titel`, the modal title editor: adds an album to an artist or edits one.
//
// The caller sets the session's `editMode`, creates a fresh editor, hands it what it needs
// (artist id, album id, the artist's name and the album's list row) and runs it with exec().
// The editor fills its fields when it is first shown. OK stores one `Titel` row and leaves
// "ID" + id in the session's `currentTitleKey`; Cancel (`cmdAnnuleer`, also Escape) stores
// nothing and sets userCancelled(). Closing the window by its frame stores nothing either but
// leaves userCancelled() false, so the caller reloads its list as after OK.
//
// A cover chosen with `cmdHoesje` is copied to `CoverDir` + id + ".jpg" at once when editing,
// and when adding only once OK has given the album its id. coverShown() tells the main window
// which picture to show meanwhile.
class TitleEditor : public QDialog {
    Q_OBJECT
public:
    TitleEditor(Session& session, UserPrompts& prompts, QWidget* parent = nullptr);

    // `lArtiestId`: the artist a new album belongs to (add mode).
    void setArtiestId(qint64 artistId) { artiestId_ = artistId; }
    qint64 artiestId() const { return artiestId_; }
    // `lTitelId`: the album being edited (edit mode); 0 when adding.
    void setTitelId(qint64 titleId) { titelId_ = titleId; }
    qint64 titelId() const { return titelId_; }
    // `bUserCancelled`.
    bool userCancelled() const { return userCancelled_; }
    // `strHoesje`: the picture chosen as cover while adding, "" when none.
    const QString& chosenCover() const { return strHoesje_; }

    // The name shown in `lblArtiest` (the main window's selected artist).
    void setArtistName(const QString& name) { artistName_ = name; }
    // The main window's selected album as listed; edit mode fills the fields from it.
    void setSelectedAlbum(const TitleRow& row) { selected_ = row; }

signals:
    // A picture to show as the album's cover in the main window: the stored cover after it
    // was replaced (`stored` true), or the picture chosen for an album not stored yet.
    void coverShown(const QString& path, bool stored);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWidgets();
    void load();
    void fillFromSelected();
    void store();
    void cancel();
    void chooseCover();
    void showDiscId();
    void openPlaylistChooser();
    void openHelp();

    Session& session_;
    UserPrompts& prompts_;
    qint64 artiestId_ = 0;
    qint64 titelId_ = 0;
    bool userCancelled_ = false;
    bool editMode_ = false; // the session's `editMode` when the window opened
    bool loaded_ = false;
    QString strHoesje_;
    QString artistName_;
    TitleRow selected_;
    // Enter in one of these fields moves the focus to the next one.
    QHash<QObject*, QWidget*> nextOnEnter_;

    QLabel* lblKop_;
    QLabel* lblArtiest_;
    QLineEdit* txtTitel_;
    QLineEdit* txtJaar_;
    QComboBox* cboDrager_;
    QDateEdit* dtpGekocht_;
    QCheckBox* chkPlaylist_;
    QLineEdit* txtBijzonderheden_;
    QLineEdit* txtDuur_;
    PictureLabel* lblCdid_;
    QPushButton* cmdHoesje_;
    QPushButton* cmdList_;
    QPushButton* cmdOk_;
    QPushButton* cmdAnnuleer_;
};
