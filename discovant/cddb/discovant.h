#pragma once

#include "discovant/cddb/answercheck.h"
#include "discovant/cddb/entry.h"
#include "discovant/cddb/enums.h"
#include "discovant/cddb/httpclient.h"
#include "discovant/cddb/lookupui.h"
#include "discovant/cddb/propertystore.h"
#include "discovant/cddb/queryanswer.h"
#include "discovant/cddb/serveraddress.h"
#include "discovant/musicbrainz/client.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace discovant {

// How far a running operation is: `done` of `total` (0: not known yet) in bytes for the
// network steps, in categories for LOCAL_DATABASE, readers tried for READ_DISC.
struct LookupProgress {
    uCDDBStep step = uCDDBStep::QUERY;
    int64_t done = 0;
    int64_t total = 0;
};

// Every setting of an instance, the per-thread ones included, copied at one moment. A host
// that runs an operation on a worker thread takes settings() on its own thread and has the
// worker call applySettings() first: the per-thread settings (reader interface, language,
// window positions, current drive) would otherwise be the worker thread's own.
struct DiscovantSettings {
    std::string appName;
    std::string appVersion;
    std::string server;
    std::string emailAddress;
    std::string filePath;
    std::string caFile;
    std::string musicBrainzServer;
    std::string coverArtServer;
    uCDDBSource source = uCDDBSource::CDDB;
    uCDDBMode mode = uCDDBMode::TEST;
    int32_t protocolLevel = 6;
    bool useFirstMatch = true;
    bool allowSubmission = true;
    bool queryLocalDatabase = false;
    HttpLimits httpLimits;
    // Held per thread.
    uCDDBIfc readerInterface = uCDDBIfc::AUTO;
    uCDDBLang language = uCDDBLang::ENGLISH;
    int32_t popUpTop = 0;
    int32_t popUpLeft = 0;
    std::string currentDrive;
};

// The CD lookup component as a host sees it: properties, synchronous operations on drives,
// TOCs and CDDB servers, the album entry of the last lookup, and one event, ProtocolError.
//
// Failures never throw (CalMediaID excepted, see there): an operation returns its empty
// result ("", 0 or MATCH_NONE) and reports transport failures through ProtocolError.
//
// CDDBInterface, CDDBLanguage, PopUpLocTop, PopUpLocLeft and the current drive are held once
// per thread: setting them on one instance changes them for every instance on that thread.
// Everything else belongs to the instance.
//
// Threads: an instance runs one operation at a time, on any one thread; a host that keeps
// its window responsive runs LookupMediaByToc, GetMediaTOC, GetServerSites and the like on a
// worker thread after applySettings() there (see DiscovantSettings). The handlers and the
// LookupUi are then called on that worker thread. cancel() may be called from any thread.
class Discovant {
public:
    // Raised synchronously from inside an operation, on the thread that runs it: the
    // component's own numbers 8880 to 8888 (see protocoltexts.h) or a libcurl error number,
    // with its text in CDDBLanguage.
    using ProtocolErrorHandler = std::function<void(int32_t number, const std::string& message)>;
    // Called with the persisted name ("CDDBServer", ...) after a persisted property was set,
    // so the host can store the properties again.
    using PropertyChangedHandler = std::function<void(const std::string& persistedName)>;

    // The component's own title and version, and the default server.
    static const std::string& componentTitle();
    static const std::string& componentVersion(); // major.minor.revision
    static const std::string& defaultServer();

    // A new instance with the defaults of a freshly placed control; the per-thread settings
    // keep their current values (AUTO, ENGLISH and 0 on a new thread).
    Discovant();
    ~Discovant();
    Discovant(const Discovant&) = delete;
    Discovant& operator=(const Discovant&) = delete;

    // --- Host wiring -------------------------------------------------------------------
    void setProtocolErrorHandler(ProtocolErrorHandler handler);
    void setPropertyChangedHandler(PropertyChangedHandler handler);
    // The windows; not owned, must outlive its use. nullptr: first match, no submission.
    void setLookupUi(LookupUi* ui);
    // Bounds of every HTTP request (time-outs, body size).
    void setHttpLimits(const HttpLimits& limits);
    // Progress of the running operation, reported on its thread (network steps many times a
    // second); nullptr for none.
    using ProgressHandler = std::function<void(const LookupProgress& progress)>;
    void setProgressHandler(ProgressHandler handler);

    // --- Worker threads and cancellation ----------------------------------------------
    // Every setting, the per-thread ones included.
    DiscovantSettings settings() const;
    // Takes every setting of `settings`: the instance's own and, for the calling thread, the
    // per-thread ones. Notifies no host (it may run on a worker thread, away from the host's
    // store). The entry and the handlers stay as they are.
    void applySettings(const DiscovantSettings& settings);
    // Thread-safe. Stops the running operation: a transfer ends within about a second, a
    // local database search after the category it is in, a drive read once the reader at
    // work is done (a drive command times out after 5 seconds); a read that ends after the
    // cancel is not taken. The operation returns its
    // empty result (MATCH_NONE, "", 0) and raises ProtocolError 8884 ("The request was
    // cancelled"). The request stays in force, so every later operation stops at once too,
    // until clearCancel(): clear it before starting the next operation.
    void cancel();
    void clearCancel();
    bool cancelRequested() const;

