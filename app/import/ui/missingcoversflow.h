#pragma once

#include <QDialog>

class QPlainTextEdit;
class QWidget;
class Session;
class UserPrompts;

// "Find missing covers": looks up every album without a cover file on MusicBrainz and the
// Cover Art Archive, on a worker thread behind the progress window with Cancel, and shows
// the report (found, not found, failed with reasons) in `Hoesverslag`. The servers and the
// User-Agent are the CD lookup component's (section `Discovant` of the settings file).
void findMissingCovers(QWidget* owner, Session& session, UserPrompts& prompts);

// `Hoesverslag`: the report of a cover search, in the read-only, scrolling `txtVerslag`.
class CoverReportWindow : public QDialog {
    Q_OBJECT
public:
    CoverReportWindow(
        Session& session, UserPrompts& prompts, const QString& report, QWidget* parent = nullptr);

private:
    QPlainTextEdit* txtVerslag_;
};
