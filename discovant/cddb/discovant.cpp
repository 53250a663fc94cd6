#include "discovant/cddb/discovant.h"

#include "discovant/cddb/discid.h"
#include "discovant/cddb/numeric.h"
#include "discovant/cddb/protocoltexts.h"
#include "discovant/cddb/threadsettings.h"

#include <algorithm>
#include <string_view>

namespace discovant {

namespace {

// Persisted names of the properties in the host's store.
constexpr const char* kAppTitleKey = "AppTitle";
constexpr const char* kAppVersionKey = "AppVer";
constexpr const char* kServerKey = "CDDBServer";
constexpr const char* kEmailKey = "UserEmail";
constexpr const char* kInterfaceKey = "CDDBIfc";
constexpr const char* kModeKey = "CDDBMode";
constexpr const char* kFilePathKey = "CDDBFilePath";
constexpr const char* kProtocolKey = "CDDBProto";
constexpr const char* kCaFileKey = "CDDBCAFile";
constexpr const char* kSourceKey = "LookupSource";
constexpr const char* kMusicBrainzServerKey = "MusicBrainzServer";
constexpr const char* kCoverArtServerKey = "CoverArtServer";

bool isKnownSource(int32_t source)
{
    return source >= static_cast<int32_t>(uCDDBSource::CDDB)
        && source <= static_cast<int32_t>(uCDDBSource::MUSICBRAINZ_THEN_CDDB);
}

std::string orDefault(const std::string& value, const char* fallback)
{
    return value.empty() ? std::string(fallback) : value;
}

// The levels whose answers the interpreter and the parser read: 5 and 6 differ only in the
// character set the server converts entries to.
bool isSupportedLevel(int32_t level)
{
    return level == 5 || level == 6;
}

std::string trimmed(std::string_view text)
{
    constexpr std::string_view blanks = " \t\r\n\f\v";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(blanks) - first + 1));
}

// The wildcard rule "*@[A-Z,a-z,0-9]*.*": some "@" is followed by a letter, digit or comma,
// and a "." comes somewhere after that character.
bool looksLikeEmailAddress(std::string_view text)
{
    auto isHostStart = [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == ',';
    };
    for (std::size_t at = text.find('@'); at != std::string_view::npos; at = text.find('@', at + 1)) {
        if (at + 1 < text.size() && isHostStart(text[at + 1])
            && text.find('.', at + 2) != std::string_view::npos)
            return true;
    }
    return false;
}

} // namespace

ThreadSettings& threadSettings()
{
    thread_local ThreadSettings settings;
    return settings;
}

const std::string& Discovant::componentTitle()
{
    static const std::string title = "Discovant";
    return title;
}

const std::string& Discovant::componentVersion()
{
    static const std::string version = DISCOVANT_VERSION;
    return version;
}

const std::string& Discovant::defaultServer()
{
    static const std::string server = "gnudb.gnudb.org";
    return server;
}

Discovant::Discovant()
    : appName_(componentTitle())
    , appVersion_(componentVersion())
    , server_(defaultServer())
{
}

Discovant::~Discovant() = default;

void Discovant::setProtocolErrorHandler(ProtocolErrorHandler handler)
{
    onProtocolError_ = std::move(handler);
}

void Discovant::setPropertyChangedHandler(PropertyChangedHandler handler)
{
    onPropertyChanged_ = std::move(handler);
}

void Discovant::setLookupUi(LookupUi* ui)
{
    ui_ = ui;
}

void Discovant::setHttpLimits(const HttpLimits& limits)
{
    http_.setLimits(limits);
}

void Discovant::setProgressHandler(ProgressHandler handler)
{
    onProgress_ = std::move(handler);
}

DiscovantSettings Discovant::settings() const
{
    const ThreadSettings& shared = threadSettings();
    DiscovantSettings copy;
    copy.appName = appName_;
    copy.appVersion = appVersion_;
    copy.server = server_;
    copy.emailAddress = email_;
    copy.filePath = filePath_;
    copy.caFile = http_.caFile();
    copy.musicBrainzServer = musicBrainzServer_;
    copy.coverArtServer = coverArtServer_;
    copy.source = source_;
    copy.mode = mode_;
    copy.protocolLevel = protocolLevel_;
    copy.useFirstMatch = useFirstMatch_;
    copy.allowSubmission = allowSubmission_;
    copy.queryLocalDatabase = queryLocalDatabase_;
    copy.httpLimits = http_.limits();
    copy.readerInterface = shared.readerInterface;
    copy.language = shared.language;
    copy.popUpTop = shared.popUpTop;
    copy.popUpLeft = shared.popUpLeft;
    copy.currentDrive = shared.currentDrive;
    return copy;
}