    // --- Persisted properties ----------------------------------------------------------
    // Writes the persisted properties; values equal to their defaults are omitted, except
    // "CDDBIfc" and "CDDBMode", which are always written.
    void saveProperties(PropertyStore& store) const;
    // Reads them back, each with its default when missing.
    void restoreProperties(const PropertyStore& store);

    // --- Properties --------------------------------------------------------------------
    std::string AppName() const;
    void setAppName(const std::string& name);
    std::string AppVersion() const;
    void setAppVersion(const std::string& version);
    // "host[:port]", "http://host[:port][/path]" or "https://host[:port][/path]" (see
    // serveraddress.h); stored unchanged, a value that names no server is reported as
    // ProtocolError 8886 by the next request.
    std::string CDDBServer() const;
    void setCDDBServer(const std::string& server);
    // A PEM file of the certificate authorities that HTTPS servers are checked against
    // instead of the system's store (a private CA); "" for the system's store. Persisted as
    // "CDDBCAFile".
    std::string CDDBCAFile() const;
    void setCDDBCAFile(const std::string& file);
    uCDDBIfc CDDBInterface() const; // per thread
    void setCDDBInterface(uCDDBIfc readerInterface);
    uCDDBMode CDDBMode() const;
    void setCDDBMode(uCDDBMode mode);
    // CDDB protocol level of queries, reads and site lists: 6 (answers in UTF-8, the
    // default) or 5 (answers in ISO-8859-1, for old servers). Other values are ignored and
    // the previous level stays. Persisted as "CDDBProto".
    int32_t CDDBProtocol() const;
    void setCDDBProtocol(int32_t level);
    static constexpr int32_t kDefaultProtocolLevel = 6;
    uCDDBLang CDDBLanguage() const; // per thread
    void setCDDBLanguage(uCDDBLang language);
    std::string EmailAddress() const;
    // Accepted only when it looks like an address ("*@[A-Z,a-z,0-9]*.*"); it is then stored
    // trimmed. Anything else is ignored silently and the previous address stays.
    void setEmailAddress(const std::string& address);
    std::string CDDBFilePath() const;
    void setCDDBFilePath(const std::string& folder);
    // Where lookups go (persisted as "LookupSource"). CDDB keeps QueryLocalDatabase's say.
    uCDDBSource LookupSource() const;
    void setLookupSource(uCDDBSource source);
    // "https://host[:port]" of the MusicBrainz web service and of the Cover Art Archive
    // (persisted as "MusicBrainzServer" and "CoverArtServer"; "" gives the default back).
    std::string MusicBrainzServer() const;
    void setMusicBrainzServer(const std::string& server);
    std::string CoverArtServer() const;
    void setCoverArtServer(const std::string& server);
    // The User-Agent of every MusicBrainz and Cover Art Archive request:
    // "AppName/AppVersion ( contact )", the contact being EmailAddress or, without one, the
    // component's own address.
    std::string musicBrainzUserAgent() const;
    // How a host's own MusicBrainz requests (searches, discography, covers) go out: the
    // servers and the User-Agent above, the limits of this instance.
    musicbrainz::ServiceOptions musicBrainzOptions() const;
    static const std::string& componentContact();

    // Write-only switches and positions (positions are per thread).
    void setUseFirstMatch(bool useFirstMatch);
    void setAllowSubmission(bool allowSubmission);
    void setQueryLocalDatabase(bool queryLocalDatabase);
    void setPopUpLocTop(int32_t top);
    void setPopUpLocLeft(int32_t left);

    // --- Drives ------------------------------------------------------------------------
    // Optical drives, each followed by "|" ("/dev/sr0|/dev/sr1|"); "" for none.
    std::string GetCdRoms() const;
    // Media TOC string of the disc in `drive` (a device path or a disc image path), read by
    // the readers CDDBInterface allows; "" when none could read it. On success the stored
    // CD-Text becomes the reader's. The drive becomes the current drive.
    std::string GetMediaTOC(const std::string& drive);
    // Serial number of the disc's ISO 9660 volume as 8 uppercase hexadecimal digits, else "".
    // The drive becomes the current drive.
    std::string GetMediaInfo(const std::string& drive);

    // --- Disc identification -----------------------------------------------------------
    // Throws std::overflow_error for a TOC spanning more than 32767 seconds.
    std::string CalMediaID(const std::string& mediaToc) const;
    int32_t CalAlbumlength(const std::string& mediaToc) const;
    std::string CalTracklength(const std::string& mediaToc) const;
    std::string SecondsToTimeString(int16_t seconds) const;
    // The MusicBrainz disc ID (28 characters), "" for a TOC libdiscid refuses.
    std::string CalMusicBrainzID(const std::string& mediaToc) const;

