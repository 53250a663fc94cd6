// The CDDB operations of the component: the lookup of a disc on a server or in the local
// database, the mirror-site list, and the submission of new and revised entries.
#include "discovant/cddb/answercheck.h"
#include "discovant/cddb/cddburls.h"
#include "discovant/cddb/discovant.h"
#include "discovant/cddb/localdb.h"
#include "discovant/cddb/numeric.h"
#include "discovant/cddb/protocoltexts.h"
#include "discovant/cddb/queryanswer.h"
#include "discovant/cddb/sitelist.h"
#include "discovant/cddb/submission.h"
#include "discovant/cddb/textcodec.h"

#include <algorithm>
#include <curl/curl.h>
#include <exception>
#include <limits>

namespace discovant {

namespace {

constexpr long kHttpOk = 200;

// A submitted entry is parsed like a read answer of the server.
std::string asReadAnswer(const std::string& entryText)
{
    return "210\r\n" + entryText;
}

} // namespace

uCDDBMatchCode Discovant::LookupMediaByToc(const std::string& mediaToc)
{
    const LookupValues values = deriveLookupValues(mediaToc);
    entry_.reset(values);
    matchCode_ = uCDDBMatchCode::MATCH_NONE;
    releaseId_.clear();
    releaseGroupId_.clear();
    if (!values.valid || stopForCancel())
        return matchCode_;
    try {
        const bool local
            = source_ == uCDDBSource::LOCAL_DATABASE || (source_ == uCDDBSource::CDDB && queryLocalDatabase_);
        if (source_ == uCDDBSource::MUSICBRAINZ || source_ == uCDDBSource::MUSICBRAINZ_THEN_CDDB)
            matchCode_ = lookupOnMusicBrainz(values);
        if (matchCode_ == uCDDBMatchCode::MATCH_NONE && source_ != uCDDBSource::MUSICBRAINZ
            && !cancelRequested_.load()) {
            answeredSource_ = local ? uCDDBSource::LOCAL_DATABASE : uCDDBSource::CDDB;
            matchCode_ = local ? lookupInLocalDatabase(values) : lookupOnServer(values);
        }
    } catch (const std::exception&) {
        matchCode_ = uCDDBMatchCode::MATCH_NONE;
    }
    return matchCode_;
}

uCDDBMatchCode Discovant::lookupOnServer(const LookupValues& values)
{
    const std::optional<ServerAddress> server = serverAddress();
    if (!server)
        return uCDDBMatchCode::MATCH_NONE;
    const std::optional<std::string> greeting = hello();
    if (!greeting)
        return uCDDBMatchCode::MATCH_NONE;
    watchTransfers(uCDDBStep::QUERY);
    const std::optional<std::string> answer
        = fetch(queryUrl(*server, values.queryArguments, *greeting), CddbCommand::Query);
    if (!answer)
        return uCDDBMatchCode::MATCH_NONE;

    const QueryOutcome outcome
        = interpretQueryAnswer(*answer, matchChooser(allowSubmission_ && !queryLocalDatabase_));
    if (outcome.matchCode == uCDDBMatchCode::MATCH_NONE)
        return allowSubmission_ ? offerSubmission(values) : uCDDBMatchCode::MATCH_NONE;

    const std::string discId = outcome.discId.empty() ? values.discId : outcome.discId;
    entry_.setAlbumCategory(outcome.category);
    entry_.setMediaID(discId);
    watchTransfers(uCDDBStep::READ_ENTRY);
    const std::optional<std::string> entry
        = fetch(readUrl(*server, outcome.category, discId, *greeting), CddbCommand::Read);
    if (!entry || !entry_.parseReadAnswer(*entry))
        return uCDDBMatchCode::MATCH_NONE;
    return outcome.matchCode;
}

uCDDBMatchCode Discovant::lookupInLocalDatabase(const LookupValues& values)
{
    const LocalDatabase database(filePath_, [this](std::size_t done, std::size_t total) {
        reportProgress(uCDDBStep::LOCAL_DATABASE, static_cast<int64_t>(done), static_cast<int64_t>(total));
        return !cancelRequested_.load();
    });
    if (!database.folderExists()) {
        raiseProtocolError(kErrorNoLocalDatabase, protocolErrorText(kErrorNoLocalDatabase, CDDBLanguage()));
        return uCDDBMatchCode::MATCH_NONE;
    }
    // The same answers a server would give, through the same interpreter and parser; there is
    // no server to submit to.
    const std::string answer = database.localQueryAnswer(values.discId);
    if (stopForCancel())
        return uCDDBMatchCode::MATCH_NONE;
    const QueryOutcome outcome = interpretQueryAnswer(answer, matchChooser(false));
    if (outcome.matchCode == uCDDBMatchCode::MATCH_NONE)
        return uCDDBMatchCode::MATCH_NONE;

    const std::string discId = outcome.discId.empty() ? values.discId : outcome.discId;
    entry_.setAlbumCategory(outcome.category);
    entry_.setMediaID(discId);
    const std::string entry = database.localReadAnswer(outcome.category, discId);
    if (entry.empty() || !entry_.parseReadAnswer(entry))
        return uCDDBMatchCode::MATCH_NONE;
    return outcome.matchCode;
}

MatchChooser Discovant::matchChooser(bool offerSubmit)
{
    // An empty chooser takes the first match without asking.
    if (useFirstMatch_ || !ui_)
        return {};
    return [this, offerSubmit](const std::vector<std::string>& lines) {
        return ui_->chooseMatch(lines, offerSubmit, popUpSettings());
    };
}

uCDDBMatchCode Discovant::offerSubmission(const LookupValues& values)
{
    if (!ui_)
        return uCDDBMatchCode::MATCH_NONE;
    SubmissionRequest request;
    request.toc = values.toc;
    request.discId = values.discId;
    request.submittedVia = submittedVia();
    request.revision = 0;
    request.readCdText = cdTextReader();
    const std::optional<SubmittedEntry> submitted = submit(request);
    if (!submitted)
        return uCDDBMatchCode::MATCH_NONE;
    entry_.parseReadAnswer(asReadAnswer(submitted->entryText));
    entry_.setAlbumCategory(submitted->category);
    return uCDDBMatchCode::MATCH_EXACT;
}

uCDDBMatchCode Discovant::ReviseMediaEntry(const std::string& mediaToc)
{
    const LookupValues values = deriveLookupValues(mediaToc);
    if (!values.valid || values.toc != entry_.toc() || matchCode_ == uCDDBMatchCode::MATCH_NONE
        || !allowSubmission_ || !ui_)
        return uCDDBMatchCode::MATCH_NONE;
    try {
        EntryDraft draft;
        draft.artist = entry_.GetArtistName();
        draft.album = entry_.GetAlbumName();
        draft.category = entry_.GetAlbumCategory();
        draft.year = entry_.GetAlbumYear();
        draft.genre = entry_.GetAlbumGenre();
        draft.notes = entry_.GetAlbumNotes();
        draft.trackNames = entry_.trackNames();
        for (int16_t track = 1; track <= entry_.GetAlbumTracks(); ++track)
            draft.trackNotes.push_back(entry_.GetTrackNotes(track));

        SubmissionRequest request;
        request.toc = entry_.toc();
        request.discId = entry_.GetMediaID();
        request.submittedVia = submittedVia();
        request.revision = static_cast<int16_t>(
            std::min<int32_t>(entry_.revision() + 1, std::numeric_limits<int16_t>::max()));
        request.existing = std::move(draft);
        request.readCdText = cdTextReader();

        const std::optional<SubmittedEntry> submitted = submit(request);
        if (!submitted)
            return matchCode_;
        // The revised entry replaces the texts; identity and lengths stay, the track times
        // are not computed again until the next lookup.
        LookupValues kept;
        kept.toc = entry_.toc();
        kept.trackCount = entry_.GetAlbumTracks();
        kept.discLength = entry_.GetAlbumLength();
        kept.discId = request.discId;
        kept.valid = true;
        entry_.reset(kept);
        entry_.setAlbumCategory(submitted->category);
        entry_.parseReadAnswer(asReadAnswer(submitted->entryText));
        matchCode_ = uCDDBMatchCode::MATCH_EXACT;
    } catch (const std::exception&) {
    }
    return matchCode_;
}

std::optional<SubmittedEntry> Discovant::submit(const SubmissionRequest& request)
{
    if (!ui_)
        return std::nullopt;
    // The server needs the submitter's address; ask before the user writes the entry.
    const std::optional<ServerAddress> server = serverAddress();
    if (!server)
        return std::nullopt;
    if (!addressParts(email_)) {
        raiseProtocolError(kErrorMissingEmail, protocolErrorText(kErrorMissingEmail, CDDBLanguage()));
        return std::nullopt;
    }
    SubmittedEntry submitted;
    if (!ui_->submitNewEntry(request, popUpSettings(), submitted))
        return std::nullopt;
    SubmissionPost post;
    post.server = *server;
    post.category = submitted.category;
    post.discId = request.discId;
    post.email = email_;
    post.mode = mode_;
    post.note = componentTitle() + " " + componentVersion();
    post.entryText = submitted.entryText;
    watchTransfers(uCDDBStep::SUBMIT);
    const HttpResult result = postSubmission(http_, post);
    if (!result.ok) {
        raiseTransportError(result);
        return std::nullopt;
    }
    if (result.httpStatus != kHttpOk) {
        raiseHttpStatus(result.httpStatus);
        return std::nullopt;
    }
    // The submission program answers a CDDB status line ("200 OK, submission has been
    // sent."); a 4xx or 5xx there is a refusal even though HTTP said 200.
    const std::optional<int> status = cddbStatus(result.body);
    if (status && *status >= 400 && *status <= 599) {
        raiseProtocolError(kErrorServerRefused,
            protocolErrorText(kErrorServerRefused, CDDBLanguage(), statusLineText(result.body)));
        return std::nullopt;
    }
    return submitted;
}

int16_t Discovant::GetServerSites()
{
    serverSites_.clear();
    if (stopForCancel())
        return 0;
    try {
        const std::optional<ServerAddress> server = serverAddress();
        if (!server)
            return 0;
        const std::optional<std::string> greeting = hello();
        if (!greeting)
            return 0;
        watchTransfers(uCDDBStep::SITES);
        const std::optional<std::string> answer = fetch(sitesUrl(*server, *greeting), CddbCommand::Sites);
        if (!answer)
            return 0;
        for (const std::string& line : httpSiteLines(*answer))
            serverSites_.push_back(toUtf8(line));
    } catch (const std::exception&) {
        serverSites_.clear();
    }
    return static_cast<int16_t>(
        std::min<std::size_t>(serverSites_.size(), std::numeric_limits<int16_t>::max()));
}

std::string Discovant::GetServer(int16_t idx)
{
    if (idx >= 1 && static_cast<std::size_t>(idx) <= serverSites_.size())
        return serverSites_[static_cast<std::size_t>(idx) - 1];
    if (!ui_)
        return {};
    try {
        std::vector<std::string> shown;
        shown.reserve(serverSites_.size());
        for (const std::string& site : serverSites_)
            shown.push_back(siteChooserLine(site));
        const int chosen = ui_->chooseServer(shown, popUpSettings());
        if (chosen < 1 || static_cast<std::size_t>(chosen) > serverSites_.size())
            return {};
        const std::string& site = serverSites_[static_cast<std::size_t>(chosen) - 1];
        // The whole address (protocol, port and path) is what the next lookup needs; a mirror
        // on port 8080 is no use asked on port 80.
        const std::optional<std::string> address = siteServerAddress(site);
        if (!address)
            return siteHostName(site);
        setCDDBServer(*address);
        return *address;
    } catch (const std::exception&) {
        return {};
    }
}

std::optional<std::string> Discovant::hello()
{
    // Checked before anything is sent: a server bans clients whose address it cannot use,
    // and the user must learn why nothing was looked up.
    std::optional<std::string> greeting = helloArguments({ email_, appName_, appVersion_, protocolLevel_ });
    if (!greeting)
        raiseProtocolError(kErrorMissingEmail, protocolErrorText(kErrorMissingEmail, CDDBLanguage()));
    return greeting;
}

std::optional<ServerAddress> Discovant::serverAddress()
{
    std::optional<ServerAddress> address = parseServerAddress(server_);
    if (!address)
        raiseProtocolError(
            kErrorBadServerAddress, protocolErrorText(kErrorBadServerAddress, CDDBLanguage(), server_));
    return address;
}

std::optional<std::string> Discovant::fetch(const std::string& url, CddbCommand command)
{
    HttpResult result = http_.get(url);
    if (!result.ok) {
        raiseTransportError(result);
        return std::nullopt;
    }
    // An HTTP error page is no answer, whatever its text says.
    if (result.httpStatus != kHttpOk) {
        raiseHttpStatus(result.httpStatus);
        return std::nullopt;
    }
    if (const std::optional<AnswerFault> fault = answerFault(command, result.body)) {
        raiseProtocolError(fault->number, protocolErrorText(fault->number, CDDBLanguage(), fault->detail));
        return std::nullopt;
    }
    return std::move(result.body);
}

void Discovant::raiseHttpStatus(long status) const
{
    raiseProtocolError(
        kErrorHttpStatus, protocolErrorText(kErrorHttpStatus, CDDBLanguage(), std::to_string(status)));
}

void Discovant::raiseTransportError(const HttpResult& result) const
{
    if (result.errorCode == CURLE_ABORTED_BY_CALLBACK && stopForCancel())
        return;
    const int32_t number = result.errorCode != 0 ? result.errorCode : kErrorUnknown;
    // What libcurl said about this very failure (the name a certificate was issued for, the
    // address that refused) follows the general text.
    std::string message = ErrDesc(number);
    if (!result.errorDetail.empty())
        message += " (" + result.errorDetail + ")";
    raiseProtocolError(number, message);
}

std::string Discovant::submittedVia() const
{
    return cddbWord(appName_) + " " + cddbWord(appVersion_);
}

} // namespace discovant
