#pragma once

#include <QHash>
#include <QObject>
#include <QRect>
#include <optional>

class QWidget;

namespace mirevo {

// The optional rectangle of a hover tip; only when all four parts are given does the tip
// cover that rectangle, otherwise it covers the whole control.
struct TipArea
{
    std::optional<int> left;
    std::optional<int> top;
    std::optional<int> width;
    std::optional<int> height;
};

// The invisible balloon-tip component: hover tips attached to controls.
class BalloonTip : public QObject
{
    Q_OBJECT
public:
    explicit BalloonTip(QObject* parent = nullptr) : QObject(parent) {}

    bool attachTip(QWidget* target, const QString& text, int icon = -1, const TipArea& area = {});
    QString tipText(const QWidget* target) const;
    // The part of the control, in its own coordinates, over which the tip shows.
    QRect tipRect(const QWidget* target) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Tip
    {
        QString text;
        int icon = -1;
        std::optional<QRect> area;
    };
    QHash<const QWidget*, Tip> m_tips;
};

} // namespace mirevo
