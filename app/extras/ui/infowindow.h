#pragma once

#include <QDialog>
#include <QString>

class QPlainTextEdit;
class QPushButton;
class Session;
class UserPrompts;

// `Info`, the biography of one artist (column `Info` of `Artiest`), shown without blocking
// the main window. One instance lives beside the main window.
//
// Controls: `txtInfo` the text, read-only on a light-yellow ground until `cmdWijzigen`
// ("Edit") unlocks it on white; `cmdOpslaan` ("Save") stores it and locks it again;
// `cmdSluiten` ("Quit") closes (disabled while editing); `cmdFont` cycles the text size
// 8 -> 10 -> 12 -> 8. The window title is the artist's name.
//
// The main window tells it which artist to show with setArtist(); the biography is (re)loaded
// when the window is shown or becomes active and the loaded artist differs from that one.
// Text being edited is never thrown away by such a reload: it waits until the edit is saved.
// Closing the window by other means while editing asks whether to save.
class InfoWindow : public QDialog {
    Q_OBJECT
public:
    InfoWindow(Session& session, UserPrompts& prompts, QWidget* parent = nullptr);

    // The artist whose biography is shown; 0 before the first load.
    qint64 loadedArtistId() const { return loadedId_; }
    bool isEditing() const { return editing_; }
    // The font size of `txtInfo` in points (8, 10 or 12).
    int fontSize() const { return fontSize_; }

public slots:
    // The artist whose biography should be shown. Loads it now when the window is visible
    // and active, otherwise when it next becomes active.
    void setArtist(qint64 artistId, const QString& artistName);

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void showCaptions();
    void reloadIfOtherArtist();
    void load();
    void startEditing();
    bool save();
    void cycleFont();
    void setEditing(bool editing);
    // Asks whether an edit in progress is saved; false when the window must stay open.
    bool mayClose();
    void centreOverParent();

    Session& session_;
    UserPrompts& prompts_;
    qint64 wantedId_ = 0;
    QString wantedName_;
    qint64 loadedId_ = 0;
    bool loaded_ = false;
    // The artist whose biography could not be read: not tried again on every activation
    // (closing the error report activates this window again), only when handed over anew.
    qint64 failedId_ = 0;
    bool editing_ = false;
    bool centred_ = false;
    int fontSize_ = 8;

    QPlainTextEdit* txtInfo_;
    QPushButton* cmdWijzigen_;
    QPushButton* cmdOpslaan_;
    QPushButton* cmdSluiten_;
    QPushButton* cmdFont_;
};
