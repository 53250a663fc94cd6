#include "discovant/widgets/popupplacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace discovant::widgets {

void placePopUp(QWidget& window, const PopUpSettings& popUp)
{
    window.adjustSize();
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect();
    const int top = popUp.top != 0 ? popUp.top : area.top() + area.height() / 2 - window.height() / 2;
    const int left = popUp.left != 0 ? popUp.left : area.left() + area.width() / 2 - window.width() / 2;
    // An explicit move keeps the dialog from centring itself over its parent when shown.
    window.move(left, top);
}

} // namespace discovant::widgets
