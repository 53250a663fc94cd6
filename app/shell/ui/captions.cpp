#include "shell/ui/captions.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QLabel>
#include <QMenu>

void applyCaptions(QWidget* window, std::span<const CaptionBinding> bindings,
                   const std::function<QString(int)>& message)
{
    for (const CaptionBinding& binding : bindings) {
        const QString name = QLatin1String(binding.objectName);
        const QString text = message(binding.k);
        if (name == window->objectName()) {
            window->setWindowTitle(text);
            continue;
        }
        if (binding.column >= 0) {
            if (auto* view = window->findChild<QAbstractItemView*>(name); view && view->model())
                view->model()->setHeaderData(binding.column, Qt::Horizontal, text);
            continue;
        }
        // A submenu and the entry that opens it share their name: both get the caption.
        for (QObject* object : window->findChildren<QObject*>(name)) {
            if (auto* menu = qobject_cast<QMenu*>(object))
                menu->setTitle(text);
            else if (auto* action = qobject_cast<QAction*>(object))
                action->setText(text);
            else if (auto* button = qobject_cast<QAbstractButton*>(object))
                button->setText(text);
            else if (auto* label = qobject_cast<QLabel*>(object))
                label->setText(text);
        }
    }
}
