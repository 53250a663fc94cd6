#pragma once

#include <QString>
#include <QStringList>

// Melotheek's command line: `--home DIR`, `--help` and `--version`. Parsed with
// QCommandLineParser; single-dash words such as Qt's own "-platform" read as long options.
struct CommandLine {
    enum class Request { Run, Help, Version, Error };
    Request request = Request::Run;
    QString home; // the value of --home; empty when not given
    QString text; // the help text, the version line or the error message
};

// Reads `arguments` (the first is the program). --help wins over --version, and both win over
// a mistake elsewhere on the line, so they answer even before Qt has taken its own options off
// the line. Help and error texts name the program, so a Qt application object must exist.
CommandLine parseCommandLine(const QStringList& arguments);
