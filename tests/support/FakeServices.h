#pragma once

#include "Services.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace mirevo::test {

// A message box that records what it was asked to show and answers from a queue
// (OK when the queue is empty).
class FakeMessageBox final : public MessageBoxService
{
public:
    struct Shown
    {
        QString text;
        int style;
        QString title;
    };

    int show(const QString& text, int style, const QString& title) override
    {
        shown.append({text, style, title});
        return answers.isEmpty() ? ButtonOk : answers.takeFirst();
    }

    QStringList texts() const
    {
        QStringList all;
        for (const Shown& s : shown)
            all.append(s.text);
        return all;
    }

    QList<Shown> shown;
    QList<int> answers;
};

class FakeProcess final : public ProcessService
{
public:
    void startCalculator() override { ++calculatorStarts; }
    int calculatorStarts = 0;
};

class FakeAddress final : public AddressService
{
public:
    void open(const QString& address) override { opened.append(address); }
    QStringList opened;
};

// Answers every request with `body` and records the addresses asked for.
class FakeHttp final : public HttpService
{
public:
    QByteArray get(const QString& address) override
    {
        requested.append(address);
        return body;
    }
    QStringList requested;
    QByteArray body;
};

class FakeClock final : public Clock
{
public:
    qint64 tickMs() const override { return now; }
    qint64 now = 1000;
};

// A calendar clock that stands where the test puts it, backwards too.
class FakeWallClock final : public WallClock
{
public:
    QDateTime now() const override { return time; }
    QDateTime time{QDate(2024, 5, 15), QTime(9, 30)};
};

// One set of test doubles, handed to the screens as their services.
struct FakeServices
{
    FakeMessageBox messageBox;
    FakeProcess process;
    FakeAddress address;
    FakeHttp http;
    FakeClock clock;
    FakeWallClock wallClock;

    Services services() { return {messageBox, process, address, http, clock, wallClock}; }
};

} // namespace mirevo::test
