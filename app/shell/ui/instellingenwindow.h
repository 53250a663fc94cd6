#pragma once

#include "shell/settingswriter.h"

#include <QDialog>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class Session;
class UserPrompts;

// `Instellingen`, the modal settings window: the catalogue file and player program
// (`txtParam_0`, `txtParam_1`, chosen with the open dialogs of `cmdParam_0`, `cmdParam_1`),
// the four folders (`txtParam_2` to `txtParam_5`, chosen with the folder chooser `Locatie`
// through `cmdDir_2` to `cmdDir_5`) and the interface language (`cboTaal` with its flag
// `imgTaal`).
//
// Choosing a language switches the program at once: the language in memory changes, this
// window re-captions itself and emits languageChanged() so the main window does the same.
// `cmdSluiten` saves every field, the language and the help page to the settings file;
// `cmdCancel` (also Escape and the window's close box) discards the fields and, when the
// language was switched, switches it back and emits languageChanged() again. Nothing is
// written to the settings file before `cmdSluiten`.
class InstellingenWindow : public QDialog {
    Q_OBJECT
public:
    // `helpFolder` holds the help pages, one per language.
    InstellingenWindow(Session& session, UserPrompts& prompts, QString helpFolder, QWidget* parent = nullptr);

    // Sets the captions of this window from the current language.
    void ApplySettingsLanguage();

    // Closes without saving (`cmdCancel`, Escape, the close box).
    void reject() override;

signals:
    // The language in memory changed: the main window re-captions itself.
    void languageChanged();
    // Saved with a catalogue path other than the one the window opened with: the main window
    // reloads its artist list and selects the first artist.
    void databaseChanged();
    // Saved: the help page of the chosen language, for F1 and the help button.
    void helpPageChanged(const QString& page);

private:
    void buildWidgets();
    void chooseLanguage(int position);
    void chooseFile(int index);
    void chooseFolder(int index);
    // `cmdSluiten`.
    void save();

    Session& session_;
    UserPrompts& prompts_;
    QString helpFolder_;
    // As they were when the window opened.
    QString databaseAtLoad_;
    QString taalAtLoad_;

    std::array<QLabel*, kSettingsFieldCount> labels_ {};
    std::array<QLineEdit*, kSettingsFieldCount> txtParam_ {};
    std::array<QPushButton*, kSettingsFieldCount> browse_ {};
    QLabel* lblTaal_ = nullptr;
    QComboBox* cboTaal_ = nullptr;
    QLabel* imgTaal_ = nullptr;
    QPushButton* cmdSluiten_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
};