void Discovant::applySettings(const DiscovantSettings& settings)
{
    appName_ = settings.appName;
    appVersion_ = settings.appVersion;
    server_ = settings.server;
    email_ = settings.emailAddress;
    filePath_ = settings.filePath;
    http_.setCaFile(settings.caFile);
    musicBrainzServer_ = orDefault(settings.musicBrainzServer, musicbrainz::kDefaultMusicBrainzServer);
    coverArtServer_ = orDefault(settings.coverArtServer, musicbrainz::kDefaultCoverArtServer);
    source_ = isKnownSource(static_cast<int32_t>(settings.source)) ? settings.source : uCDDBSource::CDDB;
    mode_ = settings.mode;
    protocolLevel_
        = isSupportedLevel(settings.protocolLevel) ? settings.protocolLevel : kDefaultProtocolLevel;
    useFirstMatch_ = settings.useFirstMatch;
    allowSubmission_ = settings.allowSubmission;
    queryLocalDatabase_ = settings.queryLocalDatabase;
    http_.setLimits(settings.httpLimits);
    ThreadSettings& shared = threadSettings();
    shared.readerInterface = settings.readerInterface;
    shared.language = settings.language;
    shared.popUpTop = settings.popUpTop;
    shared.popUpLeft = settings.popUpLeft;
    shared.currentDrive = settings.currentDrive;
}

void Discovant::cancel()
{
    cancelRequested_.store(true);
}

void Discovant::clearCancel()
{
    cancelRequested_.store(false);
}

bool Discovant::cancelRequested() const
{
    return cancelRequested_.load();
}

bool Discovant::stopForCancel() const
{
    if (!cancelRequested_.load())
        return false;
    raiseProtocolError(kErrorCancelled, protocolErrorText(kErrorCancelled, CDDBLanguage()));
    return true;
}

void Discovant::reportProgress(uCDDBStep step, int64_t done, int64_t total) const
{
    if (onProgress_)
        onProgress_({ step, done, total });
}

void Discovant::watchTransfers(uCDDBStep step)
{
    TransferWatch watch;
    watch.cancelled = &cancelRequested_;
    if (onProgress_)
        watch.progress = [this, step](int64_t done, int64_t total) { reportProgress(step, done, total); };
    http_.setWatch(std::move(watch));
}

void Discovant::saveProperties(PropertyStore& store) const
{
    store.write(kAppTitleKey, appName_, componentTitle());
    store.write(kAppVersionKey, appVersion_, componentVersion());
    store.write(kServerKey, server_, defaultServer());
    store.write(kEmailKey, email_, std::string());
    store.write(kInterfaceKey, std::to_string(static_cast<int32_t>(CDDBInterface())));
    store.write(kModeKey, std::to_string(static_cast<int32_t>(mode_)));
    store.write(kFilePathKey, filePath_, std::string());
    store.write(kProtocolKey, std::to_string(protocolLevel_), std::to_string(kDefaultProtocolLevel));
    store.write(kCaFileKey, http_.caFile(), std::string());
    store.write(kSourceKey, std::to_string(static_cast<int32_t>(source_)), "0");
    store.write(kMusicBrainzServerKey, musicBrainzServer_, musicbrainz::kDefaultMusicBrainzServer);
    store.write(kCoverArtServerKey, coverArtServer_, musicbrainz::kDefaultCoverArtServer);
}

