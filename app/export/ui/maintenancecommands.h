#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;
class Session;
class UserPrompts;
struct FileError;

// The main window's maintenance commands: backup (`mnuBackup` 0 to 3), restore (`mnuTerug`
// 0 to 3) and compaction (`mnuOnderhoud` 4).
//
// Index 0 is the catalogue (a dated copy; restored through the `Terugzetten` window), 1 the
// covers, 2 the photos and 3 the playlists (one cabinet archive each, named after the kind in
// the interface language). Questions and notices go through the prompts over `owner`; every
// failure is reported through the error window and is never followed by a success notice.
//
// File work runs off the user-interface thread behind the modal progress window `Voortgang`
// over `owner`: the windows keep repainting, but none takes input, so nothing in the program
// can change the catalogue or its files meanwhile. A job the user cancels leaves everything as
// it was and is not reported. While one command runs, another one asked for is ignored.
class MaintenanceCommands : public QObject {
    Q_OBJECT
public:
    MaintenanceCommands(Session& session, UserPrompts& prompts, QWidget* owner);

    // `mnuBackup` item `index`; other indexes do nothing.
    void backup(int index);
    // `mnuTerug` item `index`; other indexes do nothing. Index 0 shows `Terugzetten` modally.
    void restore(int index);
    // `mnuOnderhoud` item 4: asks, compacts the catalogue and tells the saving.
    void compact();

    bool isBusy() const { return busy_; }

signals:
    // A command started (true) or ended (false); the menu entries may be disabled meanwhile.
    void busyChanged(bool busy);
    // A backup was put in place of the catalogue file: everything read from it is out of
    // date. Emitted while `Terugzetten` still shows its done state.
    void catalogueRestored();

private:
    class BusyScope;

    void backupCatalogueFile();
    void backupArchiveOf(int index);
    void restoreArchiveOf(int index);
    void restoreCatalogueFile();
    void report(const FileError& error, const QString& source);

    Session& session_;
    UserPrompts& prompts_;
    QPointer<QWidget> owner_;
    bool busy_ = false;
};
