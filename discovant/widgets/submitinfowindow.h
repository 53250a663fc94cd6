#pragma once

#include "discovant/cddb/lookupui.h"
#include "discovant/widgets/windowtexts.h"

#include <QDialog>
#include <QStringList>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace discovant::widgets {

// frmSubmitInfo: the modal editor in which the user writes (or revises) an album entry for
// the CDDB server. It checks the entry, marks what is wrong and, when everything passes,
// gives the category and the xmcd entry text; the component posts it.
class SubmitInfoWindow : public QDialog {
    Q_OBJECT

public:
    explicit SubmitInfoWindow(QWidget* parent = nullptr);

    // Opens the editor for the disc of `request` (starting from `request.existing` when an
    // entry is revised) and returns the submitted entry, or nothing when the user cancelled.
    std::optional<SubmittedEntry> SubmitData(const SubmissionRequest& request, const PopUpSettings& popUp);

    // Notes of track `track` (1 .. 100; 0 is accepted and kept apart).
    void AddNotes(int track, const QString& notes);
    QString trackNotes(int track) const;
    int currentTrack() const { return currentTrack_; }
    // Whether a field is marked as failing the checks (yellow background).
    static bool isMarked(const QWidget& field);

    static const QStringList& categories();
    static const QStringList& genres();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyTexts();
    void fillFrom(const EntryDraft& draft);
    void commitPendingEdit();
    void showTrack(int track);
    void stepTrack(int step);
    void showTrackList();
    void showTrackNotes();
    void trackBoxEntered();
    void enterInTrackBox();
    void submitClicked();
    bool checksPass();
    void importCdText();
    QString trackLine(int track) const;
    void setMarked(QWidget& field, bool marked);
    void showError(const QString& text, bool alert);

    QLineEdit* strArtist_;
    QLineEdit* strAlbum_;
    QComboBox* cboCategory_;
    QComboBox* cboGenre_;
    QLineEdit* strYear_;
    QPlainTextEdit* strNotes_;
    QGroupBox* frame1_;
    QGroupBox* frame2_;
    QLabel* labels_[6];
    QRadioButton* optTrk_;
    QRadioButton* optExt_;
    QStackedWidget* trackViews_;
    QListWidget* lstList_;
    QPlainTextEdit* strTrkNotes_;
    QLabel* lblTrack_;
    QLineEdit* strTrack_;
    QPushButton* cmdTrack_[2];
    QLabel* lblError_;
    QPushButton* cmdText_;
    QPushButton* cmdSubmit_;
    QPushButton* cmdCancel_;

    SubmitTexts texts_;
    SubmissionRequest request_;
    int trackCount_ = 0;
    int currentTrack_ = 1;
    bool editPending_ = false;
    QStringList notes_; // index 0 .. 100
    std::optional<SubmittedEntry> result_;
};

} // namespace discovant::widgets
