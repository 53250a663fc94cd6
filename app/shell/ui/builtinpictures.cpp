#include "shell/ui/builtinpictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>

namespace {

// A quaver: the program's logo, in the given colour.
void drawNote(QPainter& p, const QRectF& box, const QColor& colour)
{
    const qreal w = box.width();
    const qreal h = box.height();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QRectF(box.left() + w * 0.18, box.top() + h * 0.62, w * 0.34, h * 0.26));
    p.drawRect(QRectF(box.left() + w * 0.46, box.top() + h * 0.14, w * 0.07, h * 0.62));
    QPainterPath flag;
    flag.moveTo(box.left() + w * 0.53, box.top() + h * 0.14);
    flag.cubicTo(box.left() + w * 0.70, box.top() + h * 0.22, box.left() + w * 0.86, box.top() + h * 0.32,
        box.left() + w * 0.74, box.top() + h * 0.52);
    flag.cubicTo(box.left() + w * 0.76, box.top() + h * 0.38, box.left() + w * 0.64, box.top() + h * 0.32,
        box.left() + w * 0.53, box.top() + h * 0.30);
    flag.closeSubpath();
    p.drawPath(flag);
}

// The pictures are drawn once per size and then served from Qt's pixmap cache: the main
// window shows one for nearly every album it selects.
template <typename Draw> QPixmap cached(const QString& key, Draw draw)
{
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = draw();
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

// An empty pixmap of `size` coordinates with `ratio` device pixels per coordinate: painting
// on it in coordinates fills every device pixel.
QPixmap canvas(const QSize& size, qreal ratio, const QColor& fill)
{
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(fill);
    return pixmap;
}

QString ratioKey(qreal ratio)
{
    return QString::number(ratio, 'f', 2);
}

QPixmap drawNoCover(const QSize& size, qreal ratio);
QPixmap drawPlainLogo(int side, qreal ratio);
QPixmap drawPlaylistIcon(int side, qreal ratio);

} // namespace

namespace BuiltinPictures {

QPixmap noCover(const QSize& size, qreal ratio)
{
    return cached(QStringLiteral("melotheek-nocover-%1x%2@%3")
                      .arg(size.width())
                      .arg(size.height())
                      .arg(ratioKey(ratio)),
        [&] { return drawNoCover(size, ratio); });
}

QPixmap plainLogo(int side, qreal ratio)
{
    return cached(QStringLiteral("melotheek-logo-%1@%2").arg(side).arg(ratioKey(ratio)),
        [&] { return drawPlainLogo(side, ratio); });
}

QPixmap playlistIcon(int side, qreal ratio)
{
    return cached(QStringLiteral("melotheek-playlist-%1@%2").arg(side).arg(ratioKey(ratio)),
        [&] { return drawPlaylistIcon(side, ratio); });
}

} // namespace BuiltinPictures

namespace {

QPixmap drawNoCover(const QSize& size, qreal ratio)
{
    QPixmap pixmap = canvas(size, ratio, QColor(0xe8, 0xe8, 0xe8));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal side = qMin(size.width(), size.height());
    const QRectF disc(
        (size.width() - side * 0.8) / 2, (size.height() - side * 0.8) / 2, side * 0.8, side * 0.8);
    p.setPen(QPen(QColor(0xb0, 0xb0, 0xb0), 2));
    p.setBrush(QColor(0xf6, 0xf6, 0xf6));
    p.drawEllipse(disc);
    p.setBrush(QColor(0xe8, 0xe8, 0xe8));
    p.drawEllipse(disc.center(), side * 0.08, side * 0.08);
    p.setPen(QPen(QColor(0xc8, 0x40, 0x40), 3));
    p.drawLine(disc.topRight() + QPointF(-side * 0.1, side * 0.1),
        disc.bottomLeft() + QPointF(side * 0.1, -side * 0.1));
    return pixmap;
}

QPixmap drawPlainLogo(int side, qreal ratio)
{
    QPixmap pixmap = canvas(QSize(side, side), ratio, Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    drawNote(p, QRectF(0, 0, side, side), QColor(0x90, 0x90, 0x90));
    return pixmap;
}

QPixmap drawPlaylistIcon(int side, qreal ratio)
{
    QPixmap pixmap = canvas(QSize(side, side), ratio, Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2a, 0x7a, 0xd0));
    p.drawRoundedRect(QRectF(1, 1, side - 2, side - 2), side * 0.2, side * 0.2);
    drawNote(p, QRectF(side * 0.1, side * 0.1, side * 0.8, side * 0.8), Qt::white);
    return pixmap;
}

} // namespace
