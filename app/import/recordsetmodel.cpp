#include "import/recordsetmodel.h"

RecordsetModel::RecordsetModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void RecordsetModel::setRecordset(Recordset recordset)
{
    beginResetModel();
    recordset_ = std::move(recordset);
    endResetModel();
}

int RecordsetModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(recordset_.rows.size());
}

int RecordsetModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(recordset_.columns.size());
}

QVariant RecordsetModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const QVariantList& row = recordset_.rows.at(index.row());
    if (index.column() >= row.size() || row.at(index.column()).isNull())
        return QString();
    return row.at(index.column()).toString();
}

QVariant RecordsetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < recordset_.columns.size() ? recordset_.columns.at(section)
                                                                   : QVariant();
    return section + 1;
}
