#pragma once

#include "db/catalogue.h"

#include <QAbstractTableModel>

// A read-only table over rows read from the catalogue: the column names (the statement's
// aliases) as horizontal headers, every value as its text (Null as ""). The model keeps its
// own copy of the rows; the connection that read them is long closed.
class RecordsetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit RecordsetModel(QObject* parent = nullptr);

    void setRecordset(Recordset recordset);
    const Recordset& recordset() const { return recordset_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    Recordset recordset_;
};
