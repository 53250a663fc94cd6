#pragma once

#include <QDateTime>
#include <QString>

// A trapped failure: its number, what went wrong and which part of the program raised it.
struct AppError {
    int number = 0;
    QString description;
    QString source;
};

// Error numbers the program raises itself (file errors keep the numbers users of the
// catalogue know from earlier releases).
namespace ErrorNumbers {
constexpr int fileNotFound = 53;
constexpr int pathNotFound = 76;
constexpr int fileAccess = 75;
constexpr int settingsWrite = 1001;
constexpr int processStart = 1002;
constexpr int openUrl = 1003;
} // namespace ErrorNumbers

// The four-line report shown in the error window, lines separated by CR LF:
//   "Date and time: " TAB date and time
//   "Error number:" TAB number
//   "Description:" TAB description
//   "Source:" TAB TAB source
// The labels are the same in every interface language.
QString buildErrorReport(const AppError& error, const QDateTime& when);
