#include "extras/ui/vergroting.h"

#include "extras/picturefiles.h"
#include "shell/session.h"
#include "shell/ui/builtinpictures.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QVBoxLayout>

namespace {

// 60 twips: the enlargement opens just right of the small cover's edge.
constexpr int rightOfCover = 4;
const QSize fallbackSize(200, 200);

} // namespace

Vergroting::Vergroting(
    Session& session, UserPrompts&, qint64 titleId, const QRect& coverOnScreen, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
    , imgVergroting_(new QLabel(this))
{
    setObjectName(QStringLiteral("Vergroting"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    imgVergroting_->setObjectName(QStringLiteral("imgVergroting"));
    imgVergroting_->setAccessibleName(tr("Cover"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(imgVergroting_);

    const QScreen* screen = QGuiApplication::screenAt(coverOnScreen.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);

    // Read for the screen's device pixels: sharp at 200 %, and no larger than the screen.
    const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
    const LoadedPicture picture
        = loadPicture(coverPath(session.settings.coverDir, titleId), area.size() * ratio);
    showsCover_ = !picture.image.isNull();
    QPixmap cover = QPixmap::fromImage(picture.image);
    cover.setDevicePixelRatio(ratio);
    const QPixmap pixmap = showsCover_
        ? cover
        : BuiltinPictures::noCover(coverOnScreen.isEmpty() ? fallbackSize : coverOnScreen.size(), ratio);
    imgVergroting_->setPixmap(pixmap);
    setFixedSize(pixmap.deviceIndependentSize().toSize());

    // Over the small cover, but never hanging off the screen.
    QPoint topLeft = coverOnScreen.topLeft() + QPoint(rightOfCover, 0);
    topLeft.setX(qBound(area.left(), topLeft.x(), qMax(area.left(), area.right() + 1 - width())));
    topLeft.setY(qBound(area.top(), topLeft.y(), qMax(area.top(), area.bottom() + 1 - height())));
    move(topLeft);
}

void Vergroting::mouseReleaseEvent(QMouseEvent*)
{
    // Held open by the cover's right button, the release lands on the cover; opened from the
    // album list's menu, any click on the enlargement closes it.
    close();
}
