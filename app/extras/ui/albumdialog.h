#pragma once

#include "extras/discographyrows.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class Session;
class UserPrompts;

// `Album`, the small editor of one row of the discography window: a discography entry (year
// and title) or a track (number, name and length). Saving checks that the first two fields
// are filled, stores the row and closes; a failed save is reported and the window stays.
class AlbumDialog : public QDialog {
    Q_OBJECT
public:
    // `entry` holds the row to edit (rowId set, texts filled) or, for a new row, its owner
    // and the suggested track number in `jaar`.
    AlbumDialog(Session& session, UserPrompts& prompts, const ListEntry& entry, QWidget* parent = nullptr);

    bool saved() const { return saved_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void save();
    // Shows message k and puts the focus, cleared, into `field`.
    void refuse(int k, QLineEdit* field);

    Session& session_;
    UserPrompts& prompts_;
    ListEntry entry_;
    bool saved_ = false;

    QLabel* lblKop_;
    QLabel* lblJaar_;
    QLabel* lblTitel_;
    QLabel* lblLengte_;
    QLineEdit* txtJaar_;
    QLineEdit* txtTitel_;
    QLineEdit* txtLengte_;
    QPushButton* cmdSluiten_;
    QPushButton* cmdAnnuleren_;
};