void Discovant::restoreProperties(const PropertyStore& store)
{
    appName_ = store.read(kAppTitleKey, componentTitle());
    appVersion_ = store.read(kAppVersionKey, componentVersion());
    server_ = store.read(kServerKey, defaultServer());
    email_ = store.read(kEmailKey, "");
    threadSettings().readerInterface = static_cast<uCDDBIfc>(leadingInt32(store.read(kInterfaceKey, "0")));
    mode_ = static_cast<uCDDBMode>(leadingInt32(store.read(kModeKey, "0")));
    filePath_ = store.read(kFilePathKey, "");
    const int32_t level = leadingInt32(store.read(kProtocolKey, std::to_string(kDefaultProtocolLevel)));
    protocolLevel_ = isSupportedLevel(level) ? level : kDefaultProtocolLevel;
    http_.setCaFile(store.read(kCaFileKey, ""));
    const int32_t source = leadingInt32(store.read(kSourceKey, "0"));
    source_ = isKnownSource(source) ? static_cast<uCDDBSource>(source) : uCDDBSource::CDDB;
    musicBrainzServer_ = orDefault(store.read(kMusicBrainzServerKey, musicbrainz::kDefaultMusicBrainzServer),
        musicbrainz::kDefaultMusicBrainzServer);
    coverArtServer_ = orDefault(store.read(kCoverArtServerKey, musicbrainz::kDefaultCoverArtServer),
        musicbrainz::kDefaultCoverArtServer);
}

uCDDBSource Discovant::LookupSource() const
{
    return source_;
}

void Discovant::setLookupSource(uCDDBSource source)
{
    // An unknown number would leave lookups nowhere to go; it is ignored like a bad level.
    if (!isKnownSource(static_cast<int32_t>(source)))
        return;
    source_ = source;
    notifyChanged(kSourceKey);
}

std::string Discovant::MusicBrainzServer() const
{
    return musicBrainzServer_;
}

void Discovant::setMusicBrainzServer(const std::string& server)
{
    musicBrainzServer_ = orDefault(trimmed(server), musicbrainz::kDefaultMusicBrainzServer);
    notifyChanged(kMusicBrainzServerKey);
}

std::string Discovant::CoverArtServer() const
{
    return coverArtServer_;
}

void Discovant::setCoverArtServer(const std::string& server)
{
    coverArtServer_ = orDefault(trimmed(server), musicbrainz::kDefaultCoverArtServer);
    notifyChanged(kCoverArtServerKey);
}

const std::string& Discovant::componentContact()
{
    static const std::string contact = "developers@melotheek.org";
    return contact;
}

std::string Discovant::musicBrainzUserAgent() const
{
    auto word = [](const std::string& text) {
        std::string result = trimmed(text);
        std::replace(result.begin(), result.end(), ' ', '_');
        return result;
    };
    return word(appName_) + "/" + word(appVersion_) + " ( " + (email_.empty() ? componentContact() : email_)
        + " )";
}

musicbrainz::ServiceOptions Discovant::musicBrainzOptions() const
{
    musicbrainz::ServiceOptions options;
    options.musicBrainzServer = musicBrainzServer_;
    options.coverArtServer = coverArtServer_;
    options.userAgent = musicBrainzUserAgent();
    return options;
}

std::string Discovant::AppName() const
{
    return appName_;
}

void Discovant::setAppName(const std::string& name)
{
    appName_ = name;
    notifyChanged(kAppTitleKey);
}

std::string Discovant::AppVersion() const
{
    return appVersion_;
}

void Discovant::setAppVersion(const std::string& version)
{
    appVersion_ = version;
    notifyChanged(kAppVersionKey);
}

std::string Discovant::CDDBServer() const
{
    return server_;
}

void Discovant::setCDDBServer(const std::string& server)
{
    server_ = server;
    notifyChanged(kServerKey);
}

std::string Discovant::CDDBCAFile() const
{
    return http_.caFile();
}

void Discovant::setCDDBCAFile(const std::string& file)
{
    http_.setCaFile(file);
    notifyChanged(kCaFileKey);
}

uCDDBIfc Discovant::CDDBInterface() const
{
    return threadSettings().readerInterface;
}

void Discovant::setCDDBInterface(uCDDBIfc readerInterface)
{
    threadSettings().readerInterface = readerInterface;
    notifyChanged(kInterfaceKey);
}

uCDDBMode Discovant::CDDBMode() const
{
    return mode_;
}

void Discovant::setCDDBMode(uCDDBMode mode)
{
    mode_ = mode;
    notifyChanged(kModeKey);
}

int32_t Discovant::CDDBProtocol() const
{
    return protocolLevel_;
}

