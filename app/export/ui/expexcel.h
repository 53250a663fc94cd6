#pragma once

#include "export/exportscope.h"
#include "export/sheetfields.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QPushButton;
class Session;
class UserPrompts;

// `ExpExcel`, the spreadsheet export window: the user ticks the fields (`chkPrint_0` to
// `chkPrint_6`: artist, title, year, format, purchase date, comments, tracks; all ticked when
// the window opens) and `cmdExport` writes "Melotheek.xlsx" into the documents folder and opens
// it with the desktop's program for spreadsheets; the window then closes. `cmdAnnuleren`
// closes it without exporting. Shown modally by the Export menu's spreadsheet entries.
class ExpExcel : public QDialog {
    Q_OBJECT
public:
    // `selectedArtistId` is the artist selected in the main window (0 when none: then Export
    // does nothing, for "All" too); `scope` is the menu entry's choice.
    ExpExcel(Session& session, UserPrompts& prompts, qint64 selectedArtistId, ExportScope scope,
        QWidget* parent = nullptr);

    ExportScope scope() const { return scope_; }

private:
    void exportClicked();
    // Numbers the ticked boxes with their columns (their "Tag") and returns which are ticked.
    SheetFieldSelection numberTickedFields();

    Session& session_;
    UserPrompts& prompts_;
    qint64 selectedArtistId_;
    ExportScope scope_;
    std::array<QCheckBox*, sheetFieldCount> chkPrint_ {};
    QPushButton* cmdExport_ = nullptr;
    QPushButton* cmdAnnuleren_ = nullptr;
};
