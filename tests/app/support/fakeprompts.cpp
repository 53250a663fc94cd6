#include "support/fakeprompts.h"

int FakePrompts::messageBox(QWidget*, const QString& prompt, int buttons, const QString& title)
{
    boxes << Box{prompt, buttons, title};
    return answers.isEmpty() ? defaultAnswer : answers.takeFirst();
}

void FakePrompts::errorReport(QWidget*, const QString& report, const QString&, const QString&)
{
    reports << report;
}

bool FakePrompts::openUrl(const QUrl& url)
{
    openedUrls << url;
    return openUrlSucceeds;
}

QString FakePrompts::openFileName(QWidget*, const QString& title, const QString&, const QString&)
{
    fileDialogTitles << title;
    return chosenFiles.isEmpty() ? QString() : chosenFiles.takeFirst();
}

QString FakePrompts::existingFolder(QWidget*, const QString& title, const QString&)
{
    fileDialogTitles << title;
    return chosenFolders.isEmpty() ? QString() : chosenFolders.takeFirst();
}
