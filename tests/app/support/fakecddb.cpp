#include "fakecddb.h"

#include "discovant/cddb/discovant.h"

#include <QDir>
#include <QFile>
#include <chrono>
#include <gtest/gtest.h>
#include <httplib.h>

using namespace std::chrono_literals;

namespace {

constexpr int kFramesPerSecond = 75;
constexpr qint64 kRawSectorSize = 2352;

QString msf(int frames)
{
    return QStringLiteral("%1:%2:%3")
        .arg(frames / (60 * kFramesPerSecond), 2, 10, QLatin1Char('0'))
        .arg(frames / kFramesPerSecond % 60, 2, 10, QLatin1Char('0'))
        .arg(frames % kFramesPerSecond, 2, 10, QLatin1Char('0'));
}

std::string dtitleOf(const TestEntry& entry)
{
    return (entry.artist + QStringLiteral(" / ") + entry.album).toStdString();
}

} // namespace

std::string xmcdText(const std::string& discId, const TestEntry& entry)
{
    std::string text
        = "# xmcd\r\n#\r\n# Revision: 1\r\n# Submitted via: test 1.0\r\n#\r\nDISCID=" + discId + "\r\n";
    text += "DTITLE=" + dtitleOf(entry) + "\r\nDYEAR=" + entry.year.toStdString() + "\r\nDGENRE=Pop\r\n";
    for (int i = 0; i < entry.trackNames.size(); ++i)
        text += "TTITLE" + std::to_string(i) + "=" + entry.trackNames.at(i).toStdString() + "\r\n";
    text += "EXTD=\r\n";
    for (int i = 0; i < entry.trackNames.size(); ++i)
        text += "EXTT" + std::to_string(i) + "=\r\n";
    return text + "PLAYORDER=\r\n";
}

FakeCddbServer::FakeCddbServer()
    : server_(std::make_unique<httplib::Server>())
{
    server_->Get("/~cddb/cddb.cgi/", [this](const httplib::Request& request, httplib::Response& response) {
        std::lock_guard lock(mutex_);
        targets_.push_back(request.target);
        const std::string cmd = request.get_param_value("cmd");
        if (discId_.empty()) {
            response.set_content("202 No match found.\r\n", "text/plain");
        } else if (cmd.rfind("cddb query", 0) == 0) {
            std::string answer;
            if (moreLines_.empty()) {
                answer = "200 rock " + discId_ + " " + dtitle_ + "\r\n";
            } else {
                answer = "210 Found exact matches, list follows (until terminating `.')\r\nrock " + discId_
                    + " " + dtitle_ + "\r\n";
                for (const std::string& line : moreLines_)
                    answer += line + "\r\n";
                answer += ".\r\n";
            }
            response.set_content(answer, "text/plain");
        } else if (cmd.rfind("cddb read", 0) == 0) {
            // The disc id asked for is the last word before the hello.
            const std::string asked = cmd.substr(cmd.rfind(' ') + 1);
            response.set_content("210 rock " + asked
                    + " CD database entry follows (until terminating `.')\r\n" + entryText_ + ".\r\n",
                "text/plain");
        } else {
            response.set_content("500 Command syntax error.\r\n", "text/plain");
        }
    });
    port_ = server_->bind_to_any_port("127.0.0.1");
    thread_ = std::thread([this] { server_->listen_after_bind(); });
    while (!server_->is_running())
        std::this_thread::sleep_for(1ms);
}

FakeCddbServer::~FakeCddbServer()
{
    server_->stop();
    thread_.join();
}

std::string FakeCddbServer::address() const
{
    return "127.0.0.1:" + std::to_string(port_);
}

void FakeCddbServer::serve(const std::string& discId, const TestEntry& entry)
{
    std::lock_guard lock(mutex_);
    discId_ = discId;
    dtitle_ = dtitleOf(entry);
    entryText_ = xmcdText(discId, entry);
}

void FakeCddbServer::alsoList(const std::string& line)
{
    std::lock_guard lock(mutex_);
    moreLines_.push_back(line);
}

std::vector<std::string> FakeCddbServer::targets() const
{
    std::lock_guard lock(mutex_);
    return targets_;
}

QString writeCueImage(const QString& folder, const QString& stem, const std::vector<int>& seconds)
{
    QString cue = QStringLiteral("FILE \"%1.bin\" BINARY\n").arg(stem);
    int frames = 0;
    for (std::size_t i = 0; i < seconds.size(); ++i) {
        cue += QStringLiteral("  TRACK %1 AUDIO\n    INDEX 01 %2\n")
                   .arg(static_cast<int>(i) + 1, 2, 10, QLatin1Char('0'))
                   .arg(msf(frames));
        frames += seconds[i] * kFramesPerSecond;
    }
    QFile bin(QDir(folder).filePath(stem + QStringLiteral(".bin")));
    EXPECT_TRUE(bin.open(QIODevice::WriteOnly));
    EXPECT_TRUE(bin.resize(frames * kRawSectorSize));
    const QString cuePath = QDir(folder).filePath(stem + QStringLiteral(".cue"));
    QFile sheet(cuePath);
    EXPECT_TRUE(sheet.open(QIODevice::WriteOnly));
    sheet.write(cue.toUtf8());
    return cuePath;
}

DiscIdentity identify(const QString& image)
{
    discovant::Discovant oracle;
    DiscIdentity identity;
    identity.toc = oracle.GetMediaTOC(image.toStdString());
    EXPECT_FALSE(identity.toc.empty()) << image.toStdString();
    if (!identity.toc.empty())
        identity.discId = oracle.CalMediaID(identity.toc);
    return identity;
}

void writeLocalEntry(const QString& folder, const std::string& discId, const TestEntry& entry)
{
    QDir(folder).mkpath(QStringLiteral("rock"));
    QFile file(QDir(folder).filePath(QStringLiteral("rock/00toff")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(("#FILENAME=" + discId + "\r\n" + xmcdText(discId, entry)).c_str());
}
