#pragma once

// A CDDB server on 127.0.0.1 and the discs to look up on it: cue sheet images written at test
// time and local CDDB database folders.

#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace httplib {
class Server;
}

// An album entry as a CDDB server or local database holds it.
struct TestEntry {
    QString artist;
    QString album;
    QString year;
    QStringList trackNames; // one per track; "" for a track without a name
};

// The xmcd text of `entry` for disc `discId` (lines ending in CR LF, up to PLAYORDER=).
std::string xmcdText(const std::string& discId, const TestEntry& entry);

// Answers every query with one exact match (or, with `alsoListed`, several) and every read
// with the entry set last; records every request target.
class FakeCddbServer {
public:
    FakeCddbServer();
    ~FakeCddbServer();

    std::string address() const;
    // The entry served for disc `discId` in category "rock".
    void serve(const std::string& discId, const TestEntry& entry);
    // Further lines of the query answer: several matches instead of one.
    void alsoList(const std::string& line);
    std::vector<std::string> targets() const;

private:
    std::unique_ptr<httplib::Server> server_;
    int port_ = 0;
    std::thread thread_;
    mutable std::mutex mutex_;
    std::string discId_;
    std::string entryText_;
    std::string dtitle_;
    std::vector<std::string> moreLines_;
    std::vector<std::string> targets_;
};

// Writes "<folder>/<stem>.cue" with `seconds.size()` audio tracks of those lengths and a
// silent "<stem>.bin" beside it (sparse, so long discs cost nothing); returns the cue path.
QString writeCueImage(const QString& folder, const QString& stem, const std::vector<int>& seconds);

// The disc identifier and media TOC the component computes for a disc image.
struct DiscIdentity {
    std::string toc;
    std::string discId;
};
DiscIdentity identify(const QString& image);

// Writes the entry into a local CDDB database below `folder` (category "rock", file
// "00toff").
void writeLocalEntry(const QString& folder, const std::string& discId, const TestEntry& entry);
