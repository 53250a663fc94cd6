#include "commands.h"

#include "arguments.h"
#include "discovant/cddb/discid.h"
#include "discovant/cddb/discovant.h"
#include "discovant/cddb/entry.h"
#include "discovant/cddb/numeric.h"
#include "discovant/cddb/protocoltexts.h"
#include "discovant/drive/discsource.h"
#include "discovant/drive/tocdecoder.h"
#include "keyvalueoutput.h"
#include "terminalchooser.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <stdexcept>

namespace discovant::cli {

namespace {

constexpr int kFailed = 1;
constexpr int kUsage = 2;
constexpr int kServerFailed = 3;
// libcurl's CURLE_SSL_CACERT_BADFILE: the file given with --cafile cannot be read.
constexpr int32_t kCurlBadCaFile = 77;
constexpr int kReadAnswer = 210;
// Files the tool reads are answers and buffers of a few kilobytes; this bounds a mistake.
constexpr std::streamsize kMaxInputFileBytes = 64 * 1024 * 1024;

// A failure of the command, reported on the error stream with a non-zero exit.
struct CommandError : std::runtime_error {
    CommandError(int status, const std::string& message)
        : std::runtime_error(message)
        , exitStatus(status)
    {
    }
    int exitStatus;
};

const char* const kUsageText
    = "usage: discovant drives\n"
      "       discovant toc DRIVE-OR-IMAGE [--interface auto|spti|aspi|mci]\n"
      "       discovant id TOC\n"
      "       discovant mbid TOC|DRIVE|IMAGE [--interface auto|spti|aspi|mci]\n"
      "       discovant lookup TOC|DRIVE|IMAGE [--server ADDRESS] [--email ADDR] [--local DIR]\n"
      "                        [--cafile FILE] [--proto 5|6] [--interface auto|spti|aspi|mci]\n"
      "                        [--no-first-match] [--source musicbrainz|cddb|local|auto]\n"
      "                        [--musicbrainz-server URL] [--coverart-server URL]\n"
      "       discovant parse FILE\n"
      "       discovant cdtext FILE\n"
      "       discovant sites [--server ADDRESS] [--email ADDR] [--cafile FILE] [--proto 5|6]\n"
      "       discovant --help | --version\n";

const char* const kHelpText
    = "\n"
      "Reads an audio CD's table of contents and CD-Text, computes its CDDB disc identifier and\n"
      "looks it up on a CDDB server or in a local CDDB database folder. Results are printed as\n"
      "KEY=value lines; messages go to stderr.\n"
      "\n"
      "  ADDRESS  host[:port], http://host[:port][/path] or https://host[:port][/path]\n"
      "           (default gnudb.gnudb.org); https certificates are checked against the\n"
      "           system's store, or against --cafile FILE\n"
      "  TOC      frame addresses of the tracks and the lead-out: \"150 10000 20000\"\n"
      "  DRIVE    an optical drive such as /dev/sr0; IMAGE a disc image (.cue, .toc, .nrg)\n"
      "\n"
      "  --source musicbrainz asks MusicBrainz (https://musicbrainz.org) by the disc's MusicBrainz\n"
      "           disc ID, cddb the CDDB server (the default), local the --local folder, auto\n"
      "           MusicBrainz first, then the CDDB server; a MusicBrainz answer adds RELEASE=\n"
      "           (the release's MusicBrainz ID) and COVER= (its front cover's address)\n"
      "\n"
      "Environment: DISCOVANT_EMAIL and DISCOVANT_SERVER stand in for --email and --server,\n"
      "DISCOVANT_MUSICBRAINZ_SERVER and DISCOVANT_COVERART_SERVER for --musicbrainz-server and\n"
      "--coverart-server.\n"
      "Messages follow the language of LC_ALL, LC_MESSAGES or LANG (English, German, French).\n"
      "\n"
      "Exit status: 0 when the command completed (a lookup with or without a match), 1 when a\n"
      "disc or file could not be read, 2 for bad arguments, 3 when the server or the network\n"
      "failed.\n";

std::string onlyPositional(const Arguments& args, const char* what)
{
    if (args.positional.size() != 1)
        throw CommandError(kUsage, std::string("'") + args.command + "' takes one " + what);
    return args.positional.front();
}

std::string readFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw CommandError(kFailed, "cannot open " + path);
    std::string bytes;
    char block[65536];
    while (file.read(block, sizeof block) || file.gcount() > 0) {
        bytes.append(block, static_cast<std::size_t>(file.gcount()));
        if (static_cast<std::streamsize>(bytes.size()) > kMaxInputFileBytes)
            throw CommandError(kFailed, path + " is too large");
    }
    if (file.bad())
        throw CommandError(kFailed, "cannot read " + path);
    return bytes;
}

// Lookup values of `toc`; a TOC that identifies no disc is a usage error of id and lookup.
LookupValues validToc(const std::string& toc)
{
    LookupValues values = deriveLookupValues(toc);
    if (!values.valid)
        throw CommandError(kUsage,
            "not a usable TOC: '" + toc
                + "' (frame addresses of the tracks and the lead-out,"
                  " separated by spaces, spanning at most 32767 s)");
    return values;
}

// The entry lines shared by lookup and parse. `Entry` is the component or a bare entry;
// both offer the same accessors.
template <typename Entry> void writeEntry(std::ostream& out, const Entry& entry)
{
    writeValue(out, "DISCID", entry.GetMediaID());
    writeValue(out, "CATEGORY", entry.GetAlbumCategory());
    writeValue(out, "ARTIST", entry.GetArtistName());
    writeValue(out, "ALBUM", entry.GetAlbumName());
    writeValue(out, "YEAR", entry.GetAlbumYear());
    writeValue(out, "GENRE", entry.GetAlbumGenre());
    writeValue(out, "REVISION", entry.GetAlbumRevision());
    writeValue(out, "LENGTH", std::to_string(entry.GetAlbumLength()));
    const int tracks = entry.GetAlbumTracks();
    writeValue(out, "TRACKS", std::to_string(tracks));
    const std::vector<std::string> names = entry.trackNames();
    for (std::size_t i = 0; i < names.size(); ++i)
        writeValue(out, "TRACK" + std::to_string(i + 1), names[i]);
    for (int track = 1; track <= tracks; ++track)
        writeValue(out, "TIME" + std::to_string(track),
            std::to_string(entry.GetTrackTime(static_cast<int16_t>(track))));
    const std::vector<std::string> notes = entry.trackNotes();
    for (std::size_t i = 0; i < notes.size(); ++i)
        writeValue(out, "TNOTES" + std::to_string(i + 1), notes[i]);
    writeValue(out, "NOTES", entry.GetAlbumNotes());
}

// The language of the component's messages, from the locale the user runs in.
uCDDBLang messageLanguage()
{
    for (const char* name : { "LC_ALL", "LC_MESSAGES", "LANG" }) {
        const char* value = std::getenv(name);
        if (value == nullptr || *value == '\0')
            continue;
        const std::string locale = value;
        if (locale.rfind("de", 0) == 0)
            return uCDDBLang::GERMAN;
        if (locale.rfind("fr", 0) == 0)
            return uCDDBLang::FRENCH;
        return uCDDBLang::ENGLISH;
    }
    return uCDDBLang::ENGLISH;
}

// An option's value, else the environment variable standing in for it.
std::optional<std::string> optionOrEnvironment(
    const Arguments& args, const char* option, const char* variable)
{
    if (auto value = args.value(option))
        return value;
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0')
        return std::string(value);
    return std::nullopt;
}

// What the component's events say about how the command ended: the worst exit status among
// them (2 for what the user gave wrongly, 3 for the server or the network).
struct EventLog {
    int exitStatus = 0;
};

int exitStatusOf(int32_t number)
{
    switch (number) {
    case kErrorMissingEmail:
    case kErrorNoLocalDatabase:
    case kErrorBadServerAddress:
    case kCurlBadCaFile:
        return kUsage;
    default:
        return kServerFailed;
    }
}

// Wires the component's event to the error stream and applies the network options.
void configureNetwork(Discovant& component, const Arguments& args, std::ostream& err, EventLog& log)
{
    component.setCDDBLanguage(messageLanguage());
    component.setProtocolErrorHandler([&err, &log](int32_t number, const std::string& message) {
        err << "ProtocolError " << number << ": " << message << '\n';
        if (number == kErrorMissingEmail)
            err << "discovant: give your e-mail address with --email or DISCOVANT_EMAIL\n";
        log.exitStatus = std::max(log.exitStatus, exitStatusOf(number));
    });
    if (auto server = optionOrEnvironment(args, "server", "DISCOVANT_SERVER"))
        component.setCDDBServer(*server);
    if (auto email = optionOrEnvironment(args, "email", "DISCOVANT_EMAIL")) {
        component.setEmailAddress(*email);
        if (component.EmailAddress().empty())
            throw CommandError(kUsage, "not an e-mail address: '" + *email + "'");
    }
    if (auto caFile = args.value("cafile"))
        component.setCDDBCAFile(*caFile);
    if (auto level = args.value("proto")) {
        if (*level != "5" && *level != "6")
            throw CommandError(kUsage, "unknown protocol level '" + *level + "' (5 or 6)");
        component.setCDDBProtocol(leadingInt32(*level));
    }
}

// Ends the command when an event said it failed: nothing is printed on stdout then.
void throwOnFailure(const EventLog& log, const std::string& what)
{
    if (log.exitStatus != 0)
        throw CommandError(log.exitStatus, what);
}

int drives(const Arguments& args, std::ostream& out)
{
    if (!args.positional.empty())
        throw CommandError(kUsage, "'drives' takes no argument");
    Discovant component;
    writeValue(out, "DRIVES", component.GetCdRoms());
    return 0;
}

uCDDBIfc readerInterface(const std::string& name)
{
    if (name == "auto")
        return uCDDBIfc::AUTO;
    if (name == "spti")
        return uCDDBIfc::SPTI;
    if (name == "aspi")
        return uCDDBIfc::ASPI;
    if (name == "mci")
        return uCDDBIfc::MCI;
    throw CommandError(kUsage, "unknown interface '" + name + "' (auto, spti, aspi or mci)");
}

// A path given as a drive or disc image must be one; a FIFO or a folder is refused before
// anything opens it.
void requireDiscSource(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        throw CommandError(kUsage, "no such drive or disc image: " + path);
    if (discSourceKind(path) == DiscSourceKind::None)
        throw CommandError(kUsage, path + " is neither a drive nor a disc image");
}

int toc(const Arguments& args, std::ostream& out)
{
    const std::string drive = onlyPositional(args, "drive or disc image");
    Discovant component;
    component.setCDDBInterface(readerInterface(args.value("interface").value_or("auto")));
    requireDiscSource(drive);
    const std::string mediaToc = component.GetMediaTOC(drive);
    if (mediaToc.empty())
        throw CommandError(kFailed, "no TOC could be read from " + drive);
    writeValue(out, "TOC", mediaToc);
    writeValue(out, "CDTEXT", component.GetCdText());
    return 0;
}

int id(const Arguments& args, std::ostream& out)
{
    const LookupValues values = validToc(onlyPositional(args, "TOC"));
    writeValue(out, "DISCID", values.discId);
    writeValue(out, "TRACKS", std::to_string(values.trackCount));
    writeValue(out, "LENGTH", std::to_string(CalAlbumlength(values.toc)));
    writeValue(out, "TRACKLENGTHS", CalTracklength(values.toc));
    writeValue(out, "QUERY", values.queryArguments);
    return 0;
}

// The TOC of the command's one argument: a path that exists is a drive or an image whose
// TOC is read first; anything else must be a TOC.
std::string mediaTocOf(Discovant& component, const Arguments& args)
{
    const std::string disc = onlyPositional(args, "TOC, drive or disc image");
    component.setCDDBInterface(readerInterface(args.value("interface").value_or("auto")));
    std::error_code error;
    if (!std::filesystem::exists(disc, error))
        return validToc(disc).toc;
    requireDiscSource(disc);
    std::string mediaToc = component.GetMediaTOC(disc);
    if (mediaToc.empty())
        throw CommandError(kFailed, "no TOC could be read from " + disc);
    return mediaToc;
}

int mbid(const Arguments& args, std::ostream& out)
{
    Discovant component;
    const std::string mediaToc = mediaTocOf(component, args);
    const std::string discId = component.CalMusicBrainzID(mediaToc);
    if (discId.empty())
        throw CommandError(kUsage, "MusicBrainz takes no disc of this TOC: '" + mediaToc + "'");
    writeValue(out, "MBDISCID", discId);
    return 0;
}

uCDDBSource lookupSource(const std::string& name)
{
    if (name == "musicbrainz")
        return uCDDBSource::MUSICBRAINZ;
    if (name == "cddb")
        return uCDDBSource::CDDB;
    if (name == "local")
        return uCDDBSource::LOCAL_DATABASE;
    if (name == "auto")
        return uCDDBSource::MUSICBRAINZ_THEN_CDDB;
    throw CommandError(kUsage, "unknown source '" + name + "' (musicbrainz, cddb, local or auto)");
}

const char* sourceName(uCDDBSource source)
{
    switch (source) {
    case uCDDBSource::MUSICBRAINZ:
        return "musicbrainz";
    case uCDDBSource::LOCAL_DATABASE:
        return "local";
    default:
        return "cddb";
    }
}

int lookup(const Arguments& args, Console console, std::ostream& out)
{
    Discovant component;
    EventLog log;
    configureNetwork(component, args, console.err, log);
    const std::string mediaToc = mediaTocOf(component, args);
    if (auto source = args.value("source")) {
        component.setLookupSource(lookupSource(*source));
        if (component.LookupSource() == uCDDBSource::LOCAL_DATABASE && !args.value("local"))
            throw CommandError(kUsage, "'--source local' needs the database folder: --local DIR");
    }
    if (auto server = optionOrEnvironment(args, "musicbrainz-server", "DISCOVANT_MUSICBRAINZ_SERVER"))
        component.setMusicBrainzServer(*server);
    if (auto server = optionOrEnvironment(args, "coverart-server", "DISCOVANT_COVERART_SERVER"))
        component.setCoverArtServer(*server);
    TerminalChooser chooser(console.in, console.err);
    component.setLookupUi(&chooser);
    component.setAllowSubmission(false);
    component.setUseFirstMatch(!args.has("no-first-match"));
    if (auto folder = args.value("local")) {
        component.setCDDBFilePath(*folder);
        component.setQueryLocalDatabase(true);
    }
    const uCDDBMatchCode match = component.LookupMediaByToc(mediaToc);
    throwOnFailure(log, "the lookup did not complete");
    // A completed lookup prints its match code, whatever it is.
    writeValue(out, "MATCH", std::to_string(static_cast<int32_t>(match)));
    writeEntry(out, component);
    writeValue(
        out, "SOURCE", match == uCDDBMatchCode::MATCH_NONE ? "" : sourceName(component.GetAnsweredSource()));
    writeValue(out, "RELEASE", component.GetReleaseID());
    writeValue(out, "COVER", component.GetCoverUrl());
    return 0;
}

int parse(const Arguments& args, std::ostream& out)
{
    const std::string path = onlyPositional(args, "file");
    const std::string answer = readFile(path);
    DiscEntry entry;
    if (!entry.parseReadAnswer(answer))
        throw CommandError(kFailed,
            path + " is not a read answer (status " + std::to_string(answerStatus(answer)) + ", not "
                + std::to_string(kReadAnswer) + ")");
    // A saved answer names its entry in the status line: "210 category discid ...".
    std::istringstream statusLine(answer.substr(0, answer.find_first_of("\r\n")));
    std::string status, category, discId;
    statusLine >> status >> category >> discId;
    entry.setAlbumCategory(category);
    entry.setMediaID(discId);
    writeEntry(out, entry);
    return 0;
}

int cdtext(const Arguments& args, std::ostream& out)
{
    const std::string path = onlyPositional(args, "file");
    const std::string buffer = readFile(path);
    std::string text;
    if (!decodeCdTextBuffer(reinterpret_cast<const unsigned char*>(buffer.data()), buffer.size(), text))
        throw CommandError(kFailed, path + " holds no usable CD-Text (a track number is out of range)");
    writeValue(out, "CDTEXT", text);
    return 0;
}

int sites(const Arguments& args, Console console, std::ostream& out)
{
    if (!args.positional.empty())
        throw CommandError(kUsage, "'sites' takes no argument");
    Discovant component;
    EventLog log;
    configureNetwork(component, args, console.err, log);
    const int16_t count = component.GetServerSites();
    throwOnFailure(log, "the site list could not be fetched from " + component.CDDBServer());
    writeValue(out, "SITES", std::to_string(count));
    for (int16_t site = 1; site <= count; ++site)
        writeValue(out, "SITE" + std::to_string(site), component.GetServer(site));
    return 0;
}

bool asksForHelp(const std::vector<std::string>& argv)
{
    if (!argv.empty() && argv.front() == "help")
        return true;
    return std::any_of(
        argv.begin(), argv.end(), [](const std::string& word) { return word == "--help" || word == "-h"; });
}

int dispatch(const std::vector<std::string>& argv, Console console, std::ostream& out)
{
    const std::string command = argv.empty() ? std::string() : argv.front();
    if (asksForHelp(argv)) {
        out << kUsageText << kHelpText;
        return 0;
    }
    if (command == "--version") {
        out << "discovant " << Discovant::componentVersion() << '\n';
        return 0;
    }
    const std::set<std::string> network = { "server", "email", "cafile", "proto" };
    std::set<std::string> lookupOptions = network;
    lookupOptions.insert({ "local", "interface", "source", "musicbrainz-server", "coverart-server" });
    if (command == "drives")
        return drives(parseArguments(argv, {}, {}), out);
    if (command == "toc")
        return toc(parseArguments(argv, { "interface" }, {}), out);
    if (command == "id")
        return id(parseArguments(argv, {}, {}), out);
    if (command == "mbid")
        return mbid(parseArguments(argv, { "interface" }, {}), out);
    if (command == "lookup")
        return lookup(parseArguments(argv, lookupOptions, { "no-first-match" }), console, out);
    if (command == "parse")
        return parse(parseArguments(argv, {}, {}), out);
    if (command == "cdtext")
        return cdtext(parseArguments(argv, {}, {}), out);
    if (command == "sites")
        return sites(parseArguments(argv, network, {}), console, out);
    throw CommandError(kUsage, command.empty() ? "no command given" : "unknown command '" + command + "'");
}

} // namespace

int runCommand(const std::vector<std::string>& args, Console console)
{
    // Results are collected first, so a command that fails half-way prints nothing.
    std::ostringstream results;
    try {
        const int status = dispatch(args, console, results);
        console.out << results.str() << std::flush;
        return status;
    } catch (const CommandError& error) {
        console.err << "discovant: " << error.what() << '\n';
        if (error.exitStatus == kUsage)
            console.err << kUsageText;
        return error.exitStatus;
    } catch (const std::invalid_argument& error) {
        console.err << "discovant: " << error.what() << '\n' << kUsageText;
        return kUsage;
    } catch (const std::exception& error) {
        console.err << "discovant: " << error.what() << '\n';
        return kFailed;
    }
}

} // namespace discovant::cli
