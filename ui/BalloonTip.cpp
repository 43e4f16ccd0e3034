#include "BalloonTip.h"

#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

namespace mirevo {

bool BalloonTip::attachTip(QWidget* target, const QString& text, int icon, const TipArea& area)
{
    if (!target)
        return false;
    Tip tip{text, icon, std::nullopt};
    if (area.left && area.top && area.width && area.height)
        tip.area = QRect(*area.left, *area.top, *area.width, *area.height);
    if (!m_tips.contains(target)) {
        target->installEventFilter(this);
        connect(target, &QObject::destroyed, this, [this, target] { m_tips.remove(target); });
    }
    m_tips.insert(target, tip);
    return true;
}

QString BalloonTip::tipText(const QWidget* target) const
{
    return m_tips.value(target).text;
}

QRect BalloonTip::tipRect(const QWidget* target) const
{
    const auto it = m_tips.constFind(target);
    if (it == m_tips.constEnd())
        return {};
    return it->area.value_or(target->rect());
}

bool BalloonTip::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return false;
    auto* target = static_cast<QWidget*>(watched);
    const QRect area = tipRect(target);
    const auto* help = static_cast<QHelpEvent*>(event);
    if (area.contains(help->pos()))
        QToolTip::showText(help->globalPos(), tipText(target), target, area);
    else
        QToolTip::hideText();
    return true;
}

} // namespace mirevo
