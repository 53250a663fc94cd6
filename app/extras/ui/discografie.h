#pragma once

#include "extras/discographyrows.h"
#include "import/inipropertystore.h"

#include <QDialog>

class DiscovantWidget;
class QComboBox;
class QPushButton;
class QTableView;
class QToolButton;
class RecordsetModel;
class Session;
class UserPrompts;

// What the discography window lists: the artist's discography or the album's tracks.
struct DiscographySubject {
    qint64 artistId = 0;
    QString artistName;
    qint64 titleId = 0;
    QString albumTitle;
    QString albumLength;
};

// `Discografie`: the discography of an artist or the tracks of an album (by the session's
// `ListMode`) in the grid `fgDisco`, with add, edit (also a double-click) and remove through
// the `Album` window. For tracks, `cmdFreedb` fetches the disc's track list through the
// control `Discovant1`, shows it and, when the user agrees, stores it after or instead of
// the old tracks and stamps the album; that closes the window. For a discography,
// `cmdMusicBrainz` adds the albums MusicBrainz lists for the artist, those the user ticks.
class Discografie : public QDialog {
    Q_OBJECT
public:
    Discografie(
        Session& session, UserPrompts& prompts, const DiscographySubject& subject, QWidget* parent = nullptr);
    ~Discografie() override;

    DiscovantWidget* discovant() { return discovant1_; }
    // Whether a CD lookup stored tracks (the album's length and disc id changed with them).
    bool tracksStored() const { return tracksStored_; }

private:
    void buildWidgets();
    void LoadList();
    void fitWidth();
    void addEntry();
    void EditEntry();
    void removeEntry();
    void fetchFromCd();
    void fillFromMusicBrainz();
    // The grid's current row, -1 when there is none.
    int currentRow() const;
    QString cell(int row, int column) const;
    void reportDb(const DbError& error, const QString& where);

    Session& session_;
    UserPrompts& prompts_;
    DiscographySubject subject_;
    ListKind kind_;
    IniPropertyStore store_;
    bool tracksStored_ = false;

    QTableView* fgDisco_ = nullptr;
    RecordsetModel* model_ = nullptr;
    QPushButton* cmdToevoegen_ = nullptr;
    QPushButton* cmdWijzigen_ = nullptr;
    QPushButton* cmdVerwijderen_ = nullptr;
    QPushButton* cmdSluiten_ = nullptr;
    QComboBox* cboDrive_ = nullptr;
    QToolButton* cmdFreedb_ = nullptr;
    QPushButton* cmdMusicBrainz_ = nullptr;
    DiscovantWidget* discovant1_ = nullptr;
};
