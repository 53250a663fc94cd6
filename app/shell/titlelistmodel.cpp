#include "shell/titlelistmodel.h"

#include "db/namecollation.h"

#include <algorithm>

void TitleListModel::setTitles(QList<TitleRow> titles)
{
    beginResetModel();
    titles_ = std::move(titles);
    endResetModel();
}

int TitleListModel::rowOfKey(const QString& key) const
{
    for (qsizetype i = 0; i < titles_.size(); ++i)
        if (titles_.at(i).key() == key)
            return static_cast<int>(i);
    return -1;
}

bool TitleListModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role)
{
    if (orientation != Qt::Horizontal || section < 0 || section >= 3
        || (role != Qt::EditRole && role != Qt::DisplayRole))
        return false;
    headers_[section] = value.toString();
    emit headerDataChanged(Qt::Horizontal, section, section);
    return true;
}

int TitleListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(titles_.size());
}

int TitleListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString TitleListModel::cellText(const TitleRow& row, int column)
{
    switch (column) {
    case Titel:
        return row.titel;
    case Jaar:
        return row.jaar;
    case Drager:
        return row.drager;
    case Gekocht:
        return row.gekocht;
    case Playlist:
        return row.playlist;
    case Bijzonderheden:
        return row.bijzonderheden;
    case Lengte:
        return row.lengte;
    default:
        return {};
    }
}

QVariant TitleListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= titles_.size())
        return {};
    const TitleRow& row = titles_.at(index.row());
    if (role == Qt::DisplayRole)
        return cellText(row, index.column());
    if (role == Qt::UserRole)
        return row.key();
    return {};
}

QVariant TitleListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char* const hidden[] = { "Gekocht", "Playlist", "Bijzonderheden", "Lengte" };
    if (section >= 0 && section < 3)
        return headers_[section];
    if (section >= 3 && section < ColumnCount)
        return QString::fromLatin1(hidden[section - 3]);
    return {};
}

void TitleListModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ColumnCount)
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    // Keep the selection on the same albums: remember which album each persistent index
    // points at, and move the indexes along with the rows.
    const QModelIndexList before = persistentIndexList();
    QList<qint64> ids;
    for (const QModelIndex& index : before)
        ids << titles_.at(index.row()).id;
    QList<QString> cells;
    cells.reserve(titles_.size());
    for (const TitleRow& row : std::as_const(titles_))
        cells.append(cellText(row, column));
    QList<TitleRow> sorted;
    sorted.reserve(titles_.size());
    for (const qsizetype position : alphabeticalOrder(cells, language_, order))
        sorted.append(std::move(titles_[position]));
    titles_ = std::move(sorted);
    QModelIndexList after;
    for (qsizetype i = 0; i < before.size(); ++i) {
        const auto it = std::find_if(
            titles_.cbegin(), titles_.cend(), [&](const TitleRow& r) { return r.id == ids.at(i); });
        after << index(static_cast<int>(it - titles_.cbegin()), before.at(i).column());
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
