#include "discovant/widgets/workwindow.h"

#include "discovant/widgets/windowtexts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>
#include <memory>

namespace discovant::widgets {

WorkWindow::WorkWindow(
    QWidget* parent, uCDDBLang language, const QString& step, std::function<void()> cancelAction)
    : QDialog(parent)
    , cancelAction_(std::move(cancelAction))
    , lblStep_(new QLabel(step, this))
    , cmdCancel_(new QPushButton(this))
{
    const WorkTexts texts = workTexts(language);
    setObjectName(QStringLiteral("frmProgress"));
    setWindowTitle(texts.title);
    setWindowModality(Qt::ApplicationModal);
    setMinimumWidth(320);
    cancellingText_ = texts.cancelling;
    lblStep_->setObjectName(QStringLiteral("lblStep"));
    lblStep_->setWordWrap(true);
    auto* bar = new QProgressBar(this);
    bar->setRange(0, 0); // the drive and the server do not tell how long they take
    bar->setTextVisible(false);
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel_->setText(texts.cancelButton);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdCancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblStep_);
    layout->addWidget(bar);
    layout->addLayout(buttons);
    connect(cmdCancel_, &QPushButton::clicked, this, &WorkWindow::reject);
}

void WorkWindow::runOnThread(const std::function<void()>& body)
{
    running_ = true;
    std::unique_ptr<QThread> thread(QThread::create(body));
    // Queued: delivered by exec() even when the work ends before the window is shown.
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

void WorkWindow::reject()
{
    if (!running_) {
        QDialog::reject();
        return;
    }
    if (cancelled_)
        return;
    cancelled_ = true;
    cmdCancel_->setEnabled(false);
    lblStep_->setText(cancellingText_);
    if (cancelAction_)
        cancelAction_();
}

} // namespace discovant::widgets
