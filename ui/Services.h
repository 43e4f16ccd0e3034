#pragma once

#include "WallClock.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace mirevo {

// Button numbers returned by a message box.
enum MessageBoxButton : int
{
    ButtonOk = 0,
    ButtonCancel = 1,
    ButtonAbort = 2,
    ButtonRetry = 3,
    ButtonIgnore = 4,
    ButtonYes = 5,
    ButtonNo = 6,
};

// Message box styles: the low nibble chooses the buttons, 0x10…0x40 the icon.
enum MessageBoxStyle : int
{
    StyleOk = 0,
    StyleOkCancel = 1,
    StyleAbortRetryIgnore = 2,
    StyleYesNoCancel = 3,
    StyleYesNo = 4,
    StyleRetryCancel = 5,
    StyleIconError = 0x10,
    StyleIconQuestion = 0x20,
    StyleIconWarning = 0x30,
    StyleIconInformation = 0x40,
};

inline const QString& defaultMessageBoxTitle()
{
    static const QString title = QStringLiteral("信息：");
    return title;
}

// A task-modal message box; returns the number of the button pressed.
class MessageBoxService
{
public:
    virtual ~MessageBoxService() = default;
    virtual int show(const QString& text, int style = StyleOk,
                     const QString& title = defaultMessageBoxTitle()) = 0;
};

// Starts a program without waiting for it; the result is not reported.
class ProcessService
{
public:
    virtual ~ProcessService() = default;
    virtual void startCalculator() = 0;
};

// Hands an address to the system's default handler of its scheme.
class AddressService
{
public:
    virtual ~AddressService() = default;
    virtual void open(const QString& address) = 0;
};

// One blocking HTTP GET; the body of the response, empty on any failure (no network, unknown
// host, error status, time-out).
class HttpService
{
public:
    virtual ~HttpService() = default;
    virtual QByteArray get(const QString& address) = 0;
};

// The millisecond tick counter: a monotonic clock.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual qint64 tickMs() const = 0;
};

// Everything a screen reaches outside the program; the screens receive it, never construct it.
struct Services
{
    MessageBoxService& messageBox;
    ProcessService& process;
    AddressService& address;
    HttpService& http;
    Clock& clock;
    WallClock& wallClock;
};

} // namespace mirevo
