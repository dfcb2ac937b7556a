// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// What the window tests share: the fake platform, a fresh set of engine variables, the
// program's own end of the run (recording the status instead of ending the process), an exit
// flow that counts its runs, and helpers to find the program's windows and pick dates as a
// user would.
#pragma once

#include "AppContext.h"
#include "FakePlatform.h"
#include "QtProcessTerminator.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <array>
#include <functional>

namespace kq::testing {

// Every page address up to the page's key, from the build's publisher site.
inline const QByteArray PageScript
    = QByteArrayLiteral(KQ_TEST_PUBLISHER_SITE "/kq-free-chinese-pregnancy-calendar/ssd.php?page=");
// The build's publisher site as the windows show it ("www.kq-publisher.example").
inline constexpr QLatin1String PublisherHost(KQ_TEST_PUBLISHER_HOST);

// A link of the main and the result window and the page it opens.
struct PageLink
{
    const char *control;
    const char *page;
};
// The menu items of both windows that the user can choose ("Make Money &Online" cannot be).
inline constexpr std::array<PageLink, 4> MenuPageLinks {PageLink {"mnuOnline", "help-web-page"},
    PageLink {"mnuVisit", "home-page"}, PageLink {"mnuUpdate", "download-web-page"},
    PageLink {"mnuDonate", "donate"}};
// The banner and the two offers of both windows, opened with a click.
inline constexpr std::array<PageLink, 3> BannerPageLinks {PageLink {"Label61", "home-page"},
    PageLink {"lblCobrand", "co-brand"}, PageLink {"lblFullBrand", "fully-branded"}};

// A date as the user picks it in the three lists.
struct Date
{
    int day;
    const char *month;
    int year;
};

// The program's end of the run: every window is closed, and the process goes on with the
// status recorded.
class RecordingTerminator : public QtProcessTerminator
{
public:
    QList<int> exitCodes;
    void terminate(int exitCode) override { exitCodes.append(exitCode); }
};

class WindowTest : public ::testing::Test
{
protected:
    FakePlatform fake;
    PredictionState engine;
    RecordingTerminator terminator;
    int exitFlowRuns = 0;
    AppContext context {fake.platform, engine, terminator, [this] { ++exitFlowRuns; }};

    void TearDown() override
    {
        settle();
        QList<QPointer<QWidget>> left;
        for (QWidget *window : QApplication::topLevelWidgets())
            if (!window->parentWidget())
                left.append(window);
        for (const QPointer<QWidget> &window : left)
            delete window.data();
        settle();
    }

    // Lets queued work run (the exit flow starts after the close) and deletes closed windows.
    static void settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    // The program's windows of one kind that still exist (closed windows are deleted).
    template <class Window>
    static QList<Window *> windows()
    {
        settle();
        QList<Window *> found;
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (auto *window = qobject_cast<Window *>(widget))
                found.append(window);
        return found;
    }

    template <class Window>
    static Window *onlyWindow()
    {
        const QList<Window *> found = windows<Window>();
        return found.size() == 1 ? found.front() : nullptr;
    }

    template <class Control>
    static Control *control(QWidget *window, const char *name)
    {
        auto *found = window->findChild<Control *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // The texts a list offers, in order.
    static QStringList entries(QWidget *window, const char *list)
    {
        auto *combo = control<QComboBox>(window, list);
        QStringList texts;
        for (int i = 0; i < combo->count(); ++i)
            texts.append(combo->itemText(i));
        return texts;
    }

    // "first" to "last", as the year and day lists write them.
    static QStringList numbers(int first, int last)
    {
        QStringList texts;
        for (int n = first; n <= last; ++n)
            texts.append(QString::number(n));
        return texts;
    }

    // Picks an entry of a list by its text, as the user does with the mouse.
    static void choose(QWidget *window, const char *list, const QString &text)
    {
        auto *combo = control<QComboBox>(window, list);
        const int index = combo->findText(text, Qt::MatchExactly);
        ASSERT_GE(index, 0) << list << " has no " << text.toStdString();
        combo->setCurrentIndex(index);
    }

    static void chooseBirth(QWidget *window, Date date)
    {
        choose(window, "cmbDOBDate", QString::number(date.day));
        choose(window, "cmbDOBMonth", QLatin1String(date.month));
        choose(window, "cmbDOBYear", QString::number(date.year));
    }
    static void chooseConception(QWidget *window, Date date)
    {
        choose(window, "cmbConceptionDate", QString::number(date.day));
        choose(window, "cmbConceptionMonth", QLatin1String(date.month));
        choose(window, "cmbConceptionYear", QString::number(date.year));
    }

    // Runs `open`, which shows a modal dialog, and `inside` while that dialog is up; `inside`
    // must close it. Nothing waits: the check runs from the dialog's own event loop.
    static void whileModal(
        const std::function<void()> &open, const std::function<void(QDialog *)> &inside)
    {
        bool ran = false;
        QTimer::singleShot(0, qApp, [&] {
            ran = true;
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr) << "no modal dialog is shown";
            inside(dialog);
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the dialog is still open";
                dialog->reject();
            }
        });
        open();
        EXPECT_TRUE(ran);
    }
};

} // namespace kq::testing
