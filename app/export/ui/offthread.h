#pragma once

#include "shell/ui/busycursor.h"

#include <QEventLoop>
#include <QThread>
#include <memory>
#include <optional>
#include <type_traits>

// Runs `work` on a thread of its own and waits for its result while the program's event loop
// goes on, so windows keep repainting and answering the desktop during long file work
// (archives, copies of the catalogue). The busy pointer shows meanwhile. `work` must not touch
// widgets; it gets everything it needs by value.
template <typename Work> std::invoke_result_t<Work> runOffUiThread(Work work)
{
    using Result = std::invoke_result_t<Work>;
    BusyCursor busy;
    std::optional<Result> result;
    QEventLoop loop;
    std::unique_ptr<QThread> thread(QThread::create([&result, &work] { result.emplace(work()); }));
    // Queued to this thread: delivered by the loop below even when the work ends before it runs.
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    thread->start();
    loop.exec();
    thread->wait();
    return std::move(*result);
}
