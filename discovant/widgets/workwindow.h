#pragma once

#include "discovant/cddb/enums.h"

#include <QDialog>
#include <functional>
#include <optional>
#include <type_traits>

class QLabel;
class QPushButton;

namespace discovant::widgets {

// frmProgress: the component's own modal window while one of its windows waits for a drive
// or the network (the submission editor's CD-Text import, the site list). The work runs on a
// thread of its own, so every window keeps repainting; the window names the step and offers
// Cancel, in the component's language.
//
// Cancel (also Escape and the close box) calls the cancel action, which must make the work
// end (Discovant::cancel(), say), and the window then waits for it: work is never left
// running behind a closed window.
class WorkWindow : public QDialog {
    Q_OBJECT
public:
    WorkWindow(
        QWidget* parent, uCDDBLang language, const QString& step, std::function<void()> cancelAction = {});

    // Runs `work()` on its own thread while the window stands, and returns what it returned.
    // `work` must not touch widgets.
    template <typename Work> std::invoke_result_t<Work> run(Work work)
    {
        std::optional<std::invoke_result_t<Work>> result;
        runOnThread([&] { result.emplace(work()); });
        return std::move(*result);
    }

    bool cancelled() const { return cancelled_; }

protected:
    void reject() override;

private:
    void runOnThread(const std::function<void()>& body);

    std::function<void()> cancelAction_;
    QLabel* lblStep_;
    QPushButton* cmdCancel_;
    QString cancellingText_;
    bool running_ = false;
    bool cancelled_ = false;
};

} // namespace discovant::widgets
