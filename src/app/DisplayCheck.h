// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The desktop program without a desktop: when no display can be opened, the program says so in
// one line on standard error and ends with a failure status, instead of the toolkit aborting
// with a core dump.
#pragma once

#include <QString>
#include <QStringList>

namespace kq {

class Catalogues;

// Why no display can be opened, judged from the platform asked for (QT_QPA_PLATFORM or the
// -platform argument; empty for the toolkit's default) and the display variables, before any
// connection is tried: a text of the program's catalogue (context "DisplayCheck"), or null
// when a display may be there. Only the X11 case can be judged so: other platforms
// (offscreen, Wayland with its default socket, ...) are left to the toolkit.
const char *MissingDisplayReason(
    const QString &platform, const QString &display, const QString &waylandDisplay);

// The same for this process: the environment and the command line.
const char *MissingDisplayReason(int argc, char **argv);

// The one line printed when no display can be opened ("cannot open a display: ..."), in the
// language of the catalogues, which are loaded before any application object exists. `%1` in
// the reason is `detail`.
QString NoDisplayLine(
    const Catalogues &catalogues, const char *reason, const QString &detail = QString());

// Exit status of a run that found no display.
inline constexpr int ExitNoDisplay = 1;

// Held while the application object is made. When the toolkit finds no display after all (a
// DISPLAY that names no running server, say), it reports a fatal error and would abort: the
// guard prints the one line instead and ends the process with ExitNoDisplay. The toolkit's
// other messages of that moment are held back and passed on when the guard is released, or
// dropped when the run ends for want of a display.
class DisplayFailureGuard
{
public:
    // The line is worded from the catalogues, which must outlive the guard.
    explicit DisplayFailureGuard(const Catalogues &catalogues);
    ~DisplayFailureGuard();
    DisplayFailureGuard(const DisplayFailureGuard &) = delete;
    DisplayFailureGuard &operator=(const DisplayFailureGuard &) = delete;

    // The application object exists: messages go their usual way again.
    void release();
};

} // namespace kq
