// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Fakes of the platform services for tests: message boxes that answer at once from a script
// and record what they were asked, a browser that records addresses, an in-memory settings
// store, a clock set by the test, a scripted random source and an instance query.
#pragma once

#include "Platform.h"

#include <QList>
#include <QMap>

#include <deque>
#include <functional>

namespace kq::testing {

struct ShownMessage
{
    QString text;
    MessageIcon icon;
    MessageButtons buttons;
    QString title; // as passed: empty means the application's title
};

class FakeMessageBoxes : public MessageBoxes
{
public:
    QList<ShownMessage> shown;
    std::deque<MessageAnswer> answers; // answers to give, in order; then Ok / No
    std::function<void(const ShownMessage &)> onShow; // runs while the box is "open"

    MessageAnswer show(const QString &text, MessageIcon icon, MessageButtons buttons,
                       const QString &title = {}) override
    {
        shown.append({text, icon, buttons, title});
        if (onShow)
            onShow(shown.last());
        if (!answers.empty()) {
            const MessageAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
    }
};

class FakeBrowser : public Browser
{
public:
    QList<QByteArray> opened; // the addresses, fully encoded, in order
    std::function<void(const QByteArray &)> onOpen; // runs as each address is opened
    void open(const QUrl &address) override
    {
        opened.append(address.toEncoded());
        if (onOpen)
            onOpen(opened.last());
    }
};

class FakeSettingsStore : public SettingsStore
{
public:
    QMap<QString, QString> values; // "application/section/key" -> value
    int writes = 0;

    static QString path(const QString &application, const QString &section, const QString &key)
    {
        return application + QLatin1Char('/') + section + QLatin1Char('/') + key;
    }
    QString read(const QString &application, const QString &section, const QString &key) override
    {
        return values.value(path(application, section, key));
    }
    void write(const QString &application, const QString &section, const QString &key,
               const QString &value) override
    {
        ++writes;
        values.insert(path(application, section, key), value);
    }
};

class FakeClock : public Clock
{
public:
    QDateTime current{QDate(2009, 12, 1), QTime(12, 0)};
    QDateTime now() const override { return current; }
};

class FakeRandomSource : public RandomSource
{
public:
    std::deque<float> values; // values to return, in order; then 0
    QList<std::uint32_t> seeds;
    void seed(std::uint32_t value) override { seeds.append(value); }
    float next() override
    {
        if (values.empty())
            return 0.0f;
        const float value = values.front();
        values.pop_front();
        return value;
    }
};

class FakeInstanceGuard : public InstanceGuard
{
public:
    bool running = false;
    int queries = 0;
    int releases = 0;
    bool anotherInstanceRunning() override
    {
        ++queries;
        return running;
    }
    void release() override { ++releases; }
};

// Every fake in one place, with the bundle the code under test takes.
struct FakePlatform
{
    FakeMessageBoxes messages;
    FakeBrowser browser;
    FakeSettingsStore settings;
    FakeClock clock;
    FakeRandomSource random;
    FakeInstanceGuard instance;
    Platform platform{messages, browser, settings, clock, random, instance,
                      QStringLiteral("kq-pregnancy-calendar")};
};

} // namespace kq::testing
