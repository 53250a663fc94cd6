#include "shell/programs.h"

#include <QFileInfo>
#include <QProcess>
#include <cerrno>
#include <csignal>
#include <glib.h>

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

qint64 startPlayer(const QString& command, const QString& file, QString* error)
{
    const QString trimmed = command.trimmed();
    const QFileInfo whole(trimmed);
    if (whole.isFile() && whole.isExecutable())
        return startDetached(trimmed, { file }, error);
    // GLib's shell rules: blanks separate, single and double quotes and backslashes as in sh.
    gchar** argv = nullptr;
    GError* parseError = nullptr;
    QStringList arguments;
    if (g_shell_parse_argv(trimmed.toUtf8().constData(), nullptr, &argv, &parseError)) {
        for (gchar** argument = argv; *argument != nullptr; ++argument)
            arguments << QString::fromUtf8(*argument);
        g_strfreev(argv);
    }
    if (arguments.isEmpty()) {
        if (error)
            *error
                = QStringLiteral("Cannot start the player %1: %2")
                      .arg(command,
                          parseError ? QString::fromUtf8(parseError->message) : QStringLiteral("no program"));
        if (parseError)
            g_error_free(parseError);
        return -1;
    }
    const QString program = arguments.takeFirst();
    arguments << file;
    return startDetached(program, arguments, error);
}
