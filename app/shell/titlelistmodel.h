#pragma once

#include "db/catalogue.h"

#include <QAbstractTableModel>
#include <QLocale>

// The albums of one artist as the main window lists them: Titel, Jaar, Drager, then the
// columns that only carry data for other windows (Gekocht, Playlist, Bijzonderheden, Lengte).
// Qt::UserRole of any cell is the album's key "ID" + id.
class TitleListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Titel, Jaar, Drager, Gekocht, Playlist, Bijzonderheden, Lengte, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void setTitles(QList<TitleRow> titles);
    const QList<TitleRow>& titles() const { return titles_; }
    // Row of the album with this key, -1 when it is not listed.
    int rowOfKey(const QString& key) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // The captions of the three visible columns follow the interface language.
    bool setHeaderData(
        int section, Qt::Orientation orientation, const QVariant& value, int role = Qt::EditRole) override;

    // The language whose alphabet sort() follows.
    void setLanguage(const QLocale& language) { language_ = language; }
    // Sorts by the cell texts of a column in the language's alphabet, letter case aside;
    // equal texts keep their order.
    void sort(int column, Qt::SortOrder order) override;

    static QString cellText(const TitleRow& row, int column);

private:
    QList<TitleRow> titles_;
    QString headers_[3];
    QLocale language_;
};
