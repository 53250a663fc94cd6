#include "shell/artistlistmodel.h"

void ArtistListModel::setArtists(QList<ArtistRow> artists)
{
    beginResetModel();
    artists_ = std::move(artists);
    endResetModel();
}

int ArtistListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(artists_.size());
}

QVariant ArtistListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= artists_.size())
        return {};
    const ArtistRow& artist = artists_.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return artist.name;
    case Qt::UserRole:
        return artist.id;
    default:
        return {};
    }
}
