#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QPushButton;
class Session;
class UserPrompts;

// `VerplaatsTitel`, the modal window that gives an album to another artist.
//
// `cboNewArtiest` lists every artist (none chosen when the window opens); `cmdOK` refuses the
// album's own artist ("Same artist."), asks for confirmation and moves the album, then closes
// (accepted); `cmdAnnuleren` closes without change (rejected). A failure is reported and the
// window stays open.
class MoveAlbumWindow : public QDialog {
    Q_OBJECT
public:
    // The album `titleId`, listed as `albumText`, now belongs to `currentArtistId`. The artist
    // list is read here; a failure to read it is reported over `parent`.
    MoveAlbumWindow(Session& session, UserPrompts& prompts, qint64 currentArtistId, qint64 titleId,
        const QString& albumText, QWidget* parent = nullptr);

    // True once the album was moved.
    bool moved() const { return moved_; }

private:
    void fillArtists();
    void move();

    Session& session_;
    UserPrompts& prompts_;
    qint64 currentArtistId_;
    qint64 titleId_;
    QString albumText_;
    bool moved_ = false;

    QComboBox* cboNewArtiest_;
    QPushButton* cmdOK_;
    QPushButton* cmdAnnuleren_;
};
