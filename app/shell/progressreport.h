#pragma once

#include <QString>
#include <QtGlobal>

// What a long job (a backup, a restore, a lookup on the network) tells whoever shows its
// progress, and how it learns that the user wants it to stop. The job calls it from its own
// thread. This base class shows nothing and never asks to stop: jobs run without a window
// (tests, the command line) take it as it is.
class ProgressReport {
public:
    virtual ~ProgressReport() = default;

    // The step the job is in now, as a sentence for the user ("Writing Covers.cab").
    virtual void setStep(const QString& text) { Q_UNUSED(text) }

    // How far the step has come: `done` of `total` items (files, pages). A total of 0 means
    // the job cannot tell, and clears a count shown before.
    virtual void setCount(qint64 done, qint64 total)
    {
        Q_UNUSED(done)
        Q_UNUSED(total)
    }

    // True once the user asked the job to stop. A job that honours it ends as soon as it can,
    // leaving every file as it was before the job began.
    virtual bool cancelRequested() const { return false; }
};
