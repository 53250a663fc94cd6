#include "shell/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>

CommandLine parseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate("CommandLine",
        "Melotheek keeps the catalogue of your music collection: artists, albums, "
        "tracks, covers and playlists."));
    // Not addHelpOption(): its --help-all lists Qt's options, which only QApplication knows.
    const QCommandLineOption help({ QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?") },
        QCoreApplication::translate("CommandLine", "Show this help and quit."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption home(QStringLiteral("home"),
        QCoreApplication::translate("CommandLine",
            "Keep the settings and the catalogue in <folder> instead of $MELOTHEEK_HOME or "
            "~/.local/share/Melotheek."),
        QCoreApplication::translate("CommandLine", "folder"));
    parser.addOption(home);

    CommandLine result;
    const bool parsed = parser.parse(arguments);
    result.home = parser.value(home);
    if (parser.isSet(help)) {
        result.request = CommandLine::Request::Help;
        result.text = parser.helpText();
    } else if (parser.isSet(version)) {
        result.request = CommandLine::Request::Version;
        result.text = QStringLiteral("%1 %2\n").arg(
            QCoreApplication::applicationName(), QCoreApplication::applicationVersion());
    } else if (!parsed) {
        result.request = CommandLine::Request::Error;
        result.text = parser.errorText();
    } else if (!parser.positionalArguments().isEmpty()) {
        result.request = CommandLine::Request::Error;
        result.text = QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                          .arg(parser.positionalArguments().constFirst());
    }
    return result;
}
