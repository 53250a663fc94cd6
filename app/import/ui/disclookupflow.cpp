#include "import/ui/disclookupflow.h"

#include "discovant/widgets/discovantwidget.h"
#include "import/disclookup.h"
#include "shell/ui/busycursor.h"
#include "import/ui/cdlookupdialog.h"
#include "shell/session.h"
#include "shell/ui/userprompts.h"

#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QObject>

using discovant::uCDDBMatchCode;

namespace {

// The hourglass is lifted while one of the component's windows waits for the user, and
// put back when it closes.
class CursorPause {
public:
    CursorPause()
    {
        while (QApplication::overrideCursor()) {
            QApplication::restoreOverrideCursor();
            ++lifted_;
        }
    }
    ~CursorPause()
    {
        for (int i = 0; i < lifted_; ++i)
            QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
    CursorPause(const CursorPause&) = delete;
    CursorPause& operator=(const CursorPause&) = delete;

private:
    int lifted_ = 0;
};

// The control's windows, shown with the normal pointer in the middle of a busy lookup.
class PointerFriendlyUi : public discovant::LookupUi {
public:
    explicit PointerFriendlyUi(DiscovantWidget& control)
        : control_(control)
    {
    }
    int chooseMatch(const std::vector<std::string>& lines, bool offerSubmit,
        const discovant::PopUpSettings& popUp) override
    {
        CursorPause pause;
        return control_.chooseMatch(lines, offerSubmit, popUp);
    }
    int chooseServer(const std::vector<std::string>& lines, const discovant::PopUpSettings& popUp) override
    {
        CursorPause pause;
        return control_.chooseServer(lines, popUp);
    }
    bool submitNewEntry(const discovant::SubmissionRequest& request, const discovant::PopUpSettings& popUp,
        discovant::SubmittedEntry& submitted) override
    {
        CursorPause pause;
        return control_.submitNewEntry(request, popUp, submitted);
    }

private:
    DiscovantWidget& control_;
};

} // namespace

DiscLookupResult readAndLookUpDisc(
    QWidget* owner, DiscovantWidget& control, UserPrompts& prompts, const QString& drive)
{
    DiscLookupResult result;
    const QMetaObject::Connection listening = QObject::connect(
        &control, &DiscovantWidget::protocolError, &control, [&result](int number, const QString& message) {
            result.protocolErrors << QStringLiteral("%1: %2").arg(number).arg(message);
        });

    std::string toc;
    {
        BusyCursor busy;
        toc = control.core().GetMediaTOC(QFile::encodeName(drive).toStdString());
    }
    if (toc.empty()) {
        result.outcome = DiscLookupOutcome::NoToc;
    } else if (!ensureLookupAddress(control.core(), prompts, owner)) {
        result.outcome = DiscLookupOutcome::Cancelled;
    } else {
        PointerFriendlyUi windows(control);
        control.core().setLookupUi(&windows);
        {
            BusyCursor busy;
            result.outcome = lookUpDisc(control.core(), toc) == uCDDBMatchCode::MATCH_NONE
                ? DiscLookupOutcome::NoMatch
                : DiscLookupOutcome::Found;
        }
        control.core().setLookupUi(&control);
    }
    QObject::disconnect(listening);
    return result;
}

void reportFailedLookup(
    QWidget* owner, Session& session, UserPrompts& prompts, const DiscLookupResult& result)
{
    int k = 0;
    switch (result.outcome) {
    case DiscLookupOutcome::NoToc:
        k = 50;
        break;
    case DiscLookupOutcome::NoMatch:
        k = 51;
        break;
    case DiscLookupOutcome::Found:
    case DiscLookupOutcome::Cancelled:
        return;
    }
    QString prompt = session.message(k);
    if (!result.protocolErrors.isEmpty())
        prompt += QStringLiteral("\n\n") + result.protocolErrors.join(QLatin1Char('\n'));
    prompts.messageBox(owner, prompt, MsgBox::okWarning, session.message(52));
}
