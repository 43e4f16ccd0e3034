#include "Artwork.h"

#include "ArtworkScale.h"
#include "ProgramIcon.h"
#include "QrCode.h"

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
// The canvas has the current paint scale as its pixel ratio: painters draw on it in picture pixels.
QImage canvas(QSize size, const QColor& fill = Qt::transparent)
{
    const qreal scale = ArtworkScale::current();
    QImage image(size * scale,
                 fill.alpha() == 255 ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(fill);
    return image;
}

// The whole picture in picture pixels.
QRect area(const QImage& image)
{
    return QRect(QPoint(0, 0), image.deviceIndependentSize().toSize());
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

// Three rising bars on a base line with a trend above them: the learning report.
void barChart(QPainter& p, QRectF r)
{
    const qreal base = r.bottom() - 1;
    p.drawLine(QPointF(r.left(), base), QPointF(r.right(), base));
    const qreal width = r.width() / 5;
    const qreal heights[] = {0.35, 0.6, 0.85};
    for (int i = 0; i < 3; ++i) {
        const qreal left = r.left() + width * (0.6 + i * 1.45);
        p.drawRect(QRectF(left, base - r.height() * heights[i] * 0.8, width, r.height() * heights[i] * 0.8));
    }
    QPainterPath trend;
    trend.moveTo(r.left() + 1, r.top() + r.height() * 0.42);
    trend.lineTo(r.left() + r.width() * 0.45, r.top() + r.height() * 0.22);
    trend.lineTo(r.right() - 1, r.top() + 1);
    p.drawPath(trend);
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

// Soft light circles in the top right corner: the common motif of the blue panels.
void lightCircles(QPainter& p, QSizeF size)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 22));
    p.drawEllipse(QPointF(size.width() - 10, 8), size.height() * 0.42, size.height() * 0.42);
    p.setBrush(QColor(255, 255, 255, 16));
    p.drawEllipse(QPointF(size.width() - 40, size.height() * 0.28), size.height() * 0.2, size.height() * 0.2);
}

// A side panel of a page: the subject choice on top and, where the page leaves room, a card
// that names what the page is for.
QImage sidePanel(QSize size, const QString& title = {}, const QString& note = {},
                 const std::function<void(QPainter&, QRectF)>& symbol = {})
{
    QImage image = canvas(size, deepBlue);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, 0, size.height());
    gradient.setColorAt(0, blue.lighter(110));
    gradient.setColorAt(1, deepBlue);
    p.fillRect(area(image), gradient);
    lightCircles(p, QSizeF(size.width(), 160));
    p.setPen(Qt::white);
    p.setFont(face(16, true));
    p.drawText(QRect(0, 22, size.width(), 30), Qt::AlignCenter, u"选择科目"_s);
    p.fillRect(QRectF(size.width() / 2.0 - 14, 54, 28, 2), QColor(255, 255, 255, 200));
    if (title.isEmpty())
        return image;
    const QRectF card(16, size.height() - 190, size.width() - 32, 170);
    p.setPen(QPen(QColor(255, 255, 255, 80), 1));
    p.setBrush(QColor(255, 255, 255, 34));
    p.drawRoundedRect(card, 10, 10);
    p.setPen(QPen(Qt::white, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    symbol(p, QRectF(card.center().x() - 17, card.top() + 18, 34, 34));
    p.setPen(Qt::white);
    p.setFont(face(16, true));
    p.drawText(QRectF(card.left(), card.top() + 62, card.width(), 26), Qt::AlignCenter, title);
    p.setPen(QColor(255, 255, 255, 225));
    p.setFont(face(12));
    p.drawText(QRectF(card.left() + 8, card.top() + 94, card.width() - 16, 64),
               Qt::AlignHCenter | Qt::AlignTop, note);
    return image;
}

QImage banner()
{
    QImage image = canvas({496, 144}, deepBlue);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, 496, 144);
    gradient.setColorAt(0, blue);
    gradient.setColorAt(1, deepBlue);
    p.fillRect(area(image), gradient);
    lightCircles(p, QSizeF(496, 144));
    p.setBrush(QColor(255, 255, 255, 18));
    p.drawEllipse(QPointF(20, 150), 70, 70);
    p.setPen(Qt::white);
    p.setFont(face(30, true));
    p.drawText(QRect(0, 22, 496, 50), Qt::AlignCenter, u"初级会计职称 · 考前练习"_s);
    p.fillRect(QRectF(218, 80, 60, 2), QColor(255, 255, 255, 180));
    p.setFont(face(16));
    p.drawText(QRect(0, 90, 496, 30), Qt::AlignCenter, u"章节练习  ·  错题收藏  ·  全真模拟"_s);
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
    p.drawText(area(image), Qt::AlignCenter, u"联系我们"_s);
    return image;
}

