#pragma once

#include <QString>
#include <QStringList>

// Whether a process with this id exists right now (an ended and reaped process does not).
bool Inst(qint64 processId);

// Starts a program without waiting for it and without a shell: program and arguments are
// passed as they are, so blanks and quotes in paths need no escaping. Returns the process
// id, or -1 with `error` set when it could not be started.
qint64 startDetached(const QString& program, const QStringList& arguments, QString* error);
