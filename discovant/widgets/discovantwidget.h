#pragma once

#include "discovant/cddb/discovant.h"
#include "discovant/cddb/lookupui.h"
#include "discovant/cddb/propertystore.h"

#include <QSize>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <string>
#include <vector>

class QPaintEvent;

namespace discovant::widgets {
class FuzzyMatchWindow;
class ServerSitesWindow;
class SubmitInfoWindow;
} // namespace discovant::widgets

// The CD lookup component as a control a window places: it shows the component's logo at a
// fixed size, owns one Discovant core that the host drives through core(), and provides the
// core's windows (match chooser, site chooser, submission editor), which it installs as the
// core's LookupUi.
//
// The persisted properties (CDDBServer, UserEmail, CDDBIfc, CDDBMode, CDDBFilePath, AppTitle,
// AppVer, CDDBProto, CDDBCAFile) are read from the host's store on construction and written back to it whenever one
// of them changes; the host keeps the store (its settings file section "Discovant", say) and
// must keep it alive as long as the control.
//
// The host sets the objectName ("Discovant1"). Operations of the core that open a window
// (LookupMediaByToc with several matches, GetServer, a submission, ReviseMediaEntry) show it
// modally and return when the user closed it. A host may run them on a worker thread (see
// Discovant::settings()): the windows, the store and protocolError are then still served on
// the control's own thread while the worker waits, so that thread must keep processing
// events (behind a modal progress window, say).
class DiscovantWidget : public QWidget, public discovant::LookupUi {
    Q_OBJECT

public:
    // Restores the persisted properties from `store` (defaults for missing values).
    explicit DiscovantWidget(discovant::PropertyStore& store, QWidget* parent = nullptr);
    ~DiscovantWidget() override;

    discovant::Discovant& core() { return core_; }
    const discovant::Discovant& core() const { return core_; }

    // Writes the persisted properties to the store now (the control also does so itself
    // after every change of one of them).
    void saveProperties();

    // Always the logo's size, whatever size the host gives the control.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    static QSize logoSize();

    // Lets the user choose a mirror of the server: the site list is fetched on a worker
    // thread behind frmProgress (whose Cancel stops the transfer), then frmServerSites shows
    // it. The chosen site's whole address becomes CDDBServer and is returned; "" when the
    // list could not be fetched (protocolError says why), the user cancelled (cancelRequested()
    // then holds), or chose none.
    std::string chooseServerSite();

    // --- discovant::LookupUi: modal windows in CDDBLanguage, placed by PopUpLocTop/Left ---
    // frmFuzzyMatch: 1-based position of the chosen line; 0 for "no match" (submit) or when
    // Select is pressed without a selection; closing the window gives 1.
    int chooseMatch(const std::vector<std::string>& lines, bool offerSubmit,
        const discovant::PopUpSettings& popUp) override;
    // frmServerSites: the same without the submit choice.
    int chooseServer(const std::vector<std::string>& lines, const discovant::PopUpSettings& popUp) override;
    // frmSubmitInfo: true with the category and the xmcd entry text when the user submitted.
    bool submitNewEntry(const discovant::SubmissionRequest& request, const discovant::PopUpSettings& popUp,
        discovant::SubmittedEntry& submitted) override;

    // The windows themselves (created once, reused for every call), for hosts and tests.
    discovant::widgets::FuzzyMatchWindow& fuzzyMatchWindow() { return *fuzzyMatch_; }
    discovant::widgets::ServerSitesWindow& serverSitesWindow() { return *serverSites_; }
    discovant::widgets::SubmitInfoWindow& submitInfoWindow() { return *submitInfo_; }

signals:
    // The core's ProtocolError event (number and text in CDDBLanguage).
    void protocolError(int number, const QString& message);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    discovant::PropertyStore& store_;
    discovant::Discovant core_;
    discovant::widgets::FuzzyMatchWindow* fuzzyMatch_;
    discovant::widgets::ServerSitesWindow* serverSites_;
    discovant::widgets::SubmitInfoWindow* submitInfo_;
};
