#include "import/ui/foldertrackmodel.h"

#include "import/fetchedalbum.h"

#include <QRegularExpression>

namespace {

// "m:ss" (any number of minutes) as seconds; nothing for other text, 0 for an empty one.
std::optional<int> secondsOf(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return 0;
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,4}):([0-5]\\d)$"));
    const QRegularExpressionMatch match = pattern.match(trimmed);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toInt() * 60 + match.captured(2).toInt();
}

} // namespace

FolderTrackModel::FolderTrackModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void FolderTrackModel::setTracks(const QList<FolderTrack>& tracks)
{
    beginResetModel();
    tracks_ = tracks;
    endResetModel();
}

int FolderTrackModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(tracks_.size());
}

int FolderTrackModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FolderTrackModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= tracks_.size())
        return {};
    const FolderTrack& track = tracks_.at(index.row());
    if (role == Qt::ToolTipRole)
        return track.path;
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    switch (index.column()) {
    case Number:
        return track.nummer;
    case Title:
        return track.naam;
    case Length:
        return lengthText(track.lengthSeconds);
    case Disc:
        return track.disc > 0 ? QVariant(track.disc) : QVariant(QString());
    }
    return {};
}

QVariant FolderTrackModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Number:
        return tr("No.");
    case Title:
        return tr("Title");
    case Length:
        return tr("Length");
    case Disc:
        return tr("Disc");
    }
    return {};
}

Qt::ItemFlags FolderTrackModel::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return index.column() == Disc ? flags : flags | Qt::ItemIsEditable;
}

bool FolderTrackModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.row() >= tracks_.size())
        return false;
    FolderTrack& track = tracks_[index.row()];
    const QString text = value.toString().trimmed();
    switch (index.column()) {
    case Number: {
        bool ok = false;
        const int number = text.toInt(&ok);
        if (!ok || number <= 0)
            return false;
        track.nummer = number;
        break;
    }
    case Title:
        if (text.isEmpty())
            return false;
        track.naam = cutToNameField(text);
        break;
    case Length: {
        const std::optional<int> seconds = secondsOf(text);
        if (!seconds)
            return false;
        track.lengthSeconds = *seconds;
        break;
    }
    default:
        return false;
    }
    emit dataChanged(index, index, { Qt::DisplayRole, Qt::EditRole });
    return true;
}
