#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

class DiscovantWidget;
class QWidget;
class Session;
class UserPrompts;

// How reading a disc and looking it up ended.
enum class DiscLookupOutcome {
    Found, // the component holds the entry
    NoToc, // the disc (or image) could not be read: message 50
    NoMatch, // no entry was found: message 51
    Cancelled, // the user cancelled the read or the lookup, or gave no e-mail address
};

struct DiscLookupResult {
    DiscLookupOutcome outcome = DiscLookupOutcome::NoToc;
    // The component's ProtocolError reports raised meanwhile ("8880: ...").
    QStringList protocolErrors;
};

// Reads the TOC of `drive` (a device or a disc image) and looks the disc up, each on a
// worker thread behind the progress window `Voortgang` with Cancel, so the program keeps
// repainting. Asks for the e-mail address first when the lookup would go to the server
// without one. Cancel ends it quietly (Cancelled): the component stops its transfer within
// a second and nothing is taken over.
DiscLookupResult readAndLookUpDisc(
    QWidget* owner, DiscovantWidget& control, UserPrompts& prompts, const QString& drive);

// How fetching the front cover of the release found on MusicBrainz ended.
struct CoverFetchResult {
    QByteArray bytes; // the picture as it arrived; empty when none did
    bool usable = false; // the bytes pass the checks of a cover (see storeCover)
    QImage shown; // the picture made to fit the window's square, when usable
    QString failure; // why none arrived ("8892: No cover"); empty when one did or after Cancel
    int failureNumber = 0; // the component's ProtocolError number of `failure`
    bool cancelled = false;
};

// Fetches the front cover of the release the component's last lookup found on MusicBrainz,
// and checks it, on a worker thread behind `Voortgang` with Cancel; `side` is the square the
// window shows it in. Cancel ends it quietly.
CoverFetchResult fetchReleaseCover(QWidget* owner, DiscovantWidget& control, int side);

// Shows message 50 or 51 titled message 52 for a failed lookup; the component's protocol
// errors follow the message, so a network failure is not mistaken for an unknown disc.
void reportFailedLookup(
    QWidget* owner, Session& session, UserPrompts& prompts, const DiscLookupResult& result);
