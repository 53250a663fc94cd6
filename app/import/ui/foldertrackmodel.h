#pragma once

#include "import/folderalbums.h"

#include <QAbstractTableModel>
#include <QList>

// The tracks of a folder album as a grid the user corrects before storing: number, title and
// length can be edited; the disc is shown as the tags give it (the catalogue keeps none).
class FolderTrackModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Number, Title, Length, Disc, ColumnCount };

    explicit FolderTrackModel(QObject* parent = nullptr);

    void setTracks(const QList<FolderTrack>& tracks);
    const QList<FolderTrack>& tracks() const { return tracks_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Refuses a number that is not a positive whole number, an empty title and a length that
    // is not "m:ss" (or empty, for unknown).
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    QList<FolderTrack> tracks_;
};
