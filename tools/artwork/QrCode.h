#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>

namespace mirevo {

// A QR code of `text` (error correction level H, so that a small badge may cover its centre)
// drawn with whole device pixels per module, centred in a white square of side `side` picture
// pixels with at least the standard quiet zone. Null when the text cannot be encoded.
QImage qrCodePicture(const QByteArray& text, int side, const QColor& dark);

} // namespace mirevo