// The contact code: a QR code of the contact link with the program's badge in its centre.
QImage contactCode(const QString& contactUrl)
{
    QImage image = qrCodePicture(contactUrl.toUtf8(), 430, QColor(0, 62, 104));
    if (image.isNull())
        return image;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Small enough (under 6 % of the symbol) for the error correction to read through it.
    const QRectF badge(430 / 2.0 - 30, 430 / 2.0 - 30, 60, 60);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(badge.adjusted(-5, -5, 5, 5), 14, 14);
    p.setBrush(blue);
    p.drawRoundedRect(badge, 10, 10);
    p.setPen(Qt::white);
    p.setFont(face(36, true));
    p.drawText(badge, Qt::AlignCenter, u"会"_s);
    return image;
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

// The window icon is the program's icon at the window's 32 pixels.
QImage windowIcon()
{
    const qreal scale = ArtworkScale::current();
    QImage image = programIcon(qRound(32 * scale));
    image.setDevicePixelRatio(scale);
    return image;
}

// The exam screens imitate the official computer-based examination: blue bars, white panels.
QImage examLoginBackground()
{
    QImage image = canvas({9, 204}, Qt::white);
    QPainter p(&image);
    QLinearGradient gradient(0, 0, 0, 204);
    gradient.setColorAt(0, deepBlue);
    gradient.setColorAt(0.3, blue);
    gradient.setColorAt(0.75, paleBlue);
    gradient.setColorAt(1, Qt::white);
    p.fillRect(area(image), gradient);
    return image;
}

QImage examLoginPanel()
{
    QImage image = canvas({525, 291}, Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient header(0, 0, 0, 44);
    header.setColorAt(0, blue.lighter(110));
    header.setColorAt(1, deepBlue);
    p.fillRect(QRect(0, 0, 525, 44), header);
    p.setPen(Qt::white);
    p.setFont(face(18, true));
    p.drawText(QRect(20, 0, 485, 44), Qt::AlignVCenter | Qt::AlignLeft, u"考生登录"_s);
    p.setFont(face(12));
    p.drawText(QRect(20, 0, 485, 44), Qt::AlignVCenter | Qt::AlignRight, u"全国会计专业技术资格无纸化考试"_s);
    // A candidate silhouette beside the fields.
    p.setPen(Qt::NoPen);
    p.setBrush(paleBlue);
    p.drawRoundedRect(QRectF(40, 70, 110, 130), 6, 6);
    p.setBrush(blue.lighter(140));
    p.drawEllipse(QRectF(72, 88, 46, 46));
    p.drawChord(QRectF(56, 140, 78, 80), 0, 180 * 16);
    p.setPen(QColor(60, 60, 60));
    p.setFont(face(14, true));
    p.drawText(QRect(160, 93, 106, 24), Qt::AlignVCenter | Qt::AlignRight, u"准考证号："_s);
    p.drawText(QRect(160, 127, 106, 24), Qt::AlignVCenter | Qt::AlignRight, u"身份证号："_s);
    p.setPen(QColor(120, 120, 120));
    p.setFont(face(12));
    p.drawText(QRect(160, 160, 340, 24), Qt::AlignVCenter | Qt::AlignLeft,
               u"请核对以上信息，确认无误后点击“登录”进入考试。"_s);
    p.fillRect(QRect(0, 248, 525, 1), paleBlue.darker(110));
    p.drawText(QRect(0, 252, 525, 36), Qt::AlignCenter, u"考试期间请遵守考场纪律，独立作答"_s);
    return image;
}

QImage examButtonFace(QSize size, const QColor& top, const QColor& bottom, const QString& caption)
{
    QImage image = canvas(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 4, 4);
    QLinearGradient gradient(0, 0, 0, size.height());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    p.fillPath(outline, gradient);
    p.setPen(bottom.darker(125));
    p.drawPath(outline);
    if (!caption.isEmpty()) {
        p.setPen(Qt::white);
        p.setFont(face(14, true));
        p.drawText(area(image), Qt::AlignCenter, caption);
    }
    return image;
}

QImage examBanner()
{
    QImage image = canvas({1926, 120}, blue);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, 0, 120);
    gradient.setColorAt(0, blue.lighter(108));
    gradient.setColorAt(1, deepBlue);
    p.fillRect(area(image), gradient);
    p.setPen(QPen(QColor(255, 255, 255, 28), 18));
    for (int x = -120; x < 1926; x += 90)
        p.drawLine(x, 120, x + 120, 0);
    p.fillRect(QRect(0, 117, 1926, 3), QColor(255, 255, 255, 90));
    p.setPen(QPen(Qt::white, 3));
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawEllipse(QRectF(28, 26, 68, 68));
    p.setFont(face(30, true));
    p.drawText(QRectF(28, 26, 68, 68), Qt::AlignCenter, u"会"_s);
    p.setFont(face(13, true));
    p.drawText(QRect(108, 40, 200, 40), Qt::AlignVCenter | Qt::AlignLeft, u"全真模拟考场"_s);
    return image;
}

QImage examCountdownPanel()
{
    QImage image = canvas({248, 47});
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath panel;
    panel.addRoundedRect(QRectF(0.5, 0.5, 190, 46), 6, 6);
    p.fillPath(panel, Qt::white);
    p.setPen(QPen(deepBlue, 1));
    p.drawPath(panel);
    p.setPen(QPen(deepBlue, 2));
    clock(p, QRectF(8, 11, 24, 24));
    p.setFont(face(13, true));
    p.drawText(QRect(36, 0, 72, 47), Qt::AlignVCenter | Qt::AlignLeft, u"剩余时间"_s);
    p.fillRect(QRect(108, 10, 1, 27), paleBlue.darker(115));
    return image;
}

QImage examSectionCaption()
{
    QImage image = canvas({159, 27}, blue);
    QPainter p(&image);
    QLinearGradient gradient(0, 0, 159, 0);
    gradient.setColorAt(0, deepBlue);
    gradient.setColorAt(1, blue.lighter(115));
    p.fillRect(area(image), gradient);
    p.fillRect(QRect(0, 26, 159, 1), QColor(255, 255, 255, 120));
    return image;
}

QImage examMark(QSize size, bool right)
{
    QImage image = canvas(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    QPainterPath path;
    if (right) {
        p.setPen(QPen(QColor(40, 170, 70), w / 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        path.moveTo(w * 0.14, h * 0.55);
        path.lineTo(w * 0.42, h * 0.82);
        path.lineTo(w * 0.88, h * 0.16);
    } else {
        p.setPen(QPen(QColor(220, 40, 40), w / 7, Qt::SolidLine, Qt::RoundCap));
        path.moveTo(w * 0.18, h * 0.18);
        path.lineTo(w * 0.82, h * 0.82);
        path.moveTo(w * 0.82, h * 0.18);
        path.lineTo(w * 0.18, h * 0.82);
    }
    p.drawPath(path);
    return image;
}

} // namespace

QList<Artwork> allArtwork(const QString& contactUrl)
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
        {u"nav-exam"_s, u"模拟考场"_s, clock},    {u"nav-report"_s, u"学习报告"_s, barChart},
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
    artwork.append(
        {u"side-chapters.jpg"_s, [] {
             return sidePanel({200, 430}, u"章节练习"_s, u"按章巩固，逐题精练\n答案解析随时可查"_s, list);
         }});
    artwork.append(
        {u"side-exam.jpg"_s, [] {
             return sidePanel({200, 434}, u"模拟考场"_s, u"真题题型，限时作答\n交卷即得分与解析"_s, clock);
         }});
    artwork.append({u"side-report.jpg"_s, [] {
                        return sidePanel({200, 430}, u"学习报告"_s,
                                         u"错题自动收集，章节进度\n与历次成绩一目了然"_s, barChart);
                    }});
    artwork.append({u"home-banner.jpg"_s, banner});
    artwork.append({u"contact.png"_s, contact});
    artwork.append({u"contact-code.png"_s, [contactUrl] {
                        return contactCode(contactUrl);
                    }});
    artwork.append({u"favourites-empty.png"_s, emptyFavourites});
    artwork.append({u"icon.png"_s, windowIcon});
    artwork.append({u"exam-login-background.png"_s, examLoginBackground});
    artwork.append({u"exam-login-panel.png"_s, examLoginPanel});
    artwork.append({u"exam-login.png"_s, [] {
                        return examButtonFace({74, 26}, blue.lighter(110), deepBlue, u"登  录"_s);
                    }});
    artwork.append(
        {u"exam-reset.png"_s, [] {
             return examButtonFace({74, 26}, QColor(170, 184, 196), QColor(120, 136, 150), u"重  置"_s);
         }});
    artwork.append({u"exam-banner.jpg"_s, examBanner});
    artwork.append({u"exam-countdown.png"_s, examCountdownPanel});
    artwork.append({u"exam-hand-in.png"_s, [] {
                        return examButtonFace({80, 24}, QColor(255, 150, 40), QColor(226, 96, 0), {});
                    }});
    artwork.append({u"exam-section.png"_s, examSectionCaption});
    artwork.append({u"exam-tick.png"_s, [] {
                        return examMark({146, 160}, true);
                    }});
    artwork.append({u"exam-cross.png"_s, [] {
                        return examMark({72, 76}, false);
                    }});
    artwork.append({u"practice-banner.jpg"_s, [] {
                        // Only the top 56 rows show; the middle stays clear for the question type.
                        QImage image = canvas({1926, 80}, blue);
                        QPainter p(&image);
                        QLinearGradient gradient(0, 0, 0, 56);
                        gradient.setColorAt(0, blue.lighter(112));
                        gradient.setColorAt(1, blue);
                        p.fillRect(QRect(0, 0, 1926, 56), gradient);
                        p.fillRect(QRect(0, 54, 1926, 2), deepBlue);
                        p.setPen(Qt::white);
                        p.setFont(face(20, true));
                        p.drawText(QRect(24, 0, 400, 54), Qt::AlignLeft | Qt::AlignVCenter,
                                   u"Mirevo · 章节练习"_s);
                        return image;
                    }});
    artwork.append({u"practice-panel.jpg"_s, [] {
                        QImage image = canvas({176, 766}, paleBlue);
                        QPainter p(&image);
                        QLinearGradient gradient(0, 0, 0, 766);
                        gradient.setColorAt(0, paleBlue);
                        gradient.setColorAt(1, Qt::white);
                        p.fillRect(area(image), gradient);
                        p.fillRect(QRect(0, 0, 2, 766), blue);
                        return image;
                    }});
    artwork.append({u"practice-card.jpg"_s, [] {
                        return canvas({173, 381}, QColor(212, 237, 248));
                    }});
    return artwork;
}

} // namespace mirevo
