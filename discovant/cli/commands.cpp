#include "commands.h"

#include "arguments.h"
#include "discovant/cddb/discid.h"
#include "discovant/cddb/discovant.h"
#include "discovant/cddb/entry.h"
#include "discovant/cddb/numeric.h"
#include "discovant/drive/tocdecoder.h"
#include "keyvalueoutput.h"
#include "terminalchooser.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <stdexcept>

namespace discovant::cli {

namespace {

constexpr int kFailed = 1;
constexpr int kUsage = 2;
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
      "       discovant lookup TOC [--server HOST[:PORT]] [--email ADDR] [--local DIR]"
      " [--no-first-match]\n"
      "       discovant parse FILE\n"
      "       discovant cdtext FILE\n"
      "       discovant sites [--server HOST[:PORT]] [--email ADDR]\n";

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

// Wires the component's event to the error stream and applies --server and --email.
void configureNetwork(Discovant& component, const Arguments& args, std::ostream& err, bool& protocolErrorSeen)
{
    component.setProtocolErrorHandler([&err, &protocolErrorSeen](int32_t number, const std::string& message) {
        protocolErrorSeen = true;
        err << "ProtocolError " << number << ": " << message << '\n';
    });
    if (auto server = args.value("server"))
        component.setCDDBServer(*server);
    if (auto email = args.value("email")) {
        component.setEmailAddress(*email);
        if (component.EmailAddress().empty())
            throw CommandError(kUsage, "not an e-mail address: '" + *email + "'");
    }
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

int toc(const Arguments& args, std::ostream& out)
{
    const std::string drive = onlyPositional(args, "drive or disc image");
    Discovant component;
    component.setCDDBInterface(readerInterface(args.value("interface").value_or("auto")));
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

int lookup(const Arguments& args, Console console, std::ostream& out)
{
    const std::string mediaToc = validToc(onlyPositional(args, "TOC")).toc;
    Discovant component;
    bool protocolErrorSeen = false;
    configureNetwork(component, args, console.err, protocolErrorSeen);
    TerminalChooser chooser(console.in, console.err);
    component.setLookupUi(&chooser);
    component.setAllowSubmission(false);
    component.setUseFirstMatch(!args.has("no-first-match"));
    if (auto folder = args.value("local")) {
        component.setCDDBFilePath(*folder);
        component.setQueryLocalDatabase(true);
    }
    const uCDDBMatchCode match = component.LookupMediaByToc(mediaToc);
    // The match code is the result, whatever it is; failures were reported as events.
    writeValue(out, "MATCH", std::to_string(static_cast<int32_t>(match)));
    writeEntry(out, component);
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
    bool protocolErrorSeen = false;
    configureNetwork(component, args, console.err, protocolErrorSeen);
    const int16_t count = component.GetServerSites();
    if (protocolErrorSeen)
        throw CommandError(kFailed, "the site list could not be fetched from " + component.CDDBServer());
    writeValue(out, "SITES", std::to_string(count));
    for (int16_t site = 1; site <= count; ++site)
        writeValue(out, "SITE" + std::to_string(site), component.GetServer(site));
    return 0;
}

int dispatch(const std::vector<std::string>& argv, Console console, std::ostream& out)
{
    const std::string command = argv.empty() ? std::string() : argv.front();
    if (command == "drives")
        return drives(parseArguments(argv, {}, {}), out);
    if (command == "toc")
        return toc(parseArguments(argv, { "interface" }, {}), out);
    if (command == "id")
        return id(parseArguments(argv, {}, {}), out);
    if (command == "lookup")
        return lookup(
            parseArguments(argv, { "server", "email", "local" }, { "no-first-match" }), console, out);
    if (command == "parse")
        return parse(parseArguments(argv, {}, {}), out);
    if (command == "cdtext")
        return cdtext(parseArguments(argv, {}, {}), out);
    if (command == "sites")
        return sites(parseArguments(argv, { "server", "email" }, {}), console, out);
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
