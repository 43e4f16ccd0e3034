#pragma once

#include <QString>

namespace mirevo {

// Button captions are plain text: an "&" is shown as it stands and never makes a mnemonic
// (Qt's buttons read "&x" as one and take Alt+x for it, "&&" as a literal "&").
inline QString toButtonText(const QString& caption)
{
    QString text = caption;
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

inline QString fromButtonText(const QString& text)
{
    QString caption = text;
    return caption.replace(QStringLiteral("&&"), QStringLiteral("&"));
}

} // namespace mirevo
