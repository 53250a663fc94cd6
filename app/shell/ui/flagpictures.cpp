#include "shell/ui/flagpictures.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// Three equal stripes, top to bottom or left to right.
void drawStripes(
    QPainter& p, const QSize& size, const std::array<QColor, 3>& colours, Qt::Orientation direction)
{
    for (int i = 0; i < 3; ++i) {
        if (direction == Qt::Horizontal)
            p.fillRect(QRectF(0, size.height() * i / 3.0, size.width(), size.height() / 3.0), colours[i]);
        else
            p.fillRect(QRectF(size.width() * i / 3.0, 0, size.width() / 3.0, size.height()), colours[i]);
    }
}

// The Union Flag, simplified to what can be seen at icon size: blue field, white and red
// diagonals, white-bordered red cross.
void drawUnionFlag(QPainter& p, const QSize& size)
{
    const qreal w = size.width();
    const qreal h = size.height();
    const QColor blue(0x01, 0x21, 0x69);
    const QColor red(0xc8, 0x10, 0x2e);
    p.fillRect(QRectF(0, 0, w, h), blue);
    p.setRenderHint(QPainter::Antialiasing);
    const QLineF diagonals[] = { QLineF(0, 0, w, h), QLineF(0, h, w, 0) };
    p.setPen(QPen(Qt::white, h / 5.0));
    for (const QLineF& line : diagonals)
        p.drawLine(line);
    p.setPen(QPen(red, h / 15.0));
    for (const QLineF& line : diagonals)
        p.drawLine(line);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRectF(w * 0.4, 0, w * 0.2, h), Qt::white);
    p.fillRect(QRectF(0, h / 3.0, w, h / 3.0), Qt::white);
    p.fillRect(QRectF(w * 0.44, 0, w * 0.12, h), red);
    p.fillRect(QRectF(0, h * 0.4, w, h * 0.2), red);
}

} // namespace

QPixmap languageFlag(LanguageBase language, const QSize& size)
{
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    switch (language) {
    case LanguageBase::Dutch:
        drawStripes(
            p, size, { QColor(0xae, 0x1c, 0x28), Qt::white, QColor(0x21, 0x46, 0x8b) }, Qt::Horizontal);
        break;
    case LanguageBase::French:
        drawStripes(p, size, { QColor(0x00, 0x23, 0x95), Qt::white, QColor(0xed, 0x29, 0x39) }, Qt::Vertical);
        break;
    case LanguageBase::German:
        drawStripes(
            p, size, { Qt::black, QColor(0xdd, 0x00, 0x00), QColor(0xff, 0xce, 0x00) }, Qt::Horizontal);
        break;
    case LanguageBase::English:
        drawUnionFlag(p, size);
        break;
    }
    return pixmap;
}
