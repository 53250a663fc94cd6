#include "shell/ui/progresswindow.h"

#include "shell/ui/busycursor.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QMutex>
#include <QMutexLocker>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>
#include <atomic>
#include <limits>

// Holds what the job reported last; the window shows it when its thread gets to it. However
// often the job reports, at most one update waits in the window's event queue.
class ProgressWindow::Report : public ProgressReport {
public:
    explicit Report(ProgressWindow& window)
        : window_(window)
    {
    }

    void setStep(const QString& text) override
    {
        {
            QMutexLocker lock(&mutex_);
            step_ = text;
        }
        notify();
    }
    void setCount(qint64 done, qint64 total) override
    {
        {
            QMutexLocker lock(&mutex_);
            done_ = done;
            total_ = total;
        }
        notify();
    }
    bool cancelRequested() const override { return cancelled_; }

    void requestCancel() { cancelled_ = true; }

    struct State {
        QString step;
        qint64 done = 0;
        qint64 total = 0;
    };
    State take()
    {
        pending_ = false;
        QMutexLocker lock(&mutex_);
        return { step_, done_, total_ };
    }

private:
    void notify()
    {
        if (!pending_.exchange(true))
            QMetaObject::invokeMethod(&window_, [this] { window_.showReport(); }, Qt::QueuedConnection);
    }

    ProgressWindow& window_;
    QMutex mutex_;
    QString step_;
    qint64 done_ = 0;
    qint64 total_ = 0;
    std::atomic<bool> pending_ { false };
    std::atomic<bool> cancelled_ { false };
};

ProgressWindow::ProgressWindow(QWidget* parent, const QString& title, Cancel cancel)
    : QDialog(parent)
    , report_(std::make_unique<Report>(*this))
{
    setObjectName(QStringLiteral("Voortgang"));
    setWindowTitle(title);
    setWindowModality(Qt::ApplicationModal);
    setMinimumWidth(360);
    auto* layout = new QVBoxLayout(this);
    lblStap_ = new QLabel(this);
    lblStap_->setObjectName(QStringLiteral("lblStap"));
    lblStap_->setWordWrap(true);
    pbVoortgang_ = new QProgressBar(this);
    pbVoortgang_->setObjectName(QStringLiteral("pbVoortgang"));
    pbVoortgang_->setRange(0, 0);
    pbVoortgang_->setTextVisible(false);
    layout->addWidget(lblStap_);
    layout->addWidget(pbVoortgang_);
    if (cancel == Cancel::Offered) {
        // Qt's own Cancel button follows the interface language with Qt's translations.
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
        cmdAnnuleren_ = buttons->button(QDialogButtonBox::Cancel);
        cmdAnnuleren_->setObjectName(QStringLiteral("cmdAnnuleren"));
        connect(buttons, &QDialogButtonBox::rejected, this, &ProgressWindow::requestCancel);
        layout->addWidget(buttons);
    }
}

ProgressWindow::~ProgressWindow() = default;

bool ProgressWindow::cancelRequested() const
{
    return report_->cancelRequested();
}

void ProgressWindow::runOnThread(const std::function<void(ProgressReport&)>& body)
{
    BusyCursor busy;
    running_ = true;
    std::unique_ptr<QThread> thread(QThread::create([this, &body] { body(*report_); }));
    // Queued to this window's thread: delivered by exec() even when the job ends before it runs.
    connect(
        thread.get(), &QThread::finished, this,
        [this] {
            running_ = false;
            QDialog::done(QDialog::Accepted);
        },
        Qt::QueuedConnection);
    thread->start();
    exec();
    thread->wait();
    running_ = false;
}

void ProgressWindow::showReport()
{
    const Report::State state = report_->take();
    if (!state.step.isEmpty())
        lblStap_->setText(state.step);
    if (state.total <= 0) {
        pbVoortgang_->setRange(0, 0);
        pbVoortgang_->setTextVisible(false);
        return;
    }
    // The bar counts in int; very large totals are shown in proportion.
    const qint64 scale = state.total / std::numeric_limits<int>::max() + 1;
    pbVoortgang_->setRange(0, static_cast<int>(state.total / scale));
    pbVoortgang_->setValue(static_cast<int>(std::min(state.done, state.total) / scale));
    pbVoortgang_->setFormat(
        tr("%1 of %2", "progress count, e.g. 3 of 240").arg(state.done).arg(state.total));
    pbVoortgang_->setTextVisible(true);
}

void ProgressWindow::requestCancel()
{
    if (!cmdAnnuleren_ || report_->cancelRequested())
        return;
    report_->requestCancel();
    cmdAnnuleren_->setEnabled(false);
    lblStap_->setText(tr("Cancelling…"));
    emit cancelling();
}

void ProgressWindow::reject()
{
    // The window goes only when its job has ended.
    if (running_)
        requestCancel();
    else
        QDialog::reject();
}
