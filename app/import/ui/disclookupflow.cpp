#include "import/ui/disclookupflow.h"

#include "discovant/widgets/discovantwidget.h"
#include "discovant/widgets/windowthread.h"
#include "editing/coverfile.h"
#include "import/disclookup.h"
#include "import/ui/cdlookupdialog.h"
#include "shell/session.h"
#include "shell/ui/progresswindow.h"
#include "shell/ui/userprompts.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QFile>
#include <QImage>
#include <QObject>
#include <functional>
#include <optional>
#include <type_traits>

using discovant::uCDDBMatchCode;
using discovant::uCDDBStep;
using discovant::widgets::onThreadOf;

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

// The control's windows, shown with the normal pointer in the middle of a busy lookup. The
// component calls them on the worker thread; they are shown on the window thread.
class PointerFriendlyUi : public discovant::LookupUi {
public:
    explicit PointerFriendlyUi(DiscovantWidget& control)
        : control_(control)
    {
    }
    int chooseMatch(const std::vector<std::string>& lines, bool offerSubmit,
        const discovant::PopUpSettings& popUp) override
    {
        return onThreadOf(&control_, [&] {
            CursorPause pause;
            return control_.chooseMatch(lines, offerSubmit, popUp);
        });
    }
    int chooseServer(const std::vector<std::string>& lines, const discovant::PopUpSettings& popUp) override
    {
        return onThreadOf(&control_, [&] {
            CursorPause pause;
            return control_.chooseServer(lines, popUp);
        });
    }
    bool submitNewEntry(const discovant::SubmissionRequest& request, const discovant::PopUpSettings& popUp,
        discovant::SubmittedEntry& submitted) override
    {
        return onThreadOf(&control_, [&] {
            CursorPause pause;
            return control_.submitNewEntry(request, popUp, submitted);
        });
    }

private:
    DiscovantWidget& control_;
};

QString stepText(uCDDBStep step, discovant::uCDDBSource source)
{
    switch (step) {
    case uCDDBStep::READ_DISC:
        return QCoreApplication::translate("DiscLookup", "Reading the disc…");
    case uCDDBStep::QUERY:
        if (source == discovant::uCDDBSource::MUSICBRAINZ)
            return QCoreApplication::translate("DiscLookup", "Looking the disc up on MusicBrainz…");
        if (source == discovant::uCDDBSource::MUSICBRAINZ_THEN_CDDB)
            return QCoreApplication::translate(
                "DiscLookup", "Looking the disc up on MusicBrainz and the CDDB server…");
        return QCoreApplication::translate("DiscLookup", "Looking the disc up on the CDDB server…");
    case uCDDBStep::READ_ENTRY:
        return QCoreApplication::translate("DiscLookup", "Fetching the album from the CDDB server…");
    case uCDDBStep::SITES:
        return QCoreApplication::translate("DiscLookup", "Fetching the list of CDDB servers…");
    case uCDDBStep::SUBMIT:
        return QCoreApplication::translate("DiscLookup", "Sending the album to the CDDB server…");
    case uCDDBStep::LOCAL_DATABASE:
        return QCoreApplication::translate("DiscLookup", "Looking the disc up in the local database…");
    }
    return {};
}

// The progress window's text for each step of an operation.
using StepTexts = std::function<QString(uCDDBStep)>;

// Runs `operation(core)` on a worker thread behind the modal progress window `Voortgang`, so
// the program keeps repainting while the drive or the server works. The worker takes the
// window thread's settings first (the per-thread ones would otherwise be its own), and the
// window thread takes the worker's back afterwards (the drive just read becomes the current
// drive there). Cancel stops the component's transfer at once.
template <typename Operation>
std::invoke_result_t<Operation, discovant::Discovant&> runOffWindowThread(QWidget* owner,
    discovant::Discovant& core, const StepTexts& texts, uCDDBStep firstStep, bool& cancelled,
    Operation operation)
{
    using Result = std::invoke_result_t<Operation, discovant::Discovant&>;
    const discovant::DiscovantSettings before = core.settings();
    core.clearCancel();
    ProgressWindow window(owner, owner ? owner->windowTitle() : QString(), ProgressWindow::Cancel::Offered);
    QObject::connect(&window, &ProgressWindow::cancelling, &window, [&core] { core.cancel(); });
    std::optional<discovant::DiscovantSettings> after;
    Result result = window.run([&](ProgressReport& report) {
        core.applySettings(before);
        report.setStep(texts(firstStep));
        core.setProgressHandler([&report, &texts](const discovant::LookupProgress& progress) {
            report.setStep(texts(progress.step));
            report.setCount(progress.done, progress.total);
        });
        Result done = operation(core);
        core.setProgressHandler(nullptr);
        after = core.settings();
        return done;
    });
    if (after)
        core.applySettings(*after);
    cancelled = window.cancelRequested() || core.cancelRequested();
    core.clearCancel();
    return result;
}

} // namespace

