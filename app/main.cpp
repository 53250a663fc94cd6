// Melotheek: reads the command line and starts the main window, which performs the whole
// start-up.
#include "shell/commandline.h"
#include "shell/homefolder.h"
#include "shell/interfacetranslation.h"
#include "shell/session.h"
#include "shell/ui/mainwindow.h"
#include "shell/ui/userprompts.h"

#include <QApplication>
#include <QIcon>
#include <QTextStream>
#include <optional>

namespace {

// --help and --version are answered before the display is opened, so they work in a terminal
// without one too. Everything else waits for QApplication, which takes Qt's own options off
// the line first.
std::optional<int> answerWithoutDisplay(int& argc, char** argv)
{
    const QCoreApplication core(argc, argv);
    // The terminal's language: the settings that name the program's language are not read yet.
    InterfaceTranslation translation(resolveTranslationsFolder(QCoreApplication::applicationDirPath()));
    translation.use(Language::fromLocale(QLocale::system()));
    const CommandLine line = parseCommandLine(QCoreApplication::arguments());
    if (line.request != CommandLine::Request::Help && line.request != CommandLine::Request::Version)
        return std::nullopt;
    QTextStream(stdout) << line.text;
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("Melotheek"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MELOTHEEK_VERSION));
    if (const std::optional<int> status = answerWithoutDisplay(argc, argv))
        return *status;

    QApplication app(argc, argv);
    CommandLine line;
    {
        // A mistake on the line is told in the terminal's language, like --help.
        InterfaceTranslation terminal(resolveTranslationsFolder(QApplication::applicationDirPath()));
        terminal.use(Language::fromLocale(QLocale::system()));
        line = parseCommandLine(QApplication::arguments());
        if (line.request == CommandLine::Request::Error) {
            QTextStream(stderr) << "melotheek: " << line.text << '\n'
                                << QCoreApplication::translate("CommandLine", "Try 'melotheek --help'.")
                                << '\n';
            return 2;
        }
    }
    // The desktop matches the windows to the menu entry (and its icon) by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(MELOTHEEK_APP_ID));
    QApplication::setWindowIcon(QIcon::fromTheme(
        QStringLiteral(MELOTHEEK_APP_ID), QIcon(QStringLiteral(":/icons/" MELOTHEEK_APP_ID ".svg"))));

    Session session(homeFolderFor(line.home));
    // From here the settings' language rules; the main window installs it when it starts.
    session.translation().setFolder(resolveTranslationsFolder(QApplication::applicationDirPath()));
    DesktopPrompts prompts;
    MainWindow window(session, prompts, resolveHelpFolder(QApplication::applicationDirPath()));
    window.start();
    window.show();
    return QApplication::exec();
}
