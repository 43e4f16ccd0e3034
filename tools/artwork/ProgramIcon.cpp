#include "ProgramIcon.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace mirevo {

using namespace Qt::StringLiterals;

QImage programIcon(int pixels)
{
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // Designed on a 256-unit square.
    const qreal u = pixels / 256.0;
    const bool small = pixels < 64;

    const QRectF tileRect(8 * u, 8 * u, 240 * u, 240 * u);
    QPainterPath tile;
    tile.addRoundedRect(small ? QRectF(0.5, 0.5, pixels - 1, pixels - 1) : tileRect, 48 * u, 48 * u);
    if (!small) {
        // A soft shadow under the tile lifts it from light menu backgrounds.
        QPainterPath shadow;
        shadow.addRoundedRect(tileRect.translated(0, 4 * u), 48 * u, 48 * u);
        p.fillPath(shadow, QColor(0, 40, 80, 70));
    }
    QLinearGradient gradient(0, 0, 0, pixels);
    gradient.setColorAt(0, QColor(30, 186, 240));
    gradient.setColorAt(1, QColor(0, 110, 170));
    p.fillPath(tile, gradient);

    // The soft light circles of the program's blue panels.
    p.save();
    p.setClipPath(tile);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 34));
    p.drawEllipse(QPointF(230 * u, 26 * u), 118 * u, 118 * u);
    p.setBrush(QColor(255, 255, 255, 20));
    p.drawEllipse(QPointF(40 * u, 250 * u), 70 * u, 70 * u);
    p.restore();

    // Small sizes take the heaviest face and a larger character, so that its strokes stay apart.
    QFont font(u"Noto Sans CJK SC"_s);
    font.setPixelSize(qRound((small ? 168 : 146) * u));
    font.setWeight(small ? QFont::Black : QFont::Bold);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, -16 * u, 220 * u, 256 * u), Qt::AlignCenter, u"会"_s);

    // The tick: an orange disc with a white rim, over the tile's lower right corner.
    const QPointF centre(194 * u, 194 * u);
    const qreal radius = (small ? 50 : 44) * u;
    p.setPen(QPen(Qt::white, (small ? 12 : 9) * u));
    p.setBrush(QColor(255, 146, 30));
    p.drawEllipse(centre, radius, radius);
    QPainterPath tick;
    tick.moveTo(centre + QPointF(-21 * u, 1 * u));
    tick.lineTo(centre + QPointF(-6 * u, 16 * u));
    tick.lineTo(centre + QPointF(22 * u, -15 * u));
    p.setPen(QPen(Qt::white, (small ? 17 : 12) * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
    return image;
}

} // namespace mirevo