DiscLookupResult readAndLookUpDisc(
    QWidget* owner, DiscovantWidget& control, UserPrompts& prompts, const QString& drive)
{
    DiscLookupResult result;
    const QMetaObject::Connection listening = QObject::connect(
        &control, &DiscovantWidget::protocolError, &control, [&result](int number, const QString& message) {
            result.protocolErrors << QStringLiteral("%1: %2").arg(number).arg(message);
        });

    const discovant::uCDDBSource source = control.core().LookupSource();
    const StepTexts texts = [source](uCDDBStep step) { return stepText(step, source); };
    bool cancelled = false;
    const std::string device = QFile::encodeName(drive).toStdString();
    const std::string toc = runOffWindowThread(owner, control.core(), texts, uCDDBStep::READ_DISC, cancelled,
        [&device](discovant::Discovant& core) { return core.GetMediaTOC(device); });
    if (cancelled) {
        result.outcome = DiscLookupOutcome::Cancelled;
    } else if (toc.empty()) {
        result.outcome = DiscLookupOutcome::NoToc;
    } else if (!ensureLookupAddress(control.core(), prompts, owner)) {
        result.outcome = DiscLookupOutcome::Cancelled;
    } else {
        PointerFriendlyUi windows(control);
        control.core().setLookupUi(&windows);
        const uCDDBMatchCode match = runOffWindowThread(owner, control.core(), texts, uCDDBStep::QUERY,
            cancelled, [&toc](discovant::Discovant& core) { return lookUpDisc(core, toc); });
        control.core().setLookupUi(&control);
        if (cancelled)
            result.outcome = DiscLookupOutcome::Cancelled;
        else
            result.outcome
                = match == uCDDBMatchCode::MATCH_NONE ? DiscLookupOutcome::NoMatch : DiscLookupOutcome::Found;
    }
    QObject::disconnect(listening);
    return result;
}

CoverFetchResult fetchReleaseCover(QWidget* owner, DiscovantWidget& control, int side)
{
    CoverFetchResult result;
    const QMetaObject::Connection listening = QObject::connect(
        &control, &DiscovantWidget::protocolError, &control, [&result](int number, const QString& message) {
            result.failureNumber = number;
            result.failure = QStringLiteral("%1: %2").arg(number).arg(message);
        });
    const StepTexts texts = [](uCDDBStep) {
        return QCoreApplication::translate("DiscLookup", "Fetching the cover from the Cover Art Archive…");
    };
    // The picture is checked and made small for the window on the worker too: a large one
    // takes a while to decode.
    bool cancelled = false;
    CoverFetchResult fetched = runOffWindowThread(
        owner, control.core(), texts, uCDDBStep::READ_ENTRY, cancelled, [side](discovant::Discovant& core) {
            CoverFetchResult done;
            if (const std::optional<discovant::musicbrainz::Cover> cover = core.FetchFrontCover()) {
                done.bytes = QByteArray::fromStdString(cover->bytes);
                done.usable = !checkCoverBytes(done.bytes, QString(), QString());
                QImage picture;
                if (done.usable && picture.loadFromData(done.bytes))
                    done.shown = picture.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
                done.usable = !done.shown.isNull();
            }
            return done;
        });
    QObject::disconnect(listening);
    fetched.failure = result.failure;
    fetched.failureNumber = result.failureNumber;
    fetched.cancelled = cancelled;
    return fetched;
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
