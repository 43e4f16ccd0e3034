#pragma once

#include "CurlHttpService.h"
#include "Services.h"

#include <QElapsedTimer>
#include <QStringList>

namespace mirevo {

class QtMessageBoxService final : public MessageBoxService
{
public:
    int show(const QString& text, int style, const QString& title) override;
};

// Starts the system's calculator; where none can be started, opens the built-in one.
class SystemProcessService final : public ProcessService
{
public:
    explicit SystemProcessService(QStringList candidates = calculatorCandidates())
        : m_candidates(std::move(candidates))
    {}
    void startCalculator() override;
    // The calculators looked for on the search path where there is no "calc.exe".
    static QStringList calculatorCandidates();

private:
    QStringList m_candidates;
};

class DesktopAddressService final : public AddressService
{
public:
    void open(const QString& address) override;
};

class MonotonicClock final : public Clock
{
public:
    MonotonicClock() { m_timer.start(); }
    qint64 tickMs() const override { return m_timer.elapsed(); }

private:
    QElapsedTimer m_timer;
};

// The production services, owned together for the life of the program.
class SystemServices
{
public:
    Services services() { return {m_messageBox, m_process, m_address, m_http, m_clock, m_wallClock}; }

private:
    QtMessageBoxService m_messageBox;
    SystemProcessService m_process;
    DesktopAddressService m_address;
    CurlHttpService m_http;
    MonotonicClock m_clock;
    SystemWallClock m_wallClock;
};

} // namespace mirevo
