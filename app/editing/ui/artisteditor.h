#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class Session;
class UserPrompts;

// `Artiest`, the small modal artist editor: adds an artist or renames one.
//
// The caller sets the session's `currentArtistName` (empty to add, the artist's name to
// rename), creates a fresh editor, sets the artist's id when renaming and runs it with
// exec(). OK stores the trimmed name (another artist may carry the same name) and leaves it
// in `currentArtistName`; Cancel (`cmdAnnuleer`, also Escape) stores nothing and sets
// userCancelled(). The window's "tag" property holds the mode: "1" add, "0" edit.
class ArtistEditor : public QDialog {
    Q_OBJECT
public:
    ArtistEditor(Session& session, UserPrompts& prompts, QWidget* parent = nullptr);

    // The artist to rename; 0 (the default) adds a new artist. The mode follows the id, not
    // the name, so an artist whose name is empty is renamed rather than added again.
    void setArtiestId(qint64 artistId) { artiestId_ = artistId; }
    qint64 artiestId() const { return artiestId_; }
    // `bUserCancelled`.
    bool userCancelled() const { return userCancelled_; }
    // The id of the artist stored by OK (the new one when adding), 0 before.
    qint64 storedArtistId() const { return storedId_; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void load();
    void store();
    void cancel();

    Session& session_;
    UserPrompts& prompts_;
    qint64 artiestId_ = 0;
    qint64 storedId_ = 0;
    bool userCancelled_ = false;
    bool loaded_ = false;

    QLabel* lblKopregel_;
    QLineEdit* txtArtiest_;
    QPushButton* cmdOk_;
    QPushButton* cmdAnnuleer_;
};
