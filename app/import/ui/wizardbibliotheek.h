#pragma once

#include "import/folderalbums.h"

#include <QDialog>
#include <QList>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStandardItemModel;
class QToolButton;
class QTreeView;
class Session;
class UserPrompts;
struct LibraryImport;
struct LibraryScan;

// `WizardBibliotheek`, the modal wizard that imports a whole music library: the user picks the
// library's top folder, the walk through it runs behind the progress window, and the list
// `lvGevonden` shows what it found: new albums (ticked), albums already catalogued (marked,
// not tickable), files without tags, files that are no music and what could not be read.
// `cmdImporteren` stores the ticked albums behind the progress window; what was stored before
// a Cancel stays stored, each album whole. The summary `txtSamenvatting` then tells in words
// how many were stored and which albums or covers had problems.
class WizardBibliotheek : public QDialog {
    Q_OBJECT
public:
    // What a row of the found list stands for (item data role `kindRole` of its first column).
    enum class Found { NewAlbum, PresentAlbum, Untagged, NotMusic, Unreadable };
    static constexpr int kindRole = Qt::UserRole + 1;

    WizardBibliotheek(Session& session, UserPrompts& prompts, QWidget* parent = nullptr);
    ~WizardBibliotheek() override;

signals:
    // Albums were stored: the main window refreshes its lists.
    void imported();

private:
    void buildWidgets();
    void chooseFolder();
    void scan(const QString& root);
    void showFound(const LibraryScan& found, const QString& root);
    void importTicked();
    void showSummary(const LibraryImport& done);
    void updateImportButton();
    void growToContent();

    Session& session_;
    UserPrompts& prompts_;
    QList<FolderAlbum> newAlbums_;

    QLabel* lblStatus_ = nullptr;
    QLabel* lblToelichting_ = nullptr;
    QLineEdit* txtMap_ = nullptr;
    QToolButton* cmdBladeren_ = nullptr;
    QStandardItemModel* found_ = nullptr;
    QTreeView* lvGevonden_ = nullptr;
    QPlainTextEdit* txtSamenvatting_ = nullptr;
    QPushButton* cmdImporteren_ = nullptr;
    QPushButton* cmdSluiten_ = nullptr;
};
