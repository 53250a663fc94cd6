#pragma once

#include "shell/ui/userprompts.h"

#include <QList>
#include <QString>
#include <QUrl>

// Answers the program's questions from a script and records everything it was shown.
class FakePrompts : public UserPrompts {
public:
    struct Box {
        QString prompt;
        int buttons = 0;
        QString title;
    };

    int messageBox(QWidget* owner, const QString& prompt, int buttons, const QString& title) override;
    void errorReport(QWidget* owner, const QString& report, const QString& caption,
                     const QString& label) override;
    bool openUrl(const QUrl& url) override;
    QString openFileName(QWidget* owner, const QString& title, const QString& folder,
                         const QString& filter) override;
    QString existingFolder(QWidget* owner, const QString& title, const QString& folder) override;

    // Answers given to the next message boxes, in order; when none is left the answer is
    // `defaultAnswer`.
    QList<int> answers;
    int defaultAnswer = MsgBox::no;
    bool openUrlSucceeds = true;

    // Files "chosen" in the next open dialogs, in order; "" (cancelled) when none is left.
    QStringList chosenFiles;
    // Folders "chosen" in the next folder dialogs, in order; "" (cancelled) when none is left.
    QStringList chosenFolders;

    QList<Box> boxes;
    QStringList reports;
    QList<QUrl> openedUrls;
    QStringList fileDialogTitles;
};
