#pragma once

#include "Services.h"

#include <QTextStream>

namespace mirevo {

// Services for an unattended run: message boxes are logged and answered as a candidate who
// agrees would answer, nothing is started or fetched, and the clock stands still so that
// every clock on the screens reads the same on every run.
class QuietMessageBox final : public MessageBoxService
{
public:
    int show(const QString& text, int style, const QString& title) override
    {
        QTextStream(stderr) << "message box \"" << title << "\": " << text << '\n';
        const int buttons = style & 0x0f;
        return buttons == StyleYesNo || buttons == StyleYesNoCancel ? ButtonYes : ButtonOk;
    }
};

class QuietProcess final : public ProcessService
{
public:
    void startCalculator() override {}
};

class QuietAddress final : public AddressService
{
public:
    void open(const QString&) override {}
};

class QuietHttp final : public HttpService
{
public:
    QByteArray get(const QString&) override { return {}; }
};

class StillClock final : public Clock
{
public:
    qint64 tickMs() const override { return 1000; }
};

// A calendar clock that stands where the tour puts it (an afternoon in May at first), so that
// every date on the screens is the same on every run.
class StillWallClock final : public WallClock
{
public:
    QDateTime now() const override { return time; }
    QDateTime time{QDate(2024, 5, 15), QTime(15, 30)};
};

struct QuietServices
{
    QuietMessageBox messageBox;
    QuietProcess process;
    QuietAddress address;
    QuietHttp http;
    StillClock clock;
    StillWallClock wallClock;

    Services services() { return {messageBox, process, address, http, clock, wallClock}; }
};

} // namespace mirevo
