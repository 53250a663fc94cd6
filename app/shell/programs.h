#pragma once

#include <QString>
#include <QStringList>

// Whether a process with this id exists right now (an ended and reaped process does not).
bool Inst(qint64 processId);

// Starts a program without waiting for it and without a shell: program and arguments are
// passed as they are, so blanks and quotes in paths need no escaping. Returns the process
// id, or -1 with `error` set when it could not be started.
qint64 startDetached(const QString& program, const QStringList& arguments, QString* error);

// Starts the configured player on `file` without waiting and without a shell. `command` is
// the player's program, optionally with arguments split as a shell would split them
// ("flatpak run org.videolan.VLC", "'/opt/My Player/play' --queue"); a value that names an
// existing program as a whole is taken as that program, so a path with blanks written without
// quotes keeps working. The file is the last argument.
qint64 startPlayer(const QString& command, const QString& file, QString* error);
