#pragma once

#include "discovant/musicbrainz/answers.h"

#include <QDialog>
#include <vector>

class QCheckBox;
class QListView;
class QStandardItemModel;
class QStringListModel;
class Session;
class UserPrompts;

// `ArtiestKeuze`: the artists MusicBrainz knows by one name, each with its disambiguation,
// in `lvArtiesten`; the user picks the one meant.
class ArtistChooser : public QDialog {
    Q_OBJECT
public:
    ArtistChooser(Session& session, UserPrompts& prompts,
        const std::vector<discovant::musicbrainz::Artist>& artists, QWidget* parent = nullptr);
    // The chosen artist's place in the list given, -1 when none.
    int chosen() const;

private:
    QListView* lvArtiesten_;
    QStringListModel* model_;
};

// `DiscografieKeuze`: the artist's release groups with their first-release year in
// `lvAlbums`, each with a check box. Albums are listed; `chkEP`, `chkSingle` and
// `chkCompilatie` add those kinds. `cmdToevoegen` takes the ticked rows that are listed.
class ReleaseGroupChooser : public QDialog {
    Q_OBJECT
public:
    ReleaseGroupChooser(Session& session, UserPrompts& prompts,
        std::vector<discovant::musicbrainz::ReleaseGroup> groups, QWidget* parent = nullptr);
    std::vector<discovant::musicbrainz::ReleaseGroup> ticked() const;

private:
    void filter();

    std::vector<discovant::musicbrainz::ReleaseGroup> groups_;
    QListView* lvAlbums_;
    QStandardItemModel* model_;
    QCheckBox* chkEP_;
    QCheckBox* chkSingle_;
    QCheckBox* chkCompilatie_;
};
