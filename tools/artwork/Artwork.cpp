#include "Artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

const QColor blue(0, 169, 225);
const QColor deepBlue(0, 120, 180);
const QColor paleBlue(225, 244, 252);

// Opaque pictures are stored without an alpha channel: they decode straight into the
// screen's format.
QImage canvas(QSize size, const QColor& fill = Qt::transparent)
{
    QImage image(size, fill.alpha() == 255 ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

QFont face(int pixels, bool bold = false)
{
    QFont font(u"Noto Sans CJK SC"_s);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// A navigation picture: a rounded tile with a symbol and the page's name.
QImage navigation(const QString& caption, const std::function<void(QPainter&, QRectF)>& symbol, bool active)
{
    QImage image = canvas({70, 70});
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tile;
    tile.addRoundedRect(QRectF(2, 2, 66, 66), 10, 10);
    if (active)
        p.fillPath(tile, QColor(255, 255, 255, 60));
    p.setPen(QPen(Qt::white, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    symbol(p, QRectF(21, 8, 28, 28));
    p.setFont(face(12, true));
    p.drawText(QRectF(0, 44, 70, 18), Qt::AlignCenter, caption);
    return image;
}

void house(QPainter& p, QRectF r)
{
    QPainterPath roof;
    roof.moveTo(r.left(), r.center().y());
    roof.lineTo(r.center().x(), r.top());
    roof.lineTo(r.right(), r.center().y());
    p.drawPath(roof);
    p.drawRect(QRectF(r.left() + 5, r.center().y() - 2, r.width() - 10, r.height() / 2 + 2));
}

void book(QPainter& p, QRectF r)
{
    p.drawRect(QRectF(r.left(), r.top() + 2, r.width() / 2 - 1, r.height() - 4));
    p.drawRect(QRectF(r.center().x() + 1, r.top() + 2, r.width() / 2 - 1, r.height() - 4));
}

void list(QPainter& p, QRectF r)
{
    for (int i = 0; i < 4; ++i) {
        const qreal y = r.top() + 3 + i * 7.5;
        p.drawPoint(QPointF(r.left() + 2, y));
        p.drawLine(QPointF(r.left() + 8, y), QPointF(r.right(), y));
    }
}

void star(QPainter& p, QRectF r)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal radius = (i % 2 == 0) ? r.width() / 2 : r.width() / 4.5;
        const qreal angle = -M_PI / 2 + i * M_PI / 5;
        const QPointF point(r.center().x() + radius * std::cos(angle),
                            r.center().y() + radius * std::sin(angle));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    p.drawPath(path);
}

void clock(QPainter& p, QRectF r)
{
    p.drawEllipse(r.adjusted(1, 1, -1, -1));
    p.drawLine(r.center(), QPointF(r.center().x(), r.top() + 7));
    p.drawLine(r.center(), QPointF(r.right() - 8, r.center().y()));
}

// A small picture for a subject or action button.
QImage badge(QSize size, const QString& glyph)
{
    QImage image = canvas(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF circle(size.width() / 2.0 - 17, 2, 34, 34);
    p.setBrush(QColor(255, 255, 255, 235));
    p.setPen(Qt::NoPen);
    p.drawEllipse(circle);
    p.setPen(deepBlue);
    p.setFont(face(18, true));
    p.drawText(circle, Qt::AlignCenter, glyph);
    return image;
}

QImage sidePanel(QSize size)
{
    QImage image = canvas(size, deepBlue);
    QPainter p(&image);
    QLinearGradient gradient(0, 0, 0, size.height());
    gradient.setColorAt(0, blue.lighter(110));
    gradient.setColorAt(1, deepBlue);
    p.fillRect(image.rect(), gradient);
    p.setPen(Qt::white);
    p.setFont(face(16, true));
    p.drawText(QRect(0, 24, size.width(), 30), Qt::AlignCenter, u"选择科目"_s);
    return image;
}

QImage banner()
{
    QImage image = canvas({496, 144}, deepBlue);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, 496, 0);
    gradient.setColorAt(0, blue);
    gradient.setColorAt(1, deepBlue);
    p.fillRect(image.rect(), gradient);
    p.setPen(Qt::white);
    p.setFont(face(30, true));
    p.drawText(QRect(0, 26, 496, 50), Qt::AlignCenter, u"初级会计职称 · 考前练习"_s);
    p.setFont(face(16));
    p.drawText(QRect(0, 84, 496, 30), Qt::AlignCenter, u"章节练习  错题收藏  全真模拟  无纸化考试"_s);
    return image;
}

QImage contact()
{
    QImage image = canvas({77, 22});
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath pill;
    pill.addRoundedRect(QRectF(0.5, 0.5, 76, 21), 10, 10);
    p.fillPath(pill, Qt::white);
    p.setPen(deepBlue);
    p.setFont(face(12, true));
    p.drawText(image.rect(), Qt::AlignCenter, u"联系我们"_s);
    return image;
}

QImage contactCode()
{
    QImage image = canvas({430, 430}, Qt::white);
    QPainter p(&image);
    p.setPen(QPen(deepBlue, 8));
    p.drawRect(QRect(20, 20, 390, 390));
    p.setFont(face(40, true));
    p.drawText(image.rect(), Qt::AlignCenter, u"Mirevo"_s);
    p.end();
    // A code picture has few colours: a palette keeps it small and quick to decode.
    return image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
}

QImage emptyFavourites()
{
    QImage image = canvas({96, 120});
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(blue, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    star(p, QRectF(18, 10, 60, 60));
    p.setFont(face(14, true));
    p.drawText(QRect(0, 80, 96, 30), Qt::AlignCenter, u"暂无收藏"_s);
    return image;
}

QImage icon()
{
    QImage image = canvas({32, 32});
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tile;
    tile.addRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    p.fillPath(tile, blue);
    p.setPen(Qt::white);
    p.setFont(face(20, true));
    p.drawText(image.rect(), Qt::AlignCenter, u"会"_s);
    return image;
}

} // namespace

QList<Artwork> allArtwork()
{
    struct Navigation
    {
        QString name;
        QString caption;
        std::function<void(QPainter&, QRectF)> symbol;
    };
    const QList<Navigation> navigations = {
        {u"nav-home"_s, u"首页"_s, house},        {u"nav-guide"_s, u"备考宝典"_s, book},
        {u"nav-chapters"_s, u"章节练习"_s, list}, {u"nav-favourites"_s, u"错题收藏"_s, star},
        {u"nav-exam"_s, u"模拟考场"_s, clock},
    };
    QList<Artwork> artwork;
    for (const Navigation& n : navigations) {
        artwork.append({n.name + u".png"_s, [n] {
                            return navigation(n.caption, n.symbol, false);
                        }});
        artwork.append({n.name + u"-active.png"_s, [n] {
                            return navigation(n.caption, n.symbol, true);
                        }});
    }
    artwork.append({u"subject-accounting.png"_s, [] {
                        return badge({42, 43}, u"实"_s);
                    }});
    artwork.append({u"subject-law.png"_s, [] {
                        return badge({45, 43}, u"法"_s);
                    }});
    artwork.append({u"subject-settings.png"_s, [] {
                        return badge({42, 43}, u"设"_s);
                    }});
    artwork.append({u"subject-clear.png"_s, [] {
                        return badge({45, 43}, u"清"_s);
                    }});
    artwork.append({u"side-home.jpg"_s, [] {
                        return sidePanel({200, 440});
                    }});
    artwork.append({u"side-chapters.jpg"_s, [] {
                        return sidePanel({200, 430});
                    }});
    artwork.append({u"side-exam.jpg"_s, [] {
                        return sidePanel({200, 434});
                    }});
    artwork.append({u"home-banner.jpg"_s, banner});
    artwork.append({u"contact.png"_s, contact});
    artwork.append({u"contact-code.png"_s, contactCode});
    artwork.append({u"favourites-empty.png"_s, emptyFavourites});
    artwork.append({u"icon.png"_s, icon});
    return artwork;
}

} // namespace mirevo
