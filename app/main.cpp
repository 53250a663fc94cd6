// Melotheek: starts the main window, which performs the whole start-up.
#include "shell/homefolder.h"
#include "shell/session.h"
#include "shell/ui/mainwindow.h"
#include "shell/ui/userprompts.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Melotheek"));
    QApplication::setApplicationVersion(QStringLiteral(MELOTHEEK_VERSION));

    Session session(resolveHomeFolder(QApplication::arguments()));
    DesktopPrompts prompts;
    MainWindow window(session, prompts, resolveHelpFolder(QApplication::applicationDirPath()));
    window.start();
    window.show();
    return QApplication::exec();
}
