#pragma once

#include <QObject>
#include <QTimer>

namespace mirevo {

// An invisible timer control: ticks every `interval` milliseconds; 0 or less stops it, and
// writing a positive interval restarts it.
class Timer : public QObject
{
    Q_OBJECT
public:
    explicit Timer(QObject* parent = nullptr);

    int interval() const { return m_interval; }
    void setInterval(int milliseconds);
    bool isRunning() const { return m_timer.isActive(); }

signals:
    void tick();

private:
    QTimer m_timer;
    int m_interval = 0;
};

} // namespace mirevo
