#pragma once

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
    Cancelled, // the user gave no e-mail address for the server
};

struct DiscLookupResult {
    DiscLookupOutcome outcome = DiscLookupOutcome::NoToc;
    // The component's ProtocolError reports raised meanwhile ("8880: ...").
    QStringList protocolErrors;
};

// Reads the TOC of `drive` (a device or a disc image) and looks the disc up, with the
// hourglass while the drive and the network work. Asks for the e-mail address first when
// the lookup would go to the server without one.
DiscLookupResult readAndLookUpDisc(
    QWidget* owner, DiscovantWidget& control, UserPrompts& prompts, const QString& drive);

// Shows message 50 or 51 titled message 52 for a failed lookup; the component's protocol
// errors follow the message, so a network failure is not mistaken for an unknown disc.
void reportFailedLookup(
    QWidget* owner, Session& session, UserPrompts& prompts, const DiscLookupResult& result);
