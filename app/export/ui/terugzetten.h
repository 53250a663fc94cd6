#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class Session;
class UserPrompts;

// `Terugzetten`, the modal window that puts a catalogue backup in place of the catalogue.
//
// Choosing state: `cboBackup` lists the backups of the backup folder (the last one chosen),
// `cmdKeuze_0` ("Ok") restores the chosen one, `cmdKeuze_1` (Cancel) closes. Done state, after
// a restore: only `lblMelding` ("Data has been restored.", and the name under which the
// replaced catalogue was kept) and `cmdKeuze_1`, now "Ok". The replaced catalogue is kept in
// the backup folder as a backup like the others, so choosing it undoes the restore. A restore
// runs behind the progress window; one that fails is reported and the window stays in the
// choosing state with the catalogue unchanged.
class Terugzetten : public QDialog {
    Q_OBJECT
public:
    Terugzetten(Session& session, UserPrompts& prompts, QWidget* parent = nullptr);

    // True once a backup was put in place.
    bool restored() const { return restored_; }

signals:
    // The catalogue file was replaced: lists read from it are out of date.
    void catalogueRestored();

protected:
    void reject() override;

private:
    void fillBackups();
    void restoreChosen();
    void showDone(const QString& kept);

    Session& session_;
    UserPrompts& prompts_;
    bool restored_ = false;
    bool busy_ = false;

    QComboBox* cboBackup_;
    QPushButton* cmdKeuze0_;
    QPushButton* cmdKeuze1_;
    QLabel* lblMelding_;
};
