#include "modalwindows.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QTimer>

namespace {

void poll(const QString& objectName, std::function<void(QWidget*)> action, QDeadlineTimer deadline)
{
    QTimer::singleShot(0, [objectName, action = std::move(action), deadline]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->objectName() == objectName) {
            action(modal);
            return;
        }
        if (deadline.hasExpired()) {
            ADD_FAILURE() << "no modal window " << objectName.toStdString() << " appeared";
            // Close whatever is modal so the test does not hang.
            if (modal)
                modal->close();
            return;
        }
        poll(objectName, std::move(action), deadline);
    });
}

} // namespace

void onNextModal(const QString& objectName, std::function<void(QWidget*)> action)
{
    poll(objectName, std::move(action), QDeadlineTimer(5000));
}
