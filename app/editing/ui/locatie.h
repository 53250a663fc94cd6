#pragma once

#include <QDialog>
#include <QString>

class QFileSystemModel;
class QPushButton;
class QTreeView;
class Session;
class UserPrompts;

// `Locatie`, the small modal folder chooser: a tree of the file system's folders.
//
// Its tag says what the folder is for:
//   "0"        the music folder of an album's playlist: OK opens the playlist builder for
//              that folder and album (the chooser stays open underneath it), then closes;
//   "2" .. "5" a folder of the settings window (covers, playlists, backups, photos): OK
//              closes and chosenFolder() holds the folder.
// Cancel (`cmdAnnuleren`) closes without a choice. The tree starts at `startAt` (the field's
// value) when it names a folder, else at the user's Music folder (Pictures for covers and
// photos), else at the home folder.
class Locatie : public QDialog {
    Q_OBJECT
public:
    // `titleId` is the album whose playlist is built (tag "0" only; ignored otherwise).
    Locatie(Session& session, UserPrompts& prompts, const QString& tag, qint64 titleId = 0,
        QWidget* parent = nullptr, const QString& startAt = {});

    const QString& tag() const { return tag_; }

    // The folder chosen with OK, ending in one "/"; "" when the chooser was cancelled or OK
    // was not pressed yet.
    const QString& chosenFolder() const { return chosenFolder_; }

    // The folder selected in the tree right now, ending in one "/" ("" when none is).
    QString currentFolder() const;
    // Selects `folder` in the tree and scrolls it into view; false when it is not a folder.
    bool setCurrentFolder(const QString& folder);

private:
    void applyCaptions();
    void accept() override;

    Session& session_;
    UserPrompts& prompts_;
    QString tag_;
    qint64 titleId_;
    QString chosenFolder_;

    QFileSystemModel* model_;
    QTreeView* dir1_;
    QPushButton* cmdOK_;
    QPushButton* cmdAnnuleren_;
};
