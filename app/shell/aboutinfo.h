#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QUrl>

// The texts of the about window.

// The year line; it ends with the year of `today` in four digits.
QString yearLine(const QDate& today);

// The build identification: "Version: " + the program's version + the date of the program
// file as yyyymmdd between brackets, e.g. "Version: 1.0.0 (20261206)". Without a date (the
// file cannot be found) only the version is given.
QString buildIdentification(const QString& version, const QDateTime& programFileDate);

// The date of last modification of the running program's file; invalid when it is unknown.
QDateTime programFileDate();

// The about window's mail link: a mail to `address` whose subject names the build,
// "Melotheek (compilation " + the build identification + " )".
QUrl mailLink(const QString& address, const QString& buildIdentification);
