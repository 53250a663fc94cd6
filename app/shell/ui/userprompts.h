#pragma once

#include <QString>
#include <QUrl>

class QWidget;

// Every question, notice, error report and "open with the desktop" request of the program
// goes through this interface, so tests can answer them without a person at the screen.
class UserPrompts {
public:
    virtual ~UserPrompts() = default;

    // Button sets as the program passes them: 0 OK, 36 Yes/No with question icon, 292 the
    // same with No as default, 48 OK with warning icon, 64 OK with information icon.
    // Returns 1 OK, 2 Cancel, 6 Yes or 7 No.
    virtual int messageBox(QWidget* owner, const QString& prompt, int buttons,
                           const QString& title) = 0;

    // Shows an error report modally and returns when the user has closed it.
    virtual void errorReport(QWidget* owner, const QString& report, const QString& caption,
                             const QString& label) = 0;

    // Opens a file or page with the desktop's default program; false when nothing could.
    virtual bool openUrl(const QUrl& url) = 0;

    // Asks for an existing file to open; "" when the user cancelled. `filter` is a Qt
    // file-dialog filter ("Pictures (*.jpg *.png)").
    virtual QString openFileName(QWidget* owner, const QString& title, const QString& folder,
                                 const QString& filter) = 0;

    // Asks for an existing folder; "" when the user cancelled.
    virtual QString existingFolder(QWidget* owner, const QString& title, const QString& folder) = 0;
};

// The real thing: message boxes centred over their owner, the error window, the desktop.
class DesktopPrompts : public UserPrompts {
public:
    int messageBox(QWidget* owner, const QString& prompt, int buttons, const QString& title) override;
    void errorReport(QWidget* owner, const QString& report, const QString& caption,
                     const QString& label) override;
    bool openUrl(const QUrl& url) override;
    QString openFileName(QWidget* owner, const QString& title, const QString& folder,
                         const QString& filter) override;
    QString existingFolder(QWidget* owner, const QString& title, const QString& folder) override;
};

// Button codes of message boxes.
namespace MsgBox {
constexpr int okOnly = 0;
constexpr int yesNoQuestion = 36;
constexpr int yesNoQuestionDefaultNo = 292;
constexpr int okWarning = 48;
constexpr int okInformation = 64;

constexpr int ok = 1;
constexpr int cancel = 2;
constexpr int yes = 6;
constexpr int no = 7;
} // namespace MsgBox
