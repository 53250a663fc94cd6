#pragma once

#include "editing/playlistfile.h"

#include <QDialog>
#include <QString>

class QPushButton;
class QRadioButton;
class Session;
class QTreeWidget;
class UserPrompts;

// `Playlist`, the modal playlist builder: lists the music files of one folder, lets the user
// put them in order and drop some, and writes the album's playlist `MuziekDir` + id + ".m3u".
//
// Controls: `optCodec_0` ("mp3"), `optCodec_1` ("wma", chosen when the window opens),
// `optCodec_2` (flac, ogg, opus and m4a); `lvBestanden` the files in playlist order;
// `cmdHoog` / `cmdLaag` move the selected file up / down; `cmdWeg` drops it from the list
// (never from the disk); `cmdMaak` writes the playlist and closes (accepted); `cmdStop`
// closes without writing (rejected). A folder that cannot be listed and a playlist that
// cannot be written are reported through the error window; a failed write leaves any earlier
// playlist of the album as it was and keeps the window open.
class PlaylistBuilder : public QDialog {
    Q_OBJECT
public:
    // `folder` is the music folder (a trailing "/" is added when missing); `titleId` the album
    // whose playlist is written.
    PlaylistBuilder(Session& session, UserPrompts& prompts, const QString& folder,
                    qint64 titleId, QWidget* parent = nullptr);

    // The file names in list order, as they would be written.
    QStringList entries() const;

private:
    void fill();
    void moveSelected(int step);
    void removeSelected();
    void make();
    void report(int number, const QString& text, const QString& where);
    void selectRow(int row);
    MusicKind chosenKind() const;

    Session& session_;
    UserPrompts& prompts_;
    QString folder_;
    qint64 titleId_;

    QRadioButton* optCodec_[3];
    QTreeWidget* lvBestanden_;
    QPushButton* cmdHoog_;
    QPushButton* cmdLaag_;
    QPushButton* cmdWeg_;
    QPushButton* cmdMaak_;
    QPushButton* cmdStop_;
};
