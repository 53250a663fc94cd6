#pragma once

#include "discovant/cddb/httpclient.h"
#include "discovant/musicbrainz/client.h"
#include "shell/ui/progresswindow.h"

#include <QObject>
#include <atomic>

// Runs `request(client, report)` with a MusicBrainz client of its own on a worker thread
// behind the progress window `Voortgang` titled `title`, with Cancel: Cancel stops the
// request under way (and a wait for the request limiter) at once. `cancelled` tells whether
// the user stopped it; the request's answer is returned either way.
template <typename Request>
auto runMusicBrainzJob(QWidget* owner, const QString& title,
    const discovant::musicbrainz::ServiceOptions& options, bool& cancelled, Request request)
{
    std::atomic<bool> stop { false };
    ProgressWindow window(owner, title, ProgressWindow::Cancel::Offered);
    QObject::connect(&window, &ProgressWindow::cancelling, &window, [&stop] { stop = true; });
    auto result = window.run([&](ProgressReport& report) {
        discovant::HttpClient http;
        http.setWatch({ &stop, {} });
        discovant::musicbrainz::MusicBrainzClient client(http, options);
        client.setCancelFlag(&stop);
        return request(client, report);
    });
    cancelled = window.cancelRequested();
    return result;
}
