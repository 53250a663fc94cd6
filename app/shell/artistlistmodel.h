#pragma once

#include "db/catalogue.h"

#include <QAbstractListModel>

// The artists of the main window's drop-down list: the name as text, the artist's id as
// Qt::UserRole.
class ArtistListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    void setArtists(QList<ArtistRow> artists);
    const QList<ArtistRow>& artists() const { return artists_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    QList<ArtistRow> artists_;
};
