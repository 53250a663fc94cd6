#include "shell/programs.h"

#include <QProcess>

#include <cerrno>
#include <csignal>

bool Inst(qint64 processId)
{
    if (processId <= 0)
        return false;
    // Signal 0 only checks: the process exists when it may be signalled or when it exists
    // but belongs to someone else.
    return ::kill(static_cast<pid_t>(processId), 0) == 0 || errno == EPERM;
}

qint64 startDetached(const QString& program, const QStringList& arguments, QString* error)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    qint64 pid = -1;
    if (!process.startDetached(&pid)) {
        if (error)
            *error = QStringLiteral("Cannot start %1: %2").arg(program, process.errorString());
        return -1;
    }
    return pid;
}
