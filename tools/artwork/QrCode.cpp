#include "QrCode.h"

#include "ArtworkScale.h"

#include <algorithm>
#include <memory>
#include <qrencode.h>

namespace mirevo {

QImage qrCodePicture(const QByteArray& text, int side, const QColor& dark)
{
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString8bit(text.constData(), 0, QR_ECLEVEL_H), &QRcode_free);
    if (!code)
        return {};
    const qreal scale = ArtworkScale::current();
    const int pixels = qRound(side * scale);
    constexpr int quietZone = 4;
    const int modules = code->width;
    const int moduleSize = pixels / (modules + 2 * quietZone);
    if (moduleSize < 1)
        return {};
    const int origin = (pixels - moduleSize * modules) / 2;
    QImage image(pixels, pixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QRgb ink = dark.rgb();
    for (int y = 0; y < modules; ++y) {
        for (int x = 0; x < modules; ++x) {
            // Bit 0 of each module byte is its colour: 1 dark.
            if ((code->data[y * modules + x] & 1) == 0)
                continue;
            for (int dy = 0; dy < moduleSize; ++dy) {
                QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(origin + y * moduleSize + dy));
                std::fill_n(line + origin + x * moduleSize, moduleSize, ink);
            }
        }
    }
    image.setDevicePixelRatio(scale);
    return image;
}

} // namespace mirevo