    // --- CDDB --------------------------------------------------------------------------
    // Looks the disc up on CDDBServer, or in the local database under CDDBFilePath when
    // QueryLocalDatabase is set, and fills the entry.
    uCDDBMatchCode LookupMediaByToc(const std::string& mediaToc);
    // Fetches the server's mirror list; the number of HTTP sites in it, 0 on failure.
    int16_t GetServerSites();
    // Site line `idx` (1-based) of the last GetServerSites; any other index lets the user
    // choose a site (LookupUi::chooseServer) and gives its address with protocol, port and
    // path ("http://mirror.example.org:8080/~cddb/cddb.cgi"), which also becomes CDDBServer
    // (the host is notified), so the next request goes there. "" when none is chosen.
    std::string GetServer(int16_t idx);
    // Text of a ProtocolError number in CDDBLanguage: the component's own numbers, and the
    // libcurl numbers (the common failures in the component's words, others in libcurl's);
    // the text of 8888 for any other number.
    std::string ErrDesc(int32_t errNo) const;
    // Lets the user revise the current entry and submits it as the next revision. Acts only
    // for the TOC of the last lookup, after a match, with AllowSubmission; returns the match
    // code afterwards (MATCH_NONE at once when it does not act).
    uCDDBMatchCode ReviseMediaEntry(const std::string& mediaToc);

    // --- The entry of the last lookup --------------------------------------------------
    std::string GetMediaID() const;
    std::string GetArtistName() const;
    std::string GetAlbumName() const;
    std::string GetAlbumCategory() const;
    std::string GetAlbumGenre() const;
    std::string GetAlbumNotes() const;
    std::string GetAlbumYear() const;
    std::string GetAlbumRevision() const;
    std::string GetCdText() const;
    int32_t GetAlbumLength() const;
    int32_t GetAlbumTracks() const;
    std::string GetTrackName(int16_t idx) const;
    std::string GetTrackNotes(int16_t idx) const;
    int16_t GetTrackTime(int16_t idx) const;
    // The source that answered the last lookup (meaningful after a match).
    uCDDBSource GetAnsweredSource() const;
    // MusicBrainz identifiers of the chosen release and its release group, and the address
    // of its front cover; "" after a CDDB or local answer.
    std::string GetReleaseID() const;
    std::string GetReleaseGroupID() const;
    std::string GetCoverUrl() const;
    // Fetches the front cover of the chosen release (see MusicBrainzClient::frontCover);
    // nothing after a failure, which is raised as ProtocolError (8892 "No cover" when the
    // release has none).
    std::optional<musicbrainz::Cover> FetchFrontCover();

    // Whole lists, for hosts that show them at once.
    std::vector<std::string> trackNames() const;
    std::vector<std::string> trackNotes() const;

private:
    bool stopForCancel() const;
    void reportProgress(uCDDBStep step, int64_t done, int64_t total) const;
    void watchTransfers(uCDDBStep step);
    uCDDBMatchCode lookupOnServer(const LookupValues& values);
    uCDDBMatchCode lookupInLocalDatabase(const LookupValues& values);
    uCDDBMatchCode lookupOnMusicBrainz(const LookupValues& values);
    void raiseFailure(const musicbrainz::Failure& failure) const;
    uCDDBMatchCode offerSubmission(const LookupValues& values);
    std::optional<SubmittedEntry> submit(const SubmissionRequest& request);
    std::optional<std::string> fetch(const std::string& url, CddbCommand command);
    void raiseHttpStatus(long status) const;
    std::optional<std::string> hello();
    std::optional<ServerAddress> serverAddress();
    MatchChooser matchChooser(bool offerSubmit);
    std::function<std::optional<std::string>()> cdTextReader() const;
    std::string submittedVia() const;
    PopUpSettings popUpSettings() const;
    void raiseProtocolError(int32_t number, const std::string& message) const;
    void raiseTransportError(const HttpResult& result) const;
    void notifyChanged(const char* persistedName) const;

    std::string appName_;
    std::string appVersion_;
    std::string server_;
    uCDDBMode mode_ = uCDDBMode::TEST;
    int32_t protocolLevel_ = kDefaultProtocolLevel;
    std::string email_;
    std::string filePath_;
    bool useFirstMatch_ = true;
    bool allowSubmission_ = true;
    bool queryLocalDatabase_ = false;
    std::string musicBrainzServer_ = musicbrainz::kDefaultMusicBrainzServer;
    std::string coverArtServer_ = musicbrainz::kDefaultCoverArtServer;
    uCDDBSource source_ = uCDDBSource::CDDB;

    DiscEntry entry_;
    uCDDBSource answeredSource_ = uCDDBSource::CDDB;
    std::string releaseId_;
    std::string releaseGroupId_;
    uCDDBMatchCode matchCode_ = uCDDBMatchCode::MATCH_NONE;
    std::vector<std::string> serverSites_;

    HttpClient http_;
    LookupUi* ui_ = nullptr;
    ProtocolErrorHandler onProtocolError_;
    PropertyChangedHandler onPropertyChanged_;
    ProgressHandler onProgress_;
    std::atomic<bool> cancelRequested_ { false };
};

} // namespace discovant
