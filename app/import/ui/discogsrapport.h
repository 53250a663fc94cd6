#pragma once

#include <QDialog>

class QPlainTextEdit;
class Session;
class UserPrompts;
struct DiscogsReport;

// `DiscogsRapport`, the report of a Discogs collection import: how many rows were added,
// skipped as catalogued already and refused, each refused row with its line number and why,
// as text the user can scroll through and copy (`txtRapport`).
class DiscogsRapport : public QDialog {
    Q_OBJECT
public:
    DiscogsRapport(
        Session& session, UserPrompts& prompts, const DiscogsReport& report, QWidget* parent = nullptr);

private:
    QPlainTextEdit* txtRapport_ = nullptr;
};

// Asks for the CSV file of a Discogs collection, imports it behind the progress window (Cancel
// keeps the rows stored so far) and shows the report. True when albums were added.
bool importDiscogsFile(QWidget* owner, Session& session, UserPrompts& prompts);
