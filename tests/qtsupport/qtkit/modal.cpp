#include "qtkit/modal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>

namespace qtkit {

namespace {

// The window an action was run on must go within the deadline (nested questions it asks meanwhile
// included); a window that stays would hold the test until CTest's time-out.
void expectClosed(QPointer<QWidget> window, QString name, QDeadlineTimer deadline)
{
    QTimer::singleShot(10, [window, name = std::move(name), deadline]() mutable {
        if (!window || !window->isVisible())
            return;
        if (deadline.hasExpired()) {
            ADD_FAILURE() << "the modal window " << name.toStdString() << " was not closed";
            if (auto* dialog = qobject_cast<QDialog*>(window.data()))
                dialog->reject();
            else
                window->hide();
            return;
        }
        expectClosed(window, std::move(name), deadline);
    });
}

void poll(const QString& objectName, std::function<void(QWidget*)> action, QDeadlineTimer deadline)
{
    QTimer::singleShot(1, [objectName, action = std::move(action), deadline]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible() && (objectName.isEmpty() || modal->objectName() == objectName)) {
            const QPointer<QWidget> shown(modal);
            const QString name = modal->objectName();
            action(modal);
            expectClosed(shown, name, QDeadlineTimer(2 * kWindowDeadline.count()));
            return;
        }
        if (deadline.hasExpired()) {
            ADD_FAILURE() << "no modal window " << (objectName.isEmpty() ? "at all" : objectName.toStdString())
                          << " appeared"
                          << (modal ? " (" + modal->objectName().toStdString() + " was in the way)" : std::string());
            if (modal)
                modal->close();
            return;
        }
        poll(objectName, std::move(action), deadline);
    });
}

} // namespace

void onNextModal(const QString& objectName, std::function<void(QWidget*)> action, std::chrono::milliseconds timeout)
{
    poll(objectName, std::move(action), QDeadlineTimer(timeout.count()));
}

void answerNextBox(QMessageBox::StandardButton button, QString* text)
{
    const auto answer = [button, text](QWidget* window) {
        auto* box = qobject_cast<QMessageBox*>(window);
        if (!box) {
            ADD_FAILURE() << "the modal window " << window->objectName().toStdString() << " is no message box";
            window->close();
            return;
        }
        if (text)
            *text = box->text();
        if (QAbstractButton* chosen = box->button(button))
            chosen->click();
        else {
            ADD_FAILURE() << "the message box has no button " << button;
            box->close();
        }
    };
    onNextModal(QString(), answer);
}

bool waitUntil(const std::function<bool()>& condition, const char* what, std::chrono::milliseconds timeout)
{
    if (QTest::qWaitFor(condition, static_cast<int>(timeout.count())))
        return true;
    ADD_FAILURE() << "still waiting for " << what << " after " << timeout.count() << " ms";
    return false;
}

void clickButton(const QWidget* window, const char* name)
{
    if (auto* button = childOf<QAbstractButton>(window, name))
        button->click();
}

} // namespace qtkit
