#include "shell/ui/userprompts.h"

#include "shell/ui/centeredmsgbox.h"
#include "shell/ui/errorwindow.h"

#include <QDesktopServices>
#include <QFileDialog>

int DesktopPrompts::messageBox(QWidget* owner, const QString& prompt, int buttons,
                               const QString& title)
{
    return CenteredMsgBox(owner, prompt, buttons, title);
}

void DesktopPrompts::errorReport(QWidget* owner, const QString& report, const QString& caption,
                                 const QString& label)
{
    ErrorWindow window(report, caption, label, owner);
    window.exec();
}

bool DesktopPrompts::openUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

QString DesktopPrompts::openFileName(QWidget* owner, const QString& title, const QString& folder,
                                     const QString& filter)
{
    return QFileDialog::getOpenFileName(owner, title, folder, filter);
}

QString DesktopPrompts::existingFolder(QWidget* owner, const QString& title, const QString& folder)
{
    return QFileDialog::getExistingDirectory(owner, title, folder);
}
