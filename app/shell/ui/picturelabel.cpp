#include "shell/ui/picturelabel.h"

#include <QMouseEvent>

void PictureLabel::mousePressEvent(QMouseEvent* event)
{
    emit pressed(event->button());
    QLabel::mousePressEvent(event);
}

void PictureLabel::mouseReleaseEvent(QMouseEvent* event)
{
    emit released(event->button());
    QLabel::mouseReleaseEvent(event);
}

void PictureLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    emit doubleClicked();
    QLabel::mouseDoubleClickEvent(event);
}
