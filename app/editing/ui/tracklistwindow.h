#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class Session;
class UserPrompts;

// `Tracks`, the modal track list of an album: one line per entry of its playlist
// `MuziekDir` + id + ".m3u", in a scrolling list that holds any number of lines.
//
// Controls: `lblTracks_0` the notice "Geen Tracks", shown only when the playlist could not be
// read; `lblTracks` the list of entries (an item's text is the file name without folder and
// extension, its Qt::UserRole data the whole line); `lblTag_0` .. `lblTag_7` artist, title,
// album, year, the file's date and time, comment, genre and length, hidden until a file's tags
// were shown (any tag format; a file without tags shows only its date); `cmdSluiten` ("Ok")
// closes. The line under the mouse is drawn blue. A left click (or Enter) plays the entry's
// file with `Speler` (the desktop's default program when none is set); a right click (or the
// context-menu key) shows the file's tags. A playlist that cannot be read and a player
// that cannot be started are reported through the error window.
class TrackListWindow : public QDialog {
    Q_OBJECT
public:
    // Reads the playlist at once; a failure is reported over `parent` before the window shows.
    TrackListWindow(Session& session, UserPrompts& prompts, qint64 titleId, QWidget* parent = nullptr);

    // The playlist's entries in file order.
    const QStringList& entries() const { return entries_; }

    // Plays entry `row` / shows its tag (what the mouse buttons do).
    void playEntry(int row);
    void showTagOf(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void load(qint64 titleId);
    void highlight(QListWidgetItem* item);

    Session& session_;
    UserPrompts& prompts_;
    QStringList entries_;

    QLabel* lblGeenTracks_;
    QListWidget* lblTracks_;
    static constexpr int tagLabelCount = 8;
    QLabel* lblTag_[tagLabelCount];
    QPushButton* cmdSluiten_;
    QListWidgetItem* highlighted_ = nullptr;
};
