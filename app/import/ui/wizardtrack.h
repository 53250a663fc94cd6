#pragma once

#include "import/tracksearch.h"

#include <QDialog>
#include <array>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;
class RecordsetModel;
class Session;
class UserPrompts;

// `WizardTrack`, the modal search window: one search for albums (`Option1_0`) or tracks
// (`Option1_1`, chosen at first) whose name contains the text of `txtCriterium`.
//
// The step button `cmdOK` ("&Start >>", also Enter) runs the search. Without hits the caption
// says so ("tracks: 0") and the window stays ready for another search. With hits the inputs
// (`fraImport`) give way to the grid `fgTracks`, the caption gives the kind and number of
// hits, the window takes the grid's width, and `cmdOK` ("Quit") closes it. `cmdAnnuleren`
// closes at any time. A failed search is reported through the error window and the window
// stays in search mode.
class WizardTrack : public QDialog {
    Q_OBJECT
public:
    WizardTrack(Session& session, UserPrompts& prompts, QWidget* parent = nullptr);

    // Whether a search found something (the step button now closes the window).
    bool showsResults() const { return showsResults_; }

private:
    void buildWidgets();
    // `cmdOK`: searches, or closes the window after a search with hits.
    void step();
    void showResults(SearchKind kind, Recordset hits);
    void sizeToGrid();

    Session& session_;
    UserPrompts& prompts_;
    bool showsResults_ = false;

    QFrame* fraImport_ = nullptr;
    std::array<QRadioButton*, 2> option1_ {};
    QLabel* lblZoekterm_ = nullptr;
    QLineEdit* txtCriterium_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdAnnuleren_ = nullptr;
    QTableView* fgTracks_ = nullptr;
    RecordsetModel* model_ = nullptr;
};
