#include "Pictures.h"

#include "WindowDescription.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmapCache>

// Resource initialisation must stand outside any namespace.
static void initialisePictureResources()
{
    Q_INIT_RESOURCE(pictures);
}

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

// On a high-density screen the double-density variant "name@2x.ext" is drawn where the
// artwork has one, with its pixel ratio, so that it shows at the picture's own size.
QPixmap loadPicture(const QString& name)
{
    QPixmap pixmap;
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    const qsizetype dot = name.lastIndexOf(u'.');
    if (ratio > 1.0 && dot > 0 && pixmap.load(u":/pictures/"_s + name.left(dot) + u"@2x"_s + name.mid(dot))) {
        pixmap.setDevicePixelRatio(2);
        return pixmap;
    }
    pixmap.load(u":/pictures/"_s + name);
    return pixmap;
}

} // namespace

QPixmap picture(const QString& name)
{
    static const bool initialised = (initialisePictureResources(), true);
    Q_UNUSED(initialised)
    if (name.isEmpty())
        return {};
    QPixmap pixmap;
    const QString key = u"mirevo:"_s + name;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = loadPicture(name);
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

Picture Picture::named(const QString& name)
{
    Picture result;
    result.m_name = name;
    return result;
}

const QPixmap& Picture::pixmap() const
{
    if (!m_decoded) {
        m_pixmap = picture(m_name);
        m_decoded = true;
    }
    return m_pixmap;
}

namespace {

QRect centredIn(const QRect& area, const QSize& size)
{
    return QRect(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2,
                 size.width(), size.height());
}

QSize logicalSize(const QPixmap& pixmap)
{
    return (QSizeF(pixmap.size()) / pixmap.devicePixelRatio()).toSize();
}

} // namespace

void drawPictureBoxPicture(QPainter& painter, const QRect& area, const QPixmap& pixmap, int mode)
{
    if (pixmap.isNull())
        return;
    switch (mode) {
    case PictureStretched:
        painter.drawPixmap(area, pixmap);
        break;
    case PictureCentred:
        painter.drawPixmap(centredIn(area, logicalSize(pixmap)), pixmap);
        break;
    default:
        painter.drawPixmap(QRect(area.topLeft(), logicalSize(pixmap)), pixmap);
        break;
    }
}

void drawBackgroundPicture(QPainter& painter, const QRect& area, const QPixmap& pixmap, int mode)
{
    if (pixmap.isNull())
        return;
    switch (mode) {
    case BackgroundTiled:
        painter.drawTiledPixmap(area, pixmap);
        break;
    case BackgroundCentred:
        painter.drawPixmap(centredIn(area, logicalSize(pixmap)), pixmap);
        break;
    case BackgroundStretched:
        painter.drawPixmap(area, pixmap);
        break;
    default:
        painter.drawPixmap(QRect(area.topLeft(), logicalSize(pixmap)), pixmap);
        break;
    }
}

} // namespace mirevo