void Discovant::setCDDBProtocol(int32_t level)
{
    if (!isSupportedLevel(level))
        return;
    protocolLevel_ = level;
    notifyChanged(kProtocolKey);
}

uCDDBLang Discovant::CDDBLanguage() const
{
    return threadSettings().language;
}

void Discovant::setCDDBLanguage(uCDDBLang language)
{
    threadSettings().language = language;
}

std::string Discovant::EmailAddress() const
{
    return email_;
}

void Discovant::setEmailAddress(const std::string& address)
{
    if (!looksLikeEmailAddress(address))
        return;
    email_ = trimmed(address);
    notifyChanged(kEmailKey);
}

std::string Discovant::CDDBFilePath() const
{
    return filePath_;
}

void Discovant::setCDDBFilePath(const std::string& folder)
{
    filePath_ = folder;
    notifyChanged(kFilePathKey);
}

void Discovant::setUseFirstMatch(bool useFirstMatch)
{
    useFirstMatch_ = useFirstMatch;
}

void Discovant::setAllowSubmission(bool allowSubmission)
{
    allowSubmission_ = allowSubmission;
}

void Discovant::setQueryLocalDatabase(bool queryLocalDatabase)
{
    queryLocalDatabase_ = queryLocalDatabase;
}

void Discovant::setPopUpLocTop(int32_t top)
{
    threadSettings().popUpTop = top;
}

void Discovant::setPopUpLocLeft(int32_t left)
{
    threadSettings().popUpLeft = left;
}

std::string Discovant::CalMediaID(const std::string& mediaToc) const
{
    return discovant::CalMediaID(mediaToc);
}

int32_t Discovant::CalAlbumlength(const std::string& mediaToc) const
{
    return discovant::CalAlbumlength(mediaToc);
}

std::string Discovant::CalTracklength(const std::string& mediaToc) const
{
    return discovant::CalTracklength(mediaToc);
}

std::string Discovant::SecondsToTimeString(int16_t seconds) const
{
    return discovant::SecondsToTimeString(seconds);
}

std::string Discovant::ErrDesc(int32_t errNo) const
{
    return errorDescription(errNo, CDDBLanguage());
}

std::string Discovant::GetMediaID() const
{
    return entry_.GetMediaID();
}
std::string Discovant::GetArtistName() const
{
    return entry_.GetArtistName();
}
std::string Discovant::GetAlbumName() const
{
    return entry_.GetAlbumName();
}
std::string Discovant::GetAlbumCategory() const
{
    return entry_.GetAlbumCategory();
}
std::string Discovant::GetAlbumGenre() const
{
    return entry_.GetAlbumGenre();
}
std::string Discovant::GetAlbumNotes() const
{
    return entry_.GetAlbumNotes();
}
std::string Discovant::GetAlbumYear() const
{
    return entry_.GetAlbumYear();
}
std::string Discovant::GetAlbumRevision() const
{
    return entry_.GetAlbumRevision();
}
std::string Discovant::GetCdText() const
{
    return entry_.GetCdText();
}
int32_t Discovant::GetAlbumLength() const
{
    return entry_.GetAlbumLength();
}
int32_t Discovant::GetAlbumTracks() const
{
    return entry_.GetAlbumTracks();
}
std::string Discovant::GetTrackName(int16_t idx) const
{
    return entry_.GetTrackName(idx);
}
std::string Discovant::GetTrackNotes(int16_t idx) const
{
    return entry_.GetTrackNotes(idx);
}
int16_t Discovant::GetTrackTime(int16_t idx) const
{
    return entry_.GetTrackTime(idx);
}
std::vector<std::string> Discovant::trackNames() const
{
    return entry_.trackNames();
}
std::vector<std::string> Discovant::trackNotes() const
{
    return entry_.trackNotes();
}

PopUpSettings Discovant::popUpSettings() const
{
    const ThreadSettings& shared = threadSettings();
    return { shared.language, shared.popUpTop, shared.popUpLeft };
}

void Discovant::raiseProtocolError(int32_t number, const std::string& message) const
{
    if (onProtocolError_)
        onProtocolError_(number, message);
}

void Discovant::notifyChanged(const char* persistedName) const
{
    if (onPropertyChanged_)
        onPropertyChanged_(persistedName);
}

} // namespace discovant
