#pragma once

#include <QDialog>

class DiscovantWidget;
class QComboBox;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class UserPrompts;
namespace discovant {
class Discovant;
}

// "CD lookup": where discs are looked up (`cboBron`: MusicBrainz, a CDDB server, the local
// CDDB database, or MusicBrainz first and then the CDDB server), the addresses of the
// MusicBrainz web service and of the Cover Art Archive; the CDDB server, the e-mail address
// a public CDDB server wants with every request, and an optional local CDDB database
// folder; the program name and version the hello carries (a server such as gnudb answers
// only names registered with it), the protocol level and the certificate authorities of a
// private https server. OK sets them on the component, which has its host store them
// (section `Discovant` of the settings file). An address the component refuses keeps the
// window open.
class CdLookupDialog : public QDialog {
    Q_OBJECT
public:
    CdLookupDialog(discovant::Discovant& core, UserPrompts& prompts, QWidget* parent = nullptr);

    // Adds the button `cmdServers` beside the server, which lets the user choose one of the
    // server's mirror sites through `control` (the control of `core`).
    void offerSites(DiscovantWidget& control);

private:
    void save();
    void browseFolder();

    discovant::Discovant& core_;
    UserPrompts& prompts_;
    QComboBox* cboBron_;
    QLineEdit* txtMusicBrainz_;
    QLineEdit* txtCoverArt_;
    QLineEdit* txtServer_;
    QLineEdit* txtEmail_;
    QLineEdit* txtMap_;
    QLineEdit* txtProgramma_;
    QLineEdit* txtVersie_;
    QComboBox* cboProtocol_;
    QLineEdit* txtCertificaten_;
    QHBoxLayout* serverRow_ = nullptr;
};

// Before a lookup that must go to the server without an e-mail address: asks for it in the
// CD lookup window. True when the lookup may go ahead.
bool ensureLookupAddress(discovant::Discovant& core, UserPrompts& prompts, QWidget* owner);
