#pragma once

#include "shell/progressreport.h"

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>
#include <type_traits>

class QLabel;
class QProgressBar;
class QPushButton;

// `Voortgang`, the modal window that stands over the program while a long job runs on a thread
// of its own: a title, the job's current step (`lblStap`), a bar (`pbVoortgang`) that counts
// "3 of 240" when the job gives a count and moves to and fro when it does not, and, when
// offered, a Cancel button (`cmdAnnuleren`).
//
// The window is application-modal: while it stands, no other window of the program takes
// input, so nothing can change what the job works on. Its own thread keeps processing events,
// so every window repaints. The job gets a ProgressReport to tell its steps and counts (from
// its thread; any number of times, the window shows the latest) and to learn that the user
// chose Cancel, Escape or the close box. Without a Cancel button those do nothing. After
// Cancel the window waits for the job to end: a job cannot be stopped from outside, it ends
// itself when it sees the request.
//
//     ProgressWindow window(this, tr("Backup"), ProgressWindow::Cancel::Offered);
//     const FileStatus written = window.run([=](ProgressReport& progress) {
//         progress.setStep(tr("Writing %1").arg(name));
//         return writeArchive(files, progress);   // checks progress.cancelRequested()
//     });
//     if (window.cancelRequested()) ...
//
// run() returns the job's own result when the job has ended; the window closes then by itself.
// A window runs one job; make a new one for the next.
class ProgressWindow : public QDialog {
    Q_OBJECT
public:
    enum class Cancel { NotOffered, Offered };

    ProgressWindow(QWidget* parent, const QString& title, Cancel cancel = Cancel::NotOffered);
    ~ProgressWindow() override;

    // Runs `job(report)` on a thread of its own, shows this window modally until the job has
    // ended and returns what the job returned. `job` must not touch widgets; it gets everything
    // it needs by value or through the report.
    template <typename Job> std::invoke_result_t<Job, ProgressReport&> run(Job job)
    {
        using Result = std::invoke_result_t<Job, ProgressReport&>;
        std::optional<Result> result;
        runOnThread([&](ProgressReport& report) { result.emplace(job(report)); });
        return std::move(*result);
    }

    // Whether the user asked the job to stop.
    bool cancelRequested() const;

signals:
    // The user asked the job to stop (emitted once, on the window's thread). For a job that
    // blocks in a call it cannot poll from, such as a network request: the connected slot
    // tells the call to stop.
    void cancelling();

protected:
    // Escape and the close box: Cancel when it is offered, nothing otherwise.
    void reject() override;

private:
    class Report;

    void runOnThread(const std::function<void(ProgressReport&)>& body);
    void showReport();
    void requestCancel();

    std::unique_ptr<Report> report_;
    QLabel* lblStap_;
    QProgressBar* pbVoortgang_;
    QPushButton* cmdAnnuleren_ = nullptr;
    bool running_ = false;
};
