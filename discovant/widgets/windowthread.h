#pragma once

#include <QMetaObject>
#include <QObject>
#include <QThread>
#include <optional>
#include <type_traits>

namespace discovant::widgets {

// Runs `call` on the thread of `context` and gives back its result: at once when that is the
// calling thread, else through that thread's event loop, waiting until it has run. The
// component calls its windows and handlers on the thread of the operation, which may be a
// worker; windows and the host's settings live on the window thread.
//
// The window thread must be processing events meanwhile (a modal progress window does);
// when `context` cannot take the call, the result is a value-initialised one.
template <typename Call> std::invoke_result_t<Call> onThreadOf(QObject* context, Call call)
{
    using Result = std::invoke_result_t<Call>;
    if (QThread::currentThread() == context->thread())
        return call();
    if constexpr (std::is_void_v<Result>) {
        QMetaObject::invokeMethod(context, call, Qt::BlockingQueuedConnection);
    } else {
        std::optional<Result> result;
        QMetaObject::invokeMethod(
            context, [&result, &call] { result.emplace(call()); }, Qt::BlockingQueuedConnection);
        return result ? std::move(*result) : Result {};
    }
}

} // namespace discovant::widgets
